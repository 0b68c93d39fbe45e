#include "tests/audio/SoundTesting.h"

#include "audio/SoundBank.h"
#include "tests/support/TempDir.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

constexpr int outputChannels = 2;
constexpr auto pollStep = std::chrono::milliseconds(10);
constexpr auto patience = std::chrono::seconds(60); // only guards against a hang

// What the mixer mixes while a test listens. The audio thread runs until the
// process is gone, so the record is never destroyed.
struct Recording {
    std::mutex lock;
    bool listening = false;
    std::vector<std::int16_t> samples;
    std::size_t largestBuffer = 0;
};

Recording& recording()
{
    static Recording* record = new Recording();
    return *record;
}

void recordMix(void*, Uint8* stream, int length)
{
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    Recording& record = recording();
    std::lock_guard<std::mutex> hold(record.lock);
    record.largestBuffer = std::max(record.largestBuffer, static_cast<std::size_t>(length) / sizeof(std::int16_t));
    if (record.listening)
        record.samples.insert(record.samples.end(), samples, samples + length / sizeof(std::int16_t));
}

}

std::string levelWavFile(const std::string& name, std::int16_t level, int milliseconds)
{
    std::vector<std::uint8_t> out;
    auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    auto tag = [&out](const char* fourLetters) { out.insert(out.end(), fourLetters, fourLetters + 4); };
    constexpr std::uint32_t frameBytes = sizeof level;
    std::uint32_t dataBytes = static_cast<std::uint32_t>(framesIn(milliseconds)) * frameBytes;
    tag("RIFF");
    put(dataBytes + 36, 4); // the bytes after this field
    tag("WAVE");
    tag("fmt ");
    put(16, 4); // the format's size: PCM, one channel, the rate, bytes a second and a frame, bits
    put(1, 2);
    put(1, 2);
    put(res::mixRate, 4);
    put(res::mixRate * frameBytes, 4);
    put(frameBytes, 2);
    put(8 * frameBytes, 2);
    tag("data");
    put(dataBytes, 4);
    for (int i = 0; i < framesIn(milliseconds); ++i)
        put(static_cast<std::uint16_t>(level), 2);
    return writeTempFile(name, out);
}

int framesIn(int milliseconds)
{
    return res::mixRate * milliseconds / 1000;
}

void openMixerOnDisk(bool realTime)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", tempPath("mixed.raw").c_str(), 1);
    if (!realTime)
        setenv("SDL_DISKAUDIODELAY", "0", 1);
    if (SoundMixer::instance().init(res::mixRate, soundCount))
        Mix_SetPostMix(recordMix, nullptr);
}

std::vector<std::int16_t> heardWhile(const std::function<void()>& start, std::size_t frames)
{
    Recording& record = recording();
    {
        std::lock_guard<std::mutex> hold(record.lock);
        record.samples.clear();
        record.listening = true;
    }
    start();
    auto heardEnough = [&record, frames] {
        std::lock_guard<std::mutex> hold(record.lock);
        return record.samples.size() >= frames * outputChannels;
    };
    auto giveUp = std::chrono::steady_clock::now() + patience;
    while (!heardEnough() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(pollStep);
    std::lock_guard<std::mutex> hold(record.lock);
    record.listening = false;
    return std::move(record.samples);
}

std::size_t largestMixBufferFrames()
{
    std::lock_guard<std::mutex> hold(recording().lock);
    return recording().largestBuffer / outputChannels;
}

const std::string& toldSoFar(const std::function<void()>& action)
{
    static std::string told;
    testing::internal::CaptureStderr();
    action();
    told += testing::internal::GetCapturedStderr();
    return told;
}
