#include "Landscape.h"

#include "Random.h"
#include "Shapes.h"
#include "Smooth.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

struct SkyStop {
    float height;
    Colour colour;
};
// Light enough at the top for black balls and black text to stand out.
const SkyStop skyStops[] = {
    {0.00f, hexColour(0xfff3d6)}, {0.12f, hexColour(0xe6f5f6)}, {0.40f, hexColour(0xc2e4f7)},
    {0.75f, hexColour(0x9fc7ee)}, {1.00f, hexColour(0x84a9e2)},
};

const Colour farHills = hexColour(0xcfe5dc);
const Colour nearHills = hexColour(0xb3d9bf);
const Colour grass = hexColour(0x7cc36a);
const Colour grassEdge = hexColour(0x5a9e4b);
const Colour star = hexColour(0xffffff);

constexpr unsigned starSeed = 7;

// A four-pointed twinkle rather than a dot, so it reads as a star and not as
// a speck of something in the game.
void paintSparkle(Canvas& canvas, float x, float y, float size, float brightness)
{
    constexpr float tipHalfWidth = 0.1f;
    float middleHalfWidth = 0.28f * size;
    DistanceField across = sinew(x - size, y, x + size, y, tipHalfWidth, middleHalfWidth);
    DistanceField upright = sinew(x, y - size, x, y + size, tipHalfWidth, middleHalfWidth);
    Area area = Area::around(x, y, size);
    canvas.fill(circle(x, y, 0.6f * size), star.withAlpha(0.25f * brightness), area);
    canvas.fill(unite(across, upright), star.withAlpha(brightness), area);
}

// A gentle skyline made of a few sine waves, in metres above the ground.
float hillHeight(float x, float wavelength, float height, float phase)
{
    return height * (0.6f + 0.25f * std::sin(x / wavelength + phase) + 0.15f * std::sin(x / (0.37f * wavelength) + 2 * phase));
}

void paintHillRow(Canvas& canvas, float groundY, float pixelsPerMetre, float wavelength, float height, float phase,
                  const Colour& colour)
{
    canvas.fill(
        [=](float x, float y) {
            float metres = x / pixelsPerMetre;
            float ridge = groundY - hillHeight(metres, wavelength, height, phase) * pixelsPerMetre;
            return ridge - y;
        },
        colour);
}

}

Colour skyColour(float heightFraction)
{
    float h = std::clamp(heightFraction, 0.0f, 1.0f);
    for (std::size_t i = 1; i < std::size(skyStops); ++i) {
        if (h <= skyStops[i].height) {
            const SkyStop& below = skyStops[i - 1];
            const SkyStop& above = skyStops[i];
            return mix(below.colour, above.colour, (h - below.height) / (above.height - below.height));
        }
    }
    return skyStops[std::size(skyStops) - 1].colour;
}

void paintSky(Canvas& canvas, float bottomFraction, float topFraction)
{
    float rows = static_cast<float>(canvas.height());
    canvas.fill([](float, float) { return -1.0f; },
                [=](float, float y) { return skyColour(topFraction + (bottomFraction - topFraction) * y / rows); });
}

void paintHills(Canvas& canvas, float groundY, float pixelsPerMetre)
{
    paintHillRow(canvas, groundY, pixelsPerMetre, 1.9f, 2.6f, 0.8f, farHills);
    paintHillRow(canvas, groundY, pixelsPerMetre, 1.3f, 1.3f, 2.9f, nearHills);
}

void paintGrass(Canvas& canvas, float topY)
{
    canvas.fill([=](float x, float y) { return topY + 1.5f * std::sin(x * 0.21f) - y; }, grassEdge);
    canvas.fill([=](float x, float y) { return topY + 3 + 1.5f * std::sin(x * 0.21f) - y; }, grass);
}

void paintStars(Canvas& canvas, float top, float bottom, int count)
{
    Random random(starSeed);
    for (int i = 0; i < count; ++i) {
        float x = random.between(6, canvas.width() - 6.0f);
        float y = random.between(top + 6, bottom);
        float size = random.between(3.0f, 5.5f);
        float brightness = 0.3f + 0.6f * smoothStep(bottom, top, y);
        paintSparkle(canvas, x, y, size, brightness);
    }
}
