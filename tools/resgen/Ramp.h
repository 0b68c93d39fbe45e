#pragma once

#include "Angles.h"

#include <cmath>

// A raised-cosine rise from 0 to 1 over the given seconds: the smooth fade
// every sound starts and ends with, so none begins or stops with a click.
inline float ramp(double t, double duration)
{
    if (t <= 0)
        return 0;
    if (t >= duration)
        return 1;
    return static_cast<float>(0.5 - 0.5 * std::cos(pi * t / duration));
}
