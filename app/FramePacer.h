#pragma once

#include <cstdint>

// When the game draws and how long it waits in between, apart from the window
// so that the rules can be tried without one. Play is drawn on a timer at the
// display's refresh rate while the window shows; the screens before play only
// when something changes; a hidden window not at all, with no timer left
// ticking. Between frames the process sleeps in the toolkit's event wait.
// The uncapped pacer is the old loop, for measuring what pacing saves: every
// moment the toolkit is idle draws another frame, screens included.
class FramePacer {
public:
    static FramePacer paced(double framesPerSecond) { return FramePacer(framesPerSecond); }
    static FramePacer uncapped() { return FramePacer(0); }

    // Frames a second where the display's own rate cannot be read.
    static constexpr double usualRefreshRate = 60;

    // What to do when something may have changed the picture.
    enum class Wake { Nothing, Redraw, StartFrames };

    bool timed() const { return periodMs_ > 0; }
    bool visible() const { return visible_; }

    // The window was minimised, unmapped or fully covered, or shown again.
    void setVisible(bool visible) { visible_ = visible; }

    // Input, a resize or the window shown again: the screens are redrawn once,
    // play gets its frame timer going if it is not already.
    Wake wake(bool playing);

    // The frame timer fired (or the toolkit went idle): whether to draw a frame
    // and, timed, set the timer again. No frame lets the timer lapse.
    bool frameDue(bool playing);

    // Milliseconds from nowMs, when a frame is drawn, to the next frame: the
    // frames keep to a steady schedule whatever each one's rounding. A frame a
    // whole period or more behind (after a stall, or on a machine too busy to
    // keep up) is followed by the next as soon as the loop is free, and the
    // schedule starts again from that one: no sleep while behind, no burst.
    unsigned nextDelayMs(std::uint32_t nowMs);

private:
    explicit FramePacer(double framesPerSecond) : periodMs_(framesPerSecond > 0 ? 1000 / framesPerSecond : 0) {}

    double periodMs_;
    bool visible_ = true;
    bool timerRunning_ = false;
    std::uint32_t dueMs_ = 0;
    double dueFractionMs_ = 0;
};
