#pragma once

#include <algorithm>

// 0 below edge0, 1 above edge1 and an S-shaped ease between them.
inline float smoothStep(float edge0, float edge1, float value)
{
    float t = std::clamp((value - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}
