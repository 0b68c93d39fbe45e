#include "app/FrameClock.h"
#include "app/FramePacer.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using Wake = FramePacer::Wake;

// Frames drawn as the pacer times them once they start at startMs, each as
// soon as its timer fires, plus lateMs; returns when the last of them came.
std::uint32_t drawFrames(FramePacer& pacer, std::uint32_t startMs, int frames, unsigned lateMs = 0)
{
    std::uint32_t nowMs = startMs;
    pacer.nextDelayMs(nowMs); // off schedule: the frame at the start comes at once
    unsigned delayMs = pacer.nextDelayMs(nowMs);
    for (int frame = 0; frame < frames; ++frame) {
        nowMs += delayMs + lateMs;
        delayMs = pacer.nextDelayMs(nowMs);
    }
    return nowMs;
}

}

TEST(FrameClock, PlaysTheTimeBetweenFramesButNotAPauseOrAStall)
{
    FrameClock clock(0xFFFFFFF0u);
    EXPECT_DOUBLE_EQ(clock.tick(0x10u), 0.032) << "across the counter's wrap";
    EXPECT_DOUBLE_EQ(clock.tick(0x10u), 0);
    clock.pause();
    EXPECT_DOUBLE_EQ(clock.tick(30'000), 0) << "hidden, or on a screen before play";
    EXPECT_DOUBLE_EQ(clock.tick(30'017), 0.017) << "and from there on as before";
    EXPECT_DOUBLE_EQ(clock.tick(31'017), 1.0) << "a slow frame still counts";
    EXPECT_DOUBLE_EQ(clock.tick(32'018), 0) << "a stall does not";
    EXPECT_DOUBLE_EQ(clock.tick(32'034), 0.016);
    clock.pause();
    clock.restart(40'000);
    EXPECT_DOUBLE_EQ(clock.tick(40'016), 0.016) << "from a restart";
}

TEST(FramePacer, PlayRunsOnTheTimerTheScreensRedrawOnlyOnAChangeAndAHiddenWindowNotAtAll)
{
    FramePacer pacer = FramePacer::paced(60);
    EXPECT_EQ(pacer.wake(false), Wake::Redraw);
    EXPECT_FALSE(pacer.frameDue(false)) << "no timer on the screens";
    EXPECT_EQ(pacer.wake(true), Wake::StartFrames);
    EXPECT_EQ(pacer.wake(true), Wake::Nothing) << "one timer, however much input";
    EXPECT_TRUE(pacer.frameDue(true));

    pacer.setVisible(false);
    EXPECT_EQ(pacer.wake(true), Wake::Nothing);
    EXPECT_EQ(pacer.wake(false), Wake::Nothing);
    EXPECT_FALSE(pacer.frameDue(true)) << "the timer lapses";
    pacer.setVisible(true);
    EXPECT_EQ(pacer.wake(true), Wake::StartFrames);

    FramePacer old = FramePacer::uncapped();
    EXPECT_TRUE(!old.timed() && old.frameDue(false) && old.frameDue(true)) << "every idle moment draws";
}

TEST(FramePacer, KeepsToTheRefreshRateThroughRoundingLatenessAndStalls)
{
    FramePacer pacer = FramePacer::paced(60);
    EXPECT_EQ(drawFrames(pacer, 0xFFFFF000u, 600), 0xFFFFF000u + 10'000) << "600 frames in 10 s, across the wrap";
    std::uint32_t start = 50'000;
    EXPECT_EQ(drawFrames(pacer, start, 600, 2) - start, 10'000u + 2) << "a frame a little late, the next one sooner";
    FramePacer fast = FramePacer::paced(144);
    EXPECT_EQ(drawFrames(fast, start, 144), start + 1000);
    start = drawFrames(pacer, start, 60) + 500; // a stall
    EXPECT_EQ(pacer.nextDelayMs(start), 0u) << "behind: the next frame at once";
    EXPECT_EQ(pacer.nextDelayMs(start + 5), 12u) << "then on a schedule from there, with no burst to catch up";
}
