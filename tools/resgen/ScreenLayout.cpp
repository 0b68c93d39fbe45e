#include "ScreenLayout.h"

#include "CloudPicture.h"
#include "Landscape.h"

namespace {

// The screens show the lower half of the sky, where the tower starts.
constexpr float screenSkyTop = 0.55f;
constexpr float hillScale = 64;
constexpr float grassDepth = 12;

constexpr float shadowDrop = 8;
const Colour shadow = hexColour(0x1b2a4a, 0.3f);

constexpr int promptSize = 40;
constexpr float promptBaseline = screenSize - 18;
constexpr float promptRim = 5;

struct CloudPlace {
    float left, top, width, height, opacity;
};
constexpr CloudPlace cloudPlaces[] = {
    {30, 430, 320, 120, 0.9f}, {690, 350, 300, 110, 0.85f}, {620, 600, 230, 80, 0.7f}, {70, 690, 210, 70, 0.6f},
};

}

Canvas makeScreenLandscape()
{
    Canvas canvas(screenSize, screenSize, skyColour(0));
    paintSky(canvas, 0, screenSkyTop);
    for (const CloudPlace& cloud : cloudPlaces)
        paintCloud(canvas, cloud.left, cloud.top, cloud.width, cloud.height, cloud.opacity);
    paintHills(canvas, screenGroundY, hillScale);
    paintGrass(canvas, screenGroundY - grassDepth);
    return canvas;
}

void drawHeading(Canvas& canvas, const TextPainter& text, const std::string& line, int pixelSize, float baselineY)
{
    float rim = pixelSize * 0.06f;
    float centre = screenSize / 2.0f;
    text.drawCentred(canvas, line, {pixelSize, shadow, rim, shadow}, centre, baselineY + shadowDrop);
    text.drawCentred(canvas, line, {pixelSize, gold, rim, ink}, centre, baselineY);
}

void drawPrompt(Canvas& canvas, const TextPainter& text, const std::string& line)
{
    text.drawCentred(canvas, line, {promptSize, paper, promptRim, ink}, screenSize / 2.0f, promptBaseline);
}

int fittingSize(const TextPainter& text, const std::string& line, int largestSize, float width)
{
    int size = largestSize;
    while (size > 1 && text.width(line, size) > width)
        --size;
    return size;
}
