// Every sound the game names, loaded through the game's sound layer on SDL's
// "dummy" driver, and measured as the mixer decodes it.
#include "audio/SoundBank.h"
#include "tools/sounds/DecodedSound.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr double ceilingDecibels = -1;
// A hundredth of full scale: quieter than that, a sound's first or last
// sample can't be heard as a click.
constexpr int silentLevel = 328;

struct Expected {
    int firstIndex;
    int count;
    double shortestSeconds;
    double longestSeconds;
};

void loadBank()
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundBank::instance().load();
    ASSERT_TRUE(SoundMixer::instance().isOn()) << "the dummy audio device did not open";
}

void expectMeasures(const Expected& kind)
{
    for (int index = kind.firstIndex; index < kind.firstIndex + kind.count; ++index) {
        std::string name = soundFileName(index);
        DecodedSound sound = decodeWithMixer(name);
        ASSERT_GT(sound.frames(), 0u) << name;
        EXPECT_EQ(sound.rate, 44100) << name;
        EXPECT_GE(sound.seconds(), kind.shortestSeconds) << name;
        EXPECT_LE(sound.seconds(), kind.longestSeconds) << name;
        EXPECT_LE(sound.peakDecibels(), ceilingDecibels) << name;
        EXPECT_LE(sound.startLevel(), silentLevel) << name << " clicks as it starts";
        EXPECT_LE(sound.endLevel(), silentLevel) << name << " clicks as it stops";
    }
}

}

TEST(ShippedSounds, TheSoundBankLoadsEverySoundTheGameNames)
{
    loadBank();
    for (int index = 0; index < soundCount; ++index)
        EXPECT_NE(SoundBank::instance().handles[index], noSound) << soundFileName(index);
}

TEST(ShippedSounds, EffectsAreShortUnclippedAndStartAndEndInSilence)
{
    loadBank();
    expectMeasures({0, res::squeakCount, 0.08, 0.3});
    expectMeasures({firstWinSound, res::winSoundCount, 0.4, 1.5});
}

TEST(ShippedSounds, MusicIsAnUnclippedLoopOfHalfAMinuteToAMinuteAndAHalf)
{
    loadBank();
    DecodedSound music = decodeWithMixer(soundFileName(musicIndex));
    ASSERT_GT(music.frames(), 0u);
    EXPECT_GE(music.seconds(), 30.0);
    EXPECT_LE(music.seconds(), 90.0);
    EXPECT_LE(music.peakDecibels(), ceilingDecibels);
    // Played end to start, the last frame runs into the first: that join must
    // be no bigger a jump than the music makes anywhere within itself.
    std::vector<std::int16_t> seam(music.samples.end() - music.channels, music.samples.end());
    seam.insert(seam.end(), music.samples.begin(), music.samples.begin() + music.channels);
    EXPECT_LE(largestStep(seam, music.channels, 0, 2), largestStep(music.samples, music.channels, 0, music.frames()));
}
