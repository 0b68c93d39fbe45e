#include "CloudPicture.h"

#include "Smooth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int cloudWidth = 256;
constexpr int cloudHeight = 128;
// The game stretches the picture over quads that reach past the playing field,
// and scenery clouds in front of the structure loom wider still as the camera
// draws back: a cloud drawn to the picture's edges shows as a grey smudge over
// the black beyond the field. So the cloud keeps clear of the edges, most of
// all at the sides, where it also thins out into wisps, and every texel near
// an edge is fully transparent.
constexpr float clearSides = 0.18f * cloudWidth;
constexpr float clearTopAndBottom = 0.06f * cloudHeight;
constexpr float thinningSides = 0.22f * cloudWidth;
// The puffs melt into one another: each adds a bump of density that falls to
// nothing at its rim, and the cloud fades in over this range of total density.
constexpr float clearBelow = 0.12f;
constexpr float solidAbove = 0.75f;

// The puffs, in the unit square of the picture: centre and radii.
struct Puff {
    float u, v, radiusU, radiusV;
};
constexpr Puff puffs[] = {
    {0.50f, 0.63f, 0.43f, 0.22f}, // the flat base
    {0.32f, 0.50f, 0.19f, 0.32f}, {0.52f, 0.40f, 0.22f, 0.33f}, {0.71f, 0.50f, 0.18f, 0.28f},
    {0.17f, 0.62f, 0.12f, 0.19f}, {0.84f, 0.63f, 0.11f, 0.18f},
};

const Colour cloudTop = hexColour(0xffffff);
const Colour cloudBelly = hexColour(0xd5e1ef);

// Opacity at a point of the unit square.
float cover(float u, float v)
{
    float density = 0;
    for (const Puff& puff : puffs) {
        float du = (u - puff.u) / puff.radiusU;
        float dv = (v - puff.v) / puff.radiusV;
        float inside = std::max(0.0f, 1 - (du * du + dv * dv));
        density += inside * inside * inside;
    }
    return smoothStep(clearBelow, solidAbove, density);
}

Colour shade(float v)
{
    return mix(cloudTop, cloudBelly, smoothStep(0.35f, 0.85f, v));
}

}

Canvas makeCloudPicture()
{
    // Clear texels are white too, so filtering never greys the soft edge.
    Canvas canvas(cloudWidth, cloudHeight, cloudTop.withAlpha(0));
    paintCloud(canvas, clearSides, clearTopAndBottom, cloudWidth - 2 * clearSides, cloudHeight - 2 * clearTopAndBottom,
               1);
    canvas.scaleAlpha([](float x, float) {
        float fromSide = std::min(x, cloudWidth - x);
        return smoothStep(clearSides, clearSides + thinningSides, fromSide);
    });
    return canvas;
}

void paintCloud(Canvas& canvas, float left, float top, float width, float height, float opacity)
{
    int firstX = std::max(0, static_cast<int>(left));
    int lastX = std::min(canvas.width(), static_cast<int>(std::ceil(left + width)));
    int firstY = std::max(0, static_cast<int>(top));
    int lastY = std::min(canvas.height(), static_cast<int>(std::ceil(top + height)));
    for (int y = firstY; y < lastY; ++y) {
        for (int x = firstX; x < lastX; ++x) {
            float u = (x + 0.5f - left) / width;
            float v = (y + 0.5f - top) / height;
            canvas.blend(x, y, shade(v), opacity * cover(u, v));
        }
    }
}
