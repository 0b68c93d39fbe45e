// The mixer against SDL's "disk" driver, which mixes in real time as a sound
// card plays.
#include "audio/SoundBank.h"
#include "tests/audio/SoundTesting.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

// A squeak must follow the click at once.
constexpr int latestStartMilliseconds = 12;
constexpr int soundMilliseconds = 100;
constexpr int listenMilliseconds = 150;
constexpr int levelTolerance = 4;

// How many frames of the left channel are at the level, and the first of them.
std::pair<long, long> framesAtLevel(const std::vector<std::int16_t>& heard, int level)
{
    std::pair<long, long> found{0, -1};
    for (std::size_t frame = 0; 2 * frame < heard.size(); ++frame) {
        if (std::abs(heard[2 * frame] - level) <= levelTolerance) {
            found.second = found.first == 0 ? static_cast<long>(frame) : found.second;
            ++found.first;
        }
    }
    return found;
}

class DiskOutput : public testing::Test {
protected:
    void SetUp() override
    {
        openMixerOnDisk(true);
        ASSERT_TRUE(mixer.isOn());
        Mix_HaltChannel(-1);
        Mix_HaltMusic();
    }
    SoundHandle levelSample(std::int16_t level)
    {
        return mixer.loadSample(levelWavFile("level.wav", level, soundMilliseconds).c_str());
    }
    SoundMixer& mixer = SoundMixer::instance();
};

}

TEST_F(DiskOutput, MixesAtTheGamesRateAndASampleStartsInTheNextFewMilliseconds)
{
    std::tuple<int, Uint16, int> spec;
    ASSERT_EQ(Mix_QuerySpec(&std::get<0>(spec), &std::get<1>(spec), &std::get<2>(spec)), 1);
    EXPECT_EQ(spec, std::make_tuple(res::mixRate, Uint16{AUDIO_S16SYS}, 2));

    SoundHandle squeak = levelSample(7000);
    ASSERT_NE(squeak, noSound);
    auto heard = heardWhile([&] { mixer.playSample(0, squeak); }, framesIn(listenMilliseconds));
    auto [frames, start] = framesAtLevel(heard, 7000);
    EXPECT_GE(start, 0);
    EXPECT_LE(start, framesIn(latestStartMilliseconds));
    EXPECT_LE(largestMixBufferFrames(), static_cast<std::size_t>(framesIn(latestStartMilliseconds)));
    EXPECT_GE(frames, framesIn(soundMilliseconds - 10));
    EXPECT_EQ(Mix_Playing(-1), 0) << "a sample sounds once";
}

TEST_F(DiskOutput, DifferentChannelsSoundTogetherAndOneChannelCutsItselfOff)
{
    SoundHandle low = levelSample(6000);
    SoundHandle high = levelSample(9000);
    auto together = heardWhile([&] { mixer.playSample(3, low), mixer.playSample(20, high); },
                               framesIn(listenMilliseconds));
    EXPECT_GE(framesAtLevel(together, 15000).first, framesIn(soundMilliseconds - 10));

    SoundHandle first = levelSample(2000);
    SoundHandle second = levelSample(3000);
    auto restarted = heardWhile([&] { mixer.playSample(5, first), mixer.playSample(5, second); },
                                framesIn(listenMilliseconds));
    EXPECT_GE(framesAtLevel(restarted, 3000).first, framesIn(soundMilliseconds - 10));
    EXPECT_EQ(framesAtLevel(restarted, 5000).first, 0);
}
