// The music as the game's mixer really plays it: looping for good through the
// sound layer, on SDL's "disk" driver told not to wait, so two turns of the
// loop are mixed in a moment.
#include "audio/SoundBank.h"
#include "tests/audio/SoundTesting.h"
#include "tools/sounds/DecodedSound.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int outputChannels = 2;
// Quieter than this counts as silence; no voice of the music rests that long.
constexpr int silentLevel = 64;
constexpr std::size_t longestSilentFrames = res::mixRate / 100;
// Decoding the same MP3 frames twice gives the same samples, give or take rounding.
constexpr int repeatTolerance = 2;

}

TEST(ShippedMusic, LoopsWithoutAGapOrAClickAsTheMixerPlaysIt)
{
    openMixerOnDisk(false);
    ASSERT_TRUE(SoundMixer::instance().isOn()) << "the disk audio device did not open";
    std::size_t loopFrames = decodeWithMixer(soundFileName(musicIndex)).frames();
    ASSERT_GT(loopFrames, 0u);
    SoundHandle music = SoundMixer::instance().openLoopingStream(soundFileName(musicIndex).c_str());
    ASSERT_NE(music, noSound);
    std::vector<std::int16_t> heard = heardWhile([music] { SoundMixer::instance().playStream(musicIndex, music); },
                                                 2 * loopFrames + res::mixRate);
    Mix_HaltMusic();
    auto sounding = std::find_if(heard.begin(), heard.end(), [](std::int16_t sample) { return sample != 0; });
    std::size_t start = static_cast<std::size_t>(sounding - heard.begin()) / outputChannels;
    ASSERT_GE(heard.size() / outputChannels, start + 2 * loopFrames) << "the mixer fell behind";

    // The second turn repeats the first exactly, one file length later: the
    // stream adds no encoder delay or padding between turns...
    int largestRepeatDifference = 0;
    for (std::size_t i = start * outputChannels; i < (start + loopFrames) * outputChannels; ++i)
        largestRepeatDifference =
            std::max(largestRepeatDifference, std::abs(heard[i] - heard[i + loopFrames * outputChannels]));
    EXPECT_LE(largestRepeatDifference, repeatTolerance);
    // ...no silence anywhere, the seam included...
    std::size_t quietRun = 0;
    for (std::size_t frame = start; frame < start + 2 * loopFrames; ++frame) {
        bool quiet = std::abs(heard[2 * frame]) < silentLevel && std::abs(heard[2 * frame + 1]) < silentLevel;
        quietRun = quiet ? quietRun + 1 : 0;
        EXPECT_LT(quietRun, longestSilentFrames) << "silent at frame " << frame;
        if (quietRun >= longestSilentFrames)
            break;
    }
    // ...and the join is no bigger a jump than the music makes within itself.
    std::size_t seam = start + loopFrames;
    EXPECT_LE(largestStep(heard, outputChannels, seam - 1, seam + 1),
              largestStep(heard, outputChannels, start, seam - 1));
}
