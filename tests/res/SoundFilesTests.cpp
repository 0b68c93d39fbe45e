// Every sound the game names, loaded through the game's sound layer on SDL's
// "dummy" driver, and measured as the mixer decodes it.
#include "audio/SoundBank.h"
#include "tools/sounds/DecodedSound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

constexpr double ceilingDecibels = -1;
// A hundredth of full scale: quieter than that, a sound's first or last
// sample can't be heard as a click.
constexpr int silentLevel = 328;

}

TEST(ShippedSounds, TheBankLoadsEverySoundItNamesEachOfItsKindsLengthUnclippedAndWithoutAClick)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundBank::instance().load();
    SoundBank::instance().finishLoading();
    ASSERT_TRUE(SoundMixer::instance().isOn()) << "the dummy audio device did not open";
    struct Kind {
        int first;
        int count;
        double shortestSeconds;
        double longestSeconds;
        bool startsAndEndsSilent; // the music loops instead
    };
    std::set<std::string> names;
    for (Kind kind : {Kind{0, res::squeakCount, 0.08, 0.3, true}, Kind{firstWinSound, res::winSoundCount, 0.4, 1.5, true},
                      Kind{musicIndex, 1, 30, 90, false}}) {
        for (int index = kind.first; index < kind.first + kind.count; ++index) {
            std::string name = soundFileName(index);
            names.insert(name);
            EXPECT_NE(SoundBank::instance().handles[index], noSound) << name;
            DecodedSound sound = decodeWithMixer(name);
            EXPECT_EQ(sound.rate, res::mixRate) << name;
            EXPECT_GE(sound.seconds(), kind.shortestSeconds) << name;
            EXPECT_LE(sound.seconds(), kind.longestSeconds) << name;
            EXPECT_LE(sound.peakDecibels(), ceilingDecibels) << name;
            EXPECT_TRUE(!kind.startsAndEndsSilent || std::max(sound.startLevel(), sound.endLevel()) <= silentLevel)
                << name << " clicks as it starts or stops";
        }
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(soundCount)) << "two sounds share a file";

    // Played end to start, the music's last frame runs into its first: that join
    // must be no bigger a jump than the music makes anywhere within itself.
    DecodedSound music = decodeWithMixer(soundFileName(musicIndex));
    ASSERT_GT(music.frames(), 0u);
    std::vector<std::int16_t> seam(music.samples.end() - music.channels, music.samples.end());
    seam.insert(seam.end(), music.samples.begin(), music.samples.begin() + music.channels);
    EXPECT_LE(largestStep(seam, music.channels, 0, 2), largestStep(music.samples, music.channels, 0, music.frames()));
}
