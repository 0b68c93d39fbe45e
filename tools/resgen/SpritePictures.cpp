#include "SpritePictures.h"

#include "Angles.h"
#include "Shapes.h"
#include "Silhouettes.h"

#include <cmath>
#include <utility>

namespace {

constexpr int spriteSize = 128;
constexpr float spriteCentre = spriteSize / 2.0f;
// The anti-aliased rim ends a pixel short of the edge, so the outermost
// texels stay fully clear.
constexpr float discRadius = spriteCentre - 1.5f;

constexpr int springWidth = 64;
constexpr int springLength = 256;
constexpr float springEndHalfWidth = sinewEndHalfWidth * springWidth;
constexpr float springMiddleHalfWidth = sinewMiddleHalfWidth * springWidth;

const Colour ballDark = hexColour(0x1d2433);
const Colour ballLight = hexColour(0x6b7a99);
const Colour sinewDark = hexColour(0x5a1f1a);
const Colour sinewLight = hexColour(0xb5524a);

// The crawler's drawn height over its ball's diameter, on average over its
// wobble; its width is the diameter divided by the same.
constexpr float averageWobble = 1.2f;

const Colour crawlerOutline = hexColour(0x4a2810);
const Colour crawlerLight = hexColour(0xffe27a);
const Colour crawlerDark = hexColour(0xf08a24);
const Colour eyeWhite = hexColour(0xffffff);
const Colour pupil = hexColour(0x1a1020);
const Colour cheek = hexColour(0xff6f7d, 0.55f);
const Colour shine = hexColour(0xffffff, 0.55f);

// The ring must stand out in a crowd of yellow and orange crawlers, over sky,
// cloud and black springs alike: white dashes in a thick, near-black rim.
const Colour selectorFill = hexColour(0xffffff);
const Colour selectorOutline = hexColour(0x1a1020);

}

Canvas makeBallPicture()
{
    Canvas canvas(spriteSize, spriteSize, ballDark.withAlpha(0));
    // Lit from the top left, though in play only the outline shows.
    float lightX = spriteCentre - discRadius * 0.4f;
    float lightY = spriteCentre - discRadius * 0.45f;
    canvas.fill(circle(spriteCentre, spriteCentre, discRadius), [=](float x, float y) {
        float fromLight = std::hypot(x - lightX, y - lightY) / (1.6f * discRadius);
        return mix(ballLight, ballDark, std::fmin(fromLight, 1.0f));
    });
    canvas.fill(ellipse(lightX, lightY, discRadius * 0.28f, discRadius * 0.18f), hexColour(0xffffff, 0.7f));
    return canvas;
}

Canvas makeSpringPicture()
{
    Canvas canvas(springWidth, springLength, sinewDark.withAlpha(0));
    float middle = springWidth / 2.0f;
    // The band runs past both ends of the picture, so its ends are cut straight
    // and match each other where the texture repeats.
    DistanceField band = sinew(middle, -springEndHalfWidth, middle, springLength + springEndHalfWidth,
                               springEndHalfWidth, springMiddleHalfWidth);
    canvas.fill(band, [=](float x, float) {
        float acrossCentre = std::abs(x - middle) / springEndHalfWidth;
        return mix(sinewLight, sinewDark, std::fmin(acrossCentre * 1.4f, 1.0f));
    });
    return canvas;
}

void paintCrawler(Canvas& canvas, float x, float y, float radius, float heightRatio)
{
    float unit = radius / 60.0f; // the crawler is designed 60 units in radius
    // In play the picture shrinks about four times without mipmaps, so every
    // line is at least four units thick or it would flicker as the crawler wobbles.
    float outline = 6 * unit;
    float body = radius - outline;
    Area area = Area::around(x, y, radius);
    auto fit = [=](DistanceField shape) { return scaleVertically(std::move(shape), y, heightRatio); };
    canvas.fill(fit(circle(x, y, radius)), crawlerOutline, area);
    canvas.fill(fit(circle(x, y, body)), [=](float px, float py) {
        float roundY = y + (py - y) / heightRatio;
        float fromLight = std::hypot(px - (x - 0.35f * body), roundY - (y - 0.45f * body)) / (1.7f * body);
        return mix(crawlerLight, crawlerDark, std::fmin(fromLight, 1.0f));
    }, area);
    canvas.fill(fit(ellipse(x - 24 * unit, y - 36 * unit, 13 * unit, 7 * unit)), shine, area);
    canvas.fill(fit(ellipse(x - 32 * unit, y + 18 * unit, 9 * unit, 6 * unit)), cheek, area);
    canvas.fill(fit(ellipse(x + 32 * unit, y + 18 * unit, 9 * unit, 6 * unit)), cheek, area);
    for (float side : {-1.0f, 1.0f}) {
        float eyeX = x + side * 18 * unit;
        float eyeY = y - 6 * unit;
        canvas.fill(fit(ellipse(eyeX, eyeY, 16.5f * unit, 20.5f * unit)), crawlerOutline, area);
        canvas.fill(fit(ellipse(eyeX, eyeY, 12 * unit, 16 * unit)), eyeWhite, area);
        canvas.fill(fit(circle(eyeX - side * 2 * unit, eyeY + 4 * unit, 9.5f * unit)), pupil, area);
        canvas.fill(fit(circle(eyeX + 1.5f * unit, eyeY - 1 * unit, 3.8f * unit)), eyeWhite, area);
    }
    canvas.fill(fit(arc(x, y + 13 * unit, 10 * unit, 3.4f * unit, 0.2f * pi, 0.8f * pi)), crawlerOutline, area);
}

Canvas makeCrawlerPicture()
{
    Canvas canvas(spriteSize, spriteSize, crawlerOutline.withAlpha(0));
    paintCrawler(canvas, spriteCentre, spriteCentre, discRadius, 1 / (averageWobble * averageWobble));
    return canvas;
}

Canvas makeSelectorPicture()
{
    constexpr int dashes = 4;
    constexpr float dashSpan = 0.42f * fullTurn / dashes;
    constexpr float ringHalfWidth = 7.5f;
    constexpr float outlineWidth = 4;
    constexpr float dotRadius = 6.5f;
    // The rim's outer edge stays three pixels inside the picture, clear of
    // the border the texture repeats over.
    constexpr float rimClearance = 3;
    constexpr float ringRadius = spriteCentre - rimClearance - ringHalfWidth - outlineWidth;
    Canvas canvas(spriteSize, spriteSize, selectorOutline.withAlpha(0));
    for (int dash = 0; dash < dashes; ++dash) {
        float start = dash * fullTurn / dashes;
        float end = start + dashSpan;
        // A dot in the gap, ahead of each dash's trailing edge: a dash-dot ring
        // whose turning the eye can follow.
        float dotAngle = end + 0.5f * (fullTurn / dashes - dashSpan);
        float dotX = spriteCentre + ringRadius * std::cos(dotAngle);
        float dotY = spriteCentre + ringRadius * std::sin(dotAngle);
        DistanceField dashShape = arc(spriteCentre, spriteCentre, ringRadius, ringHalfWidth, start, end);
        DistanceField dot = circle(dotX, dotY, dotRadius);
        canvas.fill(grow(dashShape, outlineWidth), selectorOutline);
        canvas.fill(grow(dot, outlineWidth), selectorOutline);
        canvas.fill(dashShape, selectorFill);
        canvas.fill(dot, selectorFill);
    }
    return canvas;
}
