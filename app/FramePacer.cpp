#include "app/FramePacer.h"

#include <algorithm>
#include <cmath>

FramePacer::Wake FramePacer::wake(bool playing)
{
    if (!visible_)
        return Wake::Nothing;
    if (!playing || !timed())
        return Wake::Redraw;
    if (timerRunning_)
        return Wake::Nothing;
    timerRunning_ = true;
    return Wake::StartFrames;
}

bool FramePacer::frameDue(bool playing)
{
    if (!timed())
        return true;
    timerRunning_ = playing && visible_;
    return timerRunning_;
}

unsigned FramePacer::nextDelayMs(std::uint32_t nowMs)
{
    double lateMs = static_cast<std::int32_t>(nowMs - dueMs_) - dueFractionMs_;
    if (std::abs(lateMs) >= periodMs_) {
        dueMs_ = nowMs;
        dueFractionMs_ = 0;
        return 0;
    }
    double nextDue = dueFractionMs_ + periodMs_;
    double wholeMs = std::floor(nextDue);
    dueMs_ += static_cast<std::uint32_t>(wholeMs);
    dueFractionMs_ = nextDue - wholeMs;
    return static_cast<unsigned>(std::lround(std::max(0.0, periodMs_ - lateMs)));
}
