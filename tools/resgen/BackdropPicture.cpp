#include "BackdropPicture.h"

#include "Landscape.h"
#include "Shapes.h"
#include "TextPainter.h"

#include <string>

namespace {

// 32 pixels to the metre over the 16 m by 30 m field keeps its 8:15 shape.
constexpr float pixelsPerMetre = 32;
constexpr int fieldWidthMetres = 16;
constexpr int fieldHeightMetres = 30;
constexpr int width = fieldWidthMetres * static_cast<int>(pixelsPerMetre);
constexpr int height = fieldHeightMetres * static_cast<int>(pixelsPerMetre);

constexpr float grassDepth = 0.3f * pixelsPerMetre;
constexpr float starryDepth = 9 * pixelsPerMetre;
constexpr int starCount = 36;

constexpr int labelEvery = 5;
constexpr float shortTick = 6;
constexpr float longTick = 14;
constexpr float tickHalfWidth = 1;
constexpr int labelSize = 15;
const Colour scaleColour = hexColour(0x3f6591, 0.55f);

float rowOfHeight(int metres)
{
    return height - metres * pixelsPerMetre;
}

void paintHeightScale(Canvas& canvas, const TextPainter& text)
{
    TextStyle label{labelSize, scaleColour, 0, {}};
    for (int metres = 1; metres < fieldHeightMetres; ++metres) {
        float y = rowOfHeight(metres);
        bool labelled = metres % labelEvery == 0;
        float tick = labelled ? longTick : shortTick;
        canvas.fill(stroke(0, y, tick, y, tickHalfWidth), scaleColour, Area::around(tick / 2, y, tick));
        canvas.fill(stroke(width - tick, y, width, y, tickHalfWidth), scaleColour,
                    Area::around(width - tick / 2, y, tick));
        if (!labelled)
            continue;
        std::string name = std::to_string(metres) + " m";
        float baseline = y + labelSize * 0.35f;
        text.draw(canvas, name, label, longTick + 4, baseline);
        text.draw(canvas, name, label, width - longTick - 4 - text.width(name, labelSize), baseline);
    }
}

}

Canvas makeBackdropPicture(const TextPainter& text)
{
    Canvas canvas(width, height, skyColour(0));
    paintSky(canvas, 0, 1);
    paintStars(canvas, 0, starryDepth, starCount);
    paintHills(canvas, height, pixelsPerMetre);
    paintGrass(canvas, height - grassDepth);
    paintHeightScale(canvas, text);
    return canvas;
}
