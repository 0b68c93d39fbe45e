// A machine with no sound at all: the driver asked for does not exist.
#include "audio/SoundBank.h"
#include "tests/audio/SoundTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

TEST(NoAudioDevice, EverythingRunsSilentlyWithNullHandlesAndSaysSoOnce)
{
    setenv("SDL_AUDIODRIVER", "vorlund-no-such-driver", 1);
    SoundMixer& mixer = SoundMixer::instance();
    SoundBank& bank = SoundBank::instance();
    // Run from the game's folder, the bank finds every file, and loads none.
    const std::string& told = toldSoFar([&] {
        EXPECT_FALSE(mixer.init(res::mixRate, soundCount));
        bank.load();
        bank.finishLoading();
    });
    EXPECT_FALSE(mixer.isOn());
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1);
    EXPECT_NE(told.find("sound is off"), std::string::npos) << told;
    EXPECT_EQ(std::count(bank.handles.begin(), bank.handles.end(), noSound), soundCount);
    for (int index = -1; index <= soundCount; ++index)
        bank.play(index);
    bank.playMusic(0);
    mixer.playSample(0, 1);
    mixer.playStream(musicIndex, 1);
}
