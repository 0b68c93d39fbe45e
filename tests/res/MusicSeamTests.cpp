// The music as the game's mixer really plays it: looping for good through the
// sound layer, on SDL's "disk" driver told not to wait, so two turns of the
// loop are mixed in a moment and kept for inspection.
#include "audio/SoundBank.h"
#include "tools/sounds/DecodedSound.h"
#include "tests/support/TempDir.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {

constexpr int mixRate = 44100;
constexpr int channelCount = 30;
constexpr int musicChannel = 29;
constexpr int outputChannels = 2;
// Quieter than this counts as silence; no voice of the music rests that long.
constexpr int silentLevel = 64;
constexpr std::size_t longestSilentFrames = mixRate / 100;
// Decoding the same MP3 frames twice gives the same samples, give or take rounding.
constexpr int repeatTolerance = 2;
constexpr auto pollStep = std::chrono::milliseconds(20);
constexpr auto patience = std::chrono::seconds(60);

std::mutex mixedLock;
std::vector<std::int16_t> mixed;

void recordMix(void*, Uint8* stream, int length)
{
    const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
    std::lock_guard<std::mutex> hold(mixedLock);
    mixed.insert(mixed.end(), samples, samples + length / static_cast<int>(sizeof(std::int16_t)));
}

std::size_t framesMixed()
{
    std::lock_guard<std::mutex> hold(mixedLock);
    return mixed.size() / outputChannels;
}

void openMixerOnDisk()
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", tempPath("music-output.raw").c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "0", 1);
    SoundMixer::instance().init(mixRate, channelCount);
    Mix_SetPostMix(recordMix, nullptr);
}

std::size_t firstSoundingFrame(const std::vector<std::int16_t>& samples)
{
    for (std::size_t i = 0; i < samples.size(); ++i)
        if (samples[i] != 0)
            return i / outputChannels;
    return samples.size() / outputChannels;
}

std::size_t longestQuietRun(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to)
{
    std::size_t longest = 0;
    std::size_t run = 0;
    for (std::size_t frame = from; frame < to; ++frame) {
        bool quiet = std::abs(samples[2 * frame]) < silentLevel && std::abs(samples[2 * frame + 1]) < silentLevel;
        run = quiet ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

int largestRepeatDifference(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t period)
{
    int largest = 0;
    for (std::size_t i = from * outputChannels; i < (from + period) * outputChannels; ++i)
        largest = std::max(largest, std::abs(samples[i] - samples[i + period * outputChannels]));
    return largest;
}

}

TEST(ShippedMusic, LoopsWithoutAGapOrAClickAsTheMixerPlaysIt)
{
    openMixerOnDisk();
    ASSERT_TRUE(SoundMixer::instance().isOn()) << "the disk audio device did not open";
    std::size_t loopFrames = decodeWithMixer(soundFileName(musicIndex)).frames();
    ASSERT_GT(loopFrames, 0u);

    SoundHandle music = SoundMixer::instance().openLoopingStream(soundFileName(musicIndex).c_str());
    ASSERT_NE(music, noSound);
    {
        // The driver has been mixing silence as fast as it can while we decoded.
        std::lock_guard<std::mutex> hold(mixedLock);
        mixed.clear();
    }
    SoundMixer::instance().playStream(musicChannel, music);
    auto giveUp = std::chrono::steady_clock::now() + patience;
    while (framesMixed() < 2 * loopFrames + mixRate && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(pollStep);
    Mix_HaltMusic();
    // The audio thread runs on after the test; it must stop touching the record.
    Mix_SetPostMix(nullptr, nullptr);
    std::vector<std::int16_t> heard;
    {
        std::lock_guard<std::mutex> hold(mixedLock);
        heard = mixed;
    }
    std::size_t start = firstSoundingFrame(heard);
    ASSERT_GE(heard.size() / outputChannels, start + 2 * loopFrames) << "the mixer fell behind";

    // The second turn repeats the first exactly, one file length later: the
    // stream adds no encoder delay or padding between turns...
    EXPECT_LE(largestRepeatDifference(heard, start, loopFrames), repeatTolerance);
    // ...no silence anywhere, the seam included...
    EXPECT_LT(longestQuietRun(heard, start, start + 2 * loopFrames), longestSilentFrames);
    // ...and the join is no bigger a jump than the music makes within itself.
    std::size_t seam = start + loopFrames;
    EXPECT_LE(largestStep(heard, outputChannels, seam - 1, seam + 1),
              largestStep(heard, outputChannels, start, seam - 1));
}
