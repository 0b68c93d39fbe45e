// Every sound the game names, loaded through the game's sound layer on SDL's
// "dummy" driver, and measured as the mixer decodes it.
#include "audio/SoundBank.h"
#include "tools/sounds/DecodedSound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

constexpr double ceilingDecibels = -1;
// A hundredth of full scale: quieter than that, a sound's first or last
// sample can't be heard as a click.
constexpr int clickLevel = 328;
// Quieter than this counts as silence; no voice of the music rests that long.
constexpr int silentLevel = 64;
constexpr std::size_t longestSilentFrames = res::mixRate / 100;

}

TEST(ShippedSounds, LoadWithTheLengthsOfTheirKindsUnclippedWithoutAClickAndTheMusicLoopsWithoutAGap)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundBank::instance().load();
    SoundBank::instance().finishLoading();
    ASSERT_TRUE(SoundMixer::instance().isOn()) << "the dummy audio device did not open";
    // The first index and count of each kind, its shortest and longest seconds,
    // and whether it starts and ends in silence (the music loops instead).
    const std::tuple<int, int, double, double, bool> kinds[] = {{0, res::squeakCount, 0.08, 0.3, true},
                                                                {firstWinSound, res::winSoundCount, 0.4, 1.5, true},
                                                                {musicIndex, 1, 30, 90, false}};
    for (auto [first, count, shortest, longest, silentEnds] : kinds) {
        for (int index = first; index < first + count; ++index) {
            std::string name = soundFileName(index);
            DecodedSound sound = decodeWithMixer(name);
            EXPECT_NE(SoundBank::instance().handles[index], noSound) << name;
            EXPECT_TRUE(sound.seconds() >= shortest && sound.seconds() <= longest) << name << ": " << sound.seconds();
            EXPECT_LE(sound.peakDecibels(), ceilingDecibels) << name;
            EXPECT_TRUE(!silentEnds || std::max(sound.startLevel(), sound.endLevel()) <= clickLevel)
                << name << " clicks as it starts or stops";
        }
    }

    // Played end to start, the music's last frame runs into its first: no
    // stretch of silence anywhere, the join included, and no bigger a jump at
    // the join than the music makes within itself.
    DecodedSound music = decodeWithMixer(res::musicFile);
    ASSERT_GT(music.frames(), longestSilentFrames);
    std::size_t quietRun = 0;
    std::size_t longestQuietRun = 0;
    for (std::size_t i = 0; i < music.frames() + longestSilentFrames; ++i) {
        auto sample = music.samples.begin() + static_cast<long>(i % music.frames() * music.channels);
        bool quiet =
            std::all_of(sample, sample + music.channels, [](std::int16_t s) { return std::abs(s) < silentLevel; });
        quietRun = quiet ? quietRun + 1 : 0;
        longestQuietRun = std::max(longestQuietRun, quietRun);
    }
    EXPECT_LT(longestQuietRun, longestSilentFrames);
    std::vector<std::int16_t> seam(music.samples.end() - music.channels, music.samples.end());
    seam.insert(seam.end(), music.samples.begin(), music.samples.begin() + music.channels);
    EXPECT_LE(largestStep(seam, music.channels, 0, 2), largestStep(music.samples, music.channels, 0, music.frames()));
}
