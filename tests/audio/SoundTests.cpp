// The sound layer on SDL's "dummy" driver, which mixes in real time, from the game's folder with its sounds.
#include "audio/SoundBank.h"
#include "tests/support/TempDir.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <tuple>

namespace {

// The mixer's thread runs late on a loaded machine: wait for what is checked, far longer than any sound here.
template <typename Condition>
bool waitFor(Condition holds)
{
    auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (; !holds(); std::this_thread::sleep_for(std::chrono::milliseconds(2)))
        if (std::chrono::steady_clock::now() > giveUp)
            return false;
    return true;
}

SoundBank& loadedBank()
{
    static SoundBank& bank = []() -> SoundBank& {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        SoundBank::instance().load();
        SoundBank::instance().finishLoading();
        return SoundBank::instance();
    }();
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    return bank;
}

}

// Each sample sounds once on the channel of its index, cut off by another started there; the music loops apart.
TEST(SoundBank, PlaysEachSoundOnceOnTheChannelOfItsIndexAndLoopsTheMusic)
{
    SoundBank& bank = loadedBank();
    // The mixer leaves the stop signals to the game: caught, they would not stop it. Ignored is as it was handed
    // down (a shell starting a program in the background ignores SIGINT for it).
    for (int signal : {SIGTERM, SIGINT}) {
        auto handler = std::signal(signal, SIG_DFL);
        EXPECT_TRUE(handler == SIG_DFL || handler == SIG_IGN) << signal;
    }
    for (auto [index, name] :
         {std::pair{0, res::squeakFile(1)}, {firstWinSound - 1, res::squeakFile(res::squeakCount)},
          {firstWinSound, res::winSoundFile(1)}, {musicIndex - 1, res::winSoundFile(res::winSoundCount)},
          {musicIndex, std::string(res::musicFile)}, {-1, ""}, {soundCount, ""}})
        EXPECT_EQ(soundFileName(index), name) << index;
    constexpr int win = firstWinSound + 4;
    for (int index : {5, win, -1, musicIndex, soundCount})
        bank.play(index);
    Mix_Chunk* squeak = Mix_GetChunk(5);
    SoundMixer::instance().playSample(5, bank.handles[6]);
    bank.playMusic(1);
    ASSERT_EQ(std::make_tuple(Mix_Playing(5), Mix_Playing(win), Mix_Playing(-1), Mix_PlayingMusic()),
              std::make_tuple(1, 1, 2, 0));
    EXPECT_NE(Mix_GetChunk(5), squeak);
    bank.playMusic(0);
    ASSERT_EQ(Mix_SetMusicPosition(Mix_MusicDuration(nullptr) - 0.05), 0);
    EXPECT_TRUE(waitFor([] { return Mix_Playing(win) == 0; })) << "the win sound ends by itself";
    // Set 0.05 s before its end, it is back near its start once it has looped.
    EXPECT_TRUE(waitFor([] { return Mix_GetMusicPosition(nullptr) < Mix_MusicDuration(nullptr) - 1; }))
        << "the music reaches its end";
    EXPECT_EQ(Mix_PlayingMusic(), 1) << "and starts again";
}

// A WAV of 16-bit mono silence, its RIFF size short by the lie: each field little-endian, in so many bytes.
std::vector<std::uint8_t> wavFile(std::uint32_t dataBytes, std::uint32_t lie = 0)
{
    auto tag = [](const char* name) {
        return static_cast<std::uint32_t>(name[0] | name[1] << 8 | name[2] << 16 | name[3] << 24);
    };
    const std::pair<std::uint32_t, int> fields[] = {
        {tag("RIFF"), 4}, {36 + dataBytes - lie, 4}, {tag("WAVE"), 4}, {tag("fmt "), 4}, {16, 4}, {1, 2}, {1, 2},
        {res::mixRate, 4}, {2 * res::mixRate, 4}, {2, 2}, {16, 2}, {tag("data"), 4}, {dataBytes, 4}};
    std::vector<std::uint8_t> file;
    for (auto [word, bytes] : fields)
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<std::uint8_t>(word >> 8 * i));
    file.resize(file.size() + dataBytes);
    return file;
}

// A file that cannot be used stays silent, told in one line with its folder and why: a sample must fit its header.
TEST(SoundMixer, StaysSilentForEveryFileItCannotUseAndSaysWhyOneLineEach)
{
    SoundBank& bank = loadedBank();
    SoundMixer& mixer = SoundMixer::instance();
    EXPECT_NE(mixer.loadSample(writeTempFile("good.wav", wavFile(4)).c_str()), noSound);
    std::ifstream squeak(res::squeakFile(1), std::ios::binary);
    std::vector<std::uint8_t> grownSqueak(std::istreambuf_iterator<char>(squeak), {});
    grownSqueak.resize(grownSqueak.size() + 1000);
    // A whole little MIDI song: one note. The music is opened as MP3 only.
    std::string song = writeTempFile("song.mid", {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k',
                                                  0, 0, 0, 12, 0, 0x90, 60, 100, 96, 0x80, 60, 0, 0, 0xFF, 0x2F, 0});
    std::vector<std::uint8_t> truncated = wavFile(100);
    truncated.resize(60);
    const std::tuple<const char*, std::string, const char*> samples[] = {
        {"sound", writeTempFile("huge.wav", wavFile(64 * 1024)), "too large: 65580 bytes, over the 64 KiB it may be"},
        {"sound", writeTempFile("lying.wav", wavFile(1000, 996)), "larger than its header says (48 bytes)"},
        {"sound", writeTempFile("grown.mp3", grownSqueak), "larger than its header says (2194 bytes)"},
        {"sound", writeTempFile("truncated.wav", truncated), "truncated (its header says 144 bytes)"},
        {"sound", song, "not an MP3 or WAV sound"},
        {"music", song, "not an MP3 sound"},
    };
    for (const auto& [kind, path, reason] : samples) {
        testing::internal::CaptureStderr();
        bool music = std::string(kind) == "music";
        SoundHandle handle = music ? mixer.openLoopingStream(path.c_str()) : mixer.loadSample(path.c_str());
        std::filesystem::path file(path);
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "Vorlund!: cannot use the " + std::string(kind) + " " + file.filename().string() + " in "
                      + file.parent_path().string() + ": " + reason + "\n");
        EXPECT_EQ(handle, noSound) << path;
    }
    // Good sounds on no channel, and sounds never loaded, stay silent.
    mixer.playSample(soundCount, bank.handles[0]);
    mixer.playSample(-1, bank.handles[0]);
    mixer.playSample(0, soundCount + 1000);
    mixer.playStream(-1, bank.handles[musicIndex]);
    mixer.playStream(0, soundCount + 1000);
    EXPECT_EQ(std::make_tuple(Mix_Playing(-1), Mix_PlayingMusic()), std::make_tuple(0, 0));
}
