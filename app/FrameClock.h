#pragma once

#include <cstdint>

// Seconds between two readings of the toolkit's millisecond clock, right across
// a wrap of its 32-bit counter.
double elapsedSeconds(std::uint32_t nowMs, std::uint32_t lastMs);

// The time between frames of play, read from the toolkit's millisecond clock.
// Time the game was not running for (the window hidden, the screens before play,
// an event loop that stalled) is not game time: after a pause the clock starts
// again from the frame that follows it.
class FrameClock {
public:
    explicit FrameClock(std::uint32_t nowMs) : lastMs_(nowMs) {}

    // Seconds since the last tick; none for the first tick after a pause, or
    // when the gap is so long that the loop itself must have stalled.
    double tick(std::uint32_t nowMs);

    // The time from now to the next tick is not played.
    void pause() { paused_ = true; }

    // The next tick measures from nowMs.
    void restart(std::uint32_t nowMs)
    {
        lastMs_ = nowMs;
        paused_ = false;
    }

    // A gap longer than this is never a frame of play, however slow the machine.
    static constexpr double stallSeconds = 1.0;

private:
    std::uint32_t lastMs_;
    bool paused_ = false;
};
