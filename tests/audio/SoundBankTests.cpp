// The bank and the mixer on SDL's "dummy" driver: a device that mixes and
// throws the result away, as on a machine whose sound is muted. Run from the
// game's folder, the bank loads the shipped sounds.
#include "audio/SoundBank.h"
#include "tests/audio/SoundTesting.h"
#include "tests/support/TempDir.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <set>

namespace {

SoundBank& loadedBank()
{
    static SoundBank& bank = [] () -> SoundBank& {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        SoundBank::instance().load();
        SoundBank::instance().finishLoading();
        return SoundBank::instance();
    }();
    return bank;
}

}

TEST(SoundBank, LoadsEverySoundAndPlaysEachOnTheChannelOfItsIndex)
{
    SoundBank& bank = loadedBank();
    ASSERT_TRUE(SoundMixer::instance().isOn());
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "a game nobody can stop with kill or Ctrl-C";
    }
    for (auto [index, name] : {std::pair{0, res::squeakFile(1)}, {firstWinSound - 1, res::squeakFile(res::squeakCount)},
                               {firstWinSound, res::winSoundFile(1)}, {musicIndex - 1, res::winSoundFile(res::winSoundCount)},
                               {musicIndex, std::string(res::musicFile)}, {-1, ""}, {soundCount, ""}})
        EXPECT_EQ(soundFileName(index), name) << index;
    std::set<SoundHandle> samples(bank.handles.begin(), bank.handles.begin() + musicIndex);
    EXPECT_EQ(samples.size(), static_cast<std::size_t>(musicIndex));
    EXPECT_EQ(samples.count(noSound), 0u);
    EXPECT_NE(bank.handles[musicIndex], noSound);

    for (int index : {5, firstWinSound + 4, -1, musicIndex, soundCount})
        bank.play(index);
    bank.playMusic(1);
    EXPECT_EQ(std::make_tuple(Mix_Playing(5), Mix_Playing(firstWinSound + 4), Mix_Playing(-1), Mix_PlayingMusic()),
              std::make_tuple(1, 1, 2, 0));
    bank.playMusic(0);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
}

TEST(SoundMixer, StaysSilentForMissingAndBrokenFilesAndTellsOnlyTheFirst)
{
    SoundMixer& mixer = SoundMixer::instance();
    loadedBank();
    std::string broken = writeTempFile("broken.wav", {'R', 'I', 'F', 'F', 1, 2, 3});
    // A whole little MIDI song: one note. The music is opened as MP3 only.
    std::string song = writeTempFile("song.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k',
                                                  0, 0, 0, 12, 0, 0x90, 60, 100, 96, 0x80, 60, 0, 0, 0xFF, 0x2F, 0});
    std::vector<SoundHandle> handles;
    const std::string& told = toldSoFar([&] {
        handles = {mixer.loadSample(tempPath("missing.wav").c_str()), mixer.loadSample(broken.c_str()),
                   mixer.openLoopingStream(broken.c_str()), mixer.loadSample(nullptr),
                   mixer.openLoopingStream(song.c_str()), mixer.openLoopingStream(levelWavFile("wave.wav", 1, 10).c_str())};
    });
    EXPECT_EQ(handles, std::vector<SoundHandle>(6, noSound));
    EXPECT_EQ(std::count(told.begin(), told.end(), '\n'), 1);
    EXPECT_NE(told.find("missing.wav"), std::string::npos) << told;

    SoundHandle sample = mixer.loadSample(levelWavFile("good.wav", 1000, 10).c_str());
    ASSERT_NE(sample, noSound);
    mixer.playSample(soundCount, sample);
    mixer.playSample(-1, sample);
    mixer.playSample(0, sample + 1000);
    mixer.playStream(0, sample + 1000);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}
