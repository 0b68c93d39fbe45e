// The mixer against SDL's "disk" driver, which writes the mixed output to a
// file as a sound card would play it, in real time.
#include "audio/SoundMixer.h"
#include "tests/audio/SoundFiles.h"
#include "tests/support/TempDir.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <thread>

namespace {

constexpr int mixRate = 44100;
constexpr int channelCount = 30;
constexpr int musicChannel = 29;
constexpr int outputChannels = 2;
constexpr int levelTolerance = 4;
constexpr int mixBufferFrames = 512;
constexpr auto pollStep = std::chrono::milliseconds(10);
constexpr auto patience = std::chrono::seconds(5);

bool isLevel(std::int16_t sample, int level)
{
    return std::abs(sample - level) <= levelTolerance;
}

// Every mixed frame's left sample, so a test knows exactly how far the mix
// had got when it asked for a sound. The audio thread keeps mixing until the
// process is gone, so the record is never destroyed.
struct MixRecord {
    std::mutex lock;
    std::vector<std::int16_t> left;
};

MixRecord& mixRecord()
{
    static MixRecord* record = new MixRecord();
    return *record;
}

void recordMix(void*, Uint8* stream, int length)
{
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    std::size_t count = static_cast<std::size_t>(length) / sizeof(std::int16_t);
    MixRecord& record = mixRecord();
    std::lock_guard<std::mutex> hold(record.lock);
    for (std::size_t i = 0; i < count; i += outputChannels)
        record.left.push_back(samples[i]);
}

std::size_t framesMixed()
{
    MixRecord& record = mixRecord();
    std::lock_guard<std::mutex> hold(record.lock);
    return record.left.size();
}

// Frames from the given mixed frame to the first one at the level.
long framesUntilLevel(std::size_t from, int level)
{
    MixRecord& record = mixRecord();
    std::lock_guard<std::mutex> hold(record.lock);
    auto start = record.left.begin() + static_cast<long>(from);
    auto onset = std::find_if(start, record.left.end(), [level](std::int16_t s) { return isLevel(s, level); });
    return onset == record.left.end() ? -1 : onset - start;
}

const std::string& outputPath()
{
    static const std::string path = tempPath("mixed-output.raw");
    return path;
}

SoundMixer& mixerOnDisk()
{
    static bool started = false;
    if (!started) {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", outputPath().c_str(), 1);
        SoundMixer::instance().init(mixRate, channelCount);
        Mix_SetPostMix(recordMix, nullptr);
        started = true;
    }
    return SoundMixer::instance();
}

SoundHandle levelSample(const std::string& name, std::int16_t level, int milliseconds)
{
    return mixerOnDisk().loadSample(writeTempFile(name, levelWav(level, framesIn(milliseconds))).c_str());
}

std::vector<std::int16_t> outputLeft()
{
    std::ifstream in(outputPath(), std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::int16_t> left;
    const std::size_t frameBytes = outputChannels * sizeof(std::int16_t);
    for (std::size_t at = 0; at + frameBytes <= bytes.size(); at += frameBytes) {
        std::int16_t sample;
        std::copy_n(&bytes[at], sizeof sample, reinterpret_cast<char*>(&sample));
        left.push_back(sample);
    }
    return left;
}

long countAtLevel(const std::vector<std::int16_t>& samples, int level)
{
    return std::count_if(samples.begin(), samples.end(), [level](std::int16_t s) { return isLevel(s, level); });
}

// Polls until the check holds; the deadline only guards against a hang.
bool eventually(const std::function<bool()>& check)
{
    for (auto end = std::chrono::steady_clock::now() + patience; std::chrono::steady_clock::now() < end;) {
        if (check())
            return true;
        std::this_thread::sleep_for(pollStep);
    }
    return check();
}

bool outputHasLevel(int level, long atLeast = 1)
{
    return eventually([&] { return countAtLevel(outputLeft(), level) >= atLeast; });
}

}

TEST(DiskOutput, SampleStartsInTheNextMixBuffer)
{
    SoundMixer& mixer = mixerOnDisk();
    ASSERT_TRUE(mixer.isOn());
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
    EXPECT_EQ(frequency, mixRate);
    EXPECT_EQ(format, AUDIO_S16SYS);
    EXPECT_EQ(channels, outputChannels);

    SoundHandle squeak = levelSample("squeak.wav", 7000, 100);
    ASSERT_NE(squeak, noSound);
    ASSERT_TRUE(eventually([] { return framesMixed() > 0; }));
    std::size_t askedAt = framesMixed();
    mixer.playSample(0, squeak);
    ASSERT_TRUE(eventually([&] { return framesMixed() > askedAt + framesIn(100); }));

    long startFrames = framesUntilLevel(askedAt, 7000);
    EXPECT_GE(startFrames, 0);
    EXPECT_LE(startFrames, mixBufferFrames);
    EXPECT_TRUE(outputHasLevel(7000, framesIn(90)));
}

TEST(DiskOutput, DifferentChannelsSoundTogetherAndOneChannelCutsItselfOff)
{
    SoundMixer& mixer = mixerOnDisk();
    SoundHandle low = levelSample("low.wav", 6000, 100);
    SoundHandle high = levelSample("high.wav", 9000, 100);
    mixer.playSample(3, low);
    mixer.playSample(20, high);
    EXPECT_TRUE(outputHasLevel(15000, framesIn(90)));
    ASSERT_TRUE(eventually([] { return Mix_Playing(-1) == 0; }));

    SoundHandle first = levelSample("first.wav", 2000, 100);
    SoundHandle second = levelSample("second.wav", 3000, 100);
    mixer.playSample(5, first);
    mixer.playSample(5, second);
    EXPECT_TRUE(outputHasLevel(3000, framesIn(90)));
    EXPECT_EQ(countAtLevel(outputLeft(), 5000), 0);
}

TEST(DiskOutput, MusicLoopsPastTheEndOfItsFile)
{
    SoundMixer& mixer = mixerOnDisk();
    constexpr int musicMilliseconds = 50;
    SoundHandle music = mixer.openLoopingStream(
        writeTempFile("music.wav", levelWav(4000, framesIn(musicMilliseconds))).c_str());
    ASSERT_NE(music, noSound);
    mixer.playStream(musicChannel, music);
    EXPECT_TRUE(outputHasLevel(4000, 4L * framesIn(musicMilliseconds)));
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    Mix_HaltMusic();
}
