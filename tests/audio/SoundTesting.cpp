#include "tests/audio/SoundTesting.h"

#include "audio/SoundBank.h"
#include "tests/support/TempDir.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <sstream>
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
    constexpr std::uint16_t frameBytes = sizeof level;
    constexpr std::uint32_t headerBytesAfterSize = 36;
    constexpr std::uint32_t formatBytes = 16;
    constexpr std::uint16_t pcm = 1;
    constexpr std::uint16_t mono = 1;
    std::uint32_t dataBytes = static_cast<std::uint32_t>(framesIn(milliseconds)) * frameBytes;
    std::ostringstream out;
    auto put = [&out](auto value) { out.write(reinterpret_cast<const char*>(&value), sizeof value); };
    out << "RIFF";
    put(headerBytesAfterSize + dataBytes);
    out << "WAVEfmt ";
    put(formatBytes), put(pcm), put(mono), put(std::uint32_t{res::mixRate}), put(std::uint32_t{res::mixRate * frameBytes});
    put(frameBytes), put(std::uint16_t{8 * frameBytes});
    out << "data";
    put(dataBytes);
    for (int i = 0; i < framesIn(milliseconds); ++i)
        put(level);
    std::string bytes = out.str();
    return writeTempFile(name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
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
