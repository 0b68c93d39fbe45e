#include "app/FrameClock.h"

double elapsedSeconds(std::uint32_t nowMs, std::uint32_t lastMs)
{
    return static_cast<std::uint32_t>(nowMs - lastMs) * 0.001;
}

double FrameClock::tick(std::uint32_t nowMs)
{
    double seconds = elapsedSeconds(nowMs, lastMs_);
    bool resuming = paused_ || seconds > stallSeconds;
    lastMs_ = nowMs;
    paused_ = false;
    return resuming ? 0 : seconds;
}
