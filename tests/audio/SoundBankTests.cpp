// The bank and the mixer on SDL's "dummy" driver: a device that mixes and
// throws the result away, as on a machine whose sound is muted.
#include "audio/SoundBank.h"
#include "tests/audio/SoundFiles.h"
#include "tests/support/TempDir.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <set>

namespace {

constexpr int mixRate = 44100;
constexpr int channelCount = 30;

SoundMixer& mixerOnDummy()
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundMixer::instance().init(mixRate, channelCount);
    return SoundMixer::instance();
}

long countLines(const std::string& text)
{
    return std::count(text.begin(), text.end(), '\n');
}

}

TEST(SoundMixer, LeavesTheStopSignalsToTheSystem)
{
    ASSERT_TRUE(mixerOnDummy().isOn());
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "a game nobody can stop with kill or Ctrl-C";
    }
}

TEST(SoundBank, IndicesMapToTheirFiles)
{
    EXPECT_EQ(soundFileName(0), "./res/audio/batsqueak01.mp3");
    EXPECT_EQ(soundFileName(9), "./res/audio/batsqueak10.mp3");
    EXPECT_EQ(soundFileName(15), "./res/audio/batsqueak16.mp3");
    EXPECT_EQ(soundFileName(16), "./res/audio/win01.mp3");
    EXPECT_EQ(soundFileName(28), "./res/audio/win13.mp3");
    EXPECT_EQ(soundFileName(29), "./res/audio/loop_Marvessant_Tundravel.mp3");
    EXPECT_EQ(soundFileName(-1), "");
    EXPECT_EQ(soundFileName(30), "");
}

TEST(SoundBank, EverySoundLoadsAndPlaysOnTheChannelOfItsIndex)
{
    ASSERT_TRUE(mixerOnDummy().isOn());
    std::filesystem::path folder = tempPath("bank-with-sounds");
    writeSoundBankFiles(folder);
    SoundBank& bank = SoundBank::instance();
    {
        WorkingFolder inGame(folder);
        bank.load();
    }
    std::set<SoundHandle> distinct(bank.handles.begin(), bank.handles.end() - 1);
    EXPECT_EQ(distinct.size(), 29u);
    EXPECT_EQ(distinct.count(noSound), 0u);
    EXPECT_NE(bank.handles[29], noSound);

    bank.play(5);
    bank.play(20);
    EXPECT_EQ(Mix_Playing(5), 1);
    EXPECT_EQ(Mix_Playing(20), 1);
    EXPECT_EQ(Mix_Playing(-1), 2);
    bank.play(-1);
    bank.play(29);
    bank.play(30);
    bank.playMusic(1);
    EXPECT_EQ(Mix_Playing(-1), 2);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
    bank.playMusic(0);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
}

TEST(SoundBank, MissingAndBrokenFilesStaySilentAndAreToldOnce)
{
    SoundMixer& mixer = mixerOnDummy();
    std::filesystem::path empty = tempPath("bank-without-sounds");
    std::filesystem::create_directories(empty);
    SoundBank& bank = SoundBank::instance();
    std::string broken = writeTempFile("broken.wav", {'R', 'I', 'F', 'F', 1, 2, 3});
    std::string good = writeTempFile("good.wav", levelWav(1000, framesIn(10)));

    testing::internal::CaptureStderr();
    {
        WorkingFolder inGame(empty);
        bank.load();
    }
    SoundHandle brokenSample = mixer.loadSample(broken.c_str());
    SoundHandle brokenStream = mixer.openLoopingStream(broken.c_str());
    SoundHandle nullName = mixer.loadSample(nullptr);
    std::string told = testing::internal::GetCapturedStderr();

    EXPECT_TRUE(std::all_of(bank.handles.begin(), bank.handles.end(), [](SoundHandle h) { return h == noSound; }));
    EXPECT_EQ(brokenSample, noSound);
    EXPECT_EQ(brokenStream, noSound);
    EXPECT_EQ(nullName, noSound);
    EXPECT_EQ(countLines(told), 1);
    EXPECT_NE(told.find("batsqueak01.mp3"), std::string::npos);

    for (int index = 0; index < 30; ++index)
        bank.play(index);
    bank.playMusic(0);
    SoundHandle sample = mixer.loadSample(good.c_str());
    ASSERT_NE(sample, noSound);
    mixer.playSample(channelCount, sample);
    mixer.playSample(-1, sample);
    mixer.playSample(0, sample + 1000);
    mixer.playStream(0, sample + 1000);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}
