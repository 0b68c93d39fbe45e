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

// Played end to start, the music's last frame runs into its first: no stretch
// of silence anywhere, the join included, and no bigger a jump at the join than
// the music makes within itself.
TEST(ShippedSounds, LoadWithTheLengthsOfTheirKindsUnclippedWithoutAClickAndTheMusicLoopsWithoutAGap)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundBank::instance().load();
    SoundBank::instance().finishLoading();
    ASSERT_TRUE(SoundMixer::instance().isOn()) << "the dummy audio device did not open";
    // The shortest and longest seconds of the squeaks, the win sounds and the
    // music; the music loops, so only the others must start and end in silence.
    const std::pair<double, double> lengths[] = {{0.08, 0.3}, {0.4, 1.5}, {30, 90}};
    DecodedSound music;
    for (int index = 0; index < soundCount; ++index) {
        std::string name = soundFileName(index);
        DecodedSound sound = decodeWithMixer(name);
        auto [shortest, longest] = lengths[(index >= firstWinSound) + (index >= musicIndex)];
        EXPECT_NE(SoundBank::instance().handles[index], noSound) << name;
        EXPECT_TRUE(sound.seconds() >= shortest && sound.seconds() <= longest) << name << ": " << sound.seconds();
        EXPECT_LE(sound.peakDecibels(), ceilingDecibels) << name;
        EXPECT_TRUE(index == musicIndex || std::max(sound.startLevel(), sound.endLevel()) <= clickLevel)
            << name << " clicks as it starts or stops";
        music = std::move(sound);
    }
    ASSERT_GT(music.frames(), longestSilentFrames);
    std::size_t quietRun = 0;
    for (std::size_t i = 0; i < music.frames() + longestSilentFrames; ++i) {
        auto frame = music.samples.begin() + static_cast<long>(i % music.frames() * music.channels);
        bool quiet =
            std::all_of(frame, frame + music.channels, [](std::int16_t s) { return std::abs(s) < silentLevel; });
        quietRun = quiet ? quietRun + 1 : 0;
        ASSERT_LT(quietRun, longestSilentFrames) << "the music is silent up to frame " << i % music.frames();
    }
    std::vector<std::int16_t> seam(music.samples.end() - music.channels, music.samples.end());
    seam.insert(seam.end(), music.samples.begin(), music.samples.begin() + music.channels);
    EXPECT_LE(largestStep(seam, music.channels, 0, 2), largestStep(music.samples, music.channels, 0, music.frames()));
}
