// A machine with no sound at all: the driver asked for does not exist.
#include "audio/SoundBank.h"
#include "tests/audio/SoundFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int mixRate = 44100;
constexpr int channelCount = 30;

}

TEST(NoAudioDevice, EverythingRunsSilentlyWithNullHandles)
{
    setenv("SDL_AUDIODRIVER", "vorlund-no-such-driver", 1);
    std::filesystem::path folder = tempPath("bank-with-sounds");
    writeSoundBankFiles(folder);
    SoundMixer& mixer = SoundMixer::instance();

    testing::internal::CaptureStderr();
    EXPECT_FALSE(mixer.init(mixRate, channelCount));
    EXPECT_FALSE(mixer.init(mixRate, channelCount));
    SoundBank& bank = SoundBank::instance();
    {
        WorkingFolder inGame(folder);
        bank.load();
    }
    std::string told = testing::internal::GetCapturedStderr();

    EXPECT_FALSE(mixer.isOn());
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1);
    EXPECT_NE(told.find("sound is off"), std::string::npos);
    EXPECT_TRUE(std::all_of(bank.handles.begin(), bank.handles.end(), [](SoundHandle h) { return h == noSound; }));
    for (int index = 0; index < 30; ++index)
        bank.play(index);
    bank.playMusic(0);
    mixer.playSample(0, 1);
    mixer.playStream(29, 1);
}
