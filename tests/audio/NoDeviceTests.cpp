// A machine with no sound at all: the driver asked for does not exist.
#include "audio/SoundBank.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

// The bank finds every file and loads none; the mixer says so once a process, however often this runs.
TEST(NoAudioDevice, EverythingRunsSilentlyWithNullHandlesAndSaysSoOnce)
{
    setenv("SDL_AUDIODRIVER", "vorlund-no-such-driver", 1);
    static std::string told;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SoundMixer::instance().init(res::mixRate, soundCount));
    SoundBank& bank = SoundBank::instance();
    bank.load();
    bank.finishLoading();
    told += testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1);
    EXPECT_NE(told.find("sound is off"), std::string::npos) << told;
    EXPECT_EQ(std::count(bank.handles.begin(), bank.handles.end(), noSound), soundCount);
    for (int index = -1; index <= soundCount; ++index)
        bank.play(index);
    bank.playMusic(0);
}
