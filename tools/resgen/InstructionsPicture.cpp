#include "InstructionsPicture.h"

#include "CloudPicture.h"
#include "ScreenLayout.h"
#include "Shapes.h"
#include "Silhouettes.h"
#include "SpritePictures.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr float panelLeft = 70;
constexpr float panelTop = 60;
constexpr float panelRight = screenSize - 70;
constexpr float panelBottom = 900;
constexpr float panelCorner = 40;
constexpr float panelRim = 5;
const Colour panelFill = hexColour(0xfffaf0, 0.94f);

constexpr int headingSize = 84;
constexpr float headingBaseline = 165;

constexpr int lineSize = 36;
constexpr float lineSpacing = 46;
constexpr float firstItemBaseline = 260;
constexpr float itemSpacing = 44;
constexpr float iconCentreX = 155;
constexpr float textLeft = 225;
constexpr float textRight = panelRight - 30;
constexpr float iconUnit = 14;

using IconPainter = void (*)(Canvas&, float x, float y);

struct Item {
    IconPainter icon;
    std::vector<std::string> lines;
};

void pickUpIcon(Canvas& canvas, float x, float y)
{
    paintCrawler(canvas, x, y, 2 * iconUnit);
    canvas.fill(arc(x, y, 3.3f * iconUnit, 0.35f * iconUnit, 0, 4.4f), gold, Area::around(x, y, 4 * iconUnit));
}

void triangleIcon(Canvas& canvas, float x, float y)
{
    float baseY = y + 1.8f * iconUnit;
    float leftX = x - 2.6f * iconUnit;
    float rightX = x + 2.6f * iconUnit;
    float topY = y - 1.8f * iconUnit;
    paintStructureSpring(canvas, leftX, baseY, rightX, baseY, iconUnit);
    paintStructureSpring(canvas, leftX, baseY, x, topY, iconUnit, 0.5f);
    paintStructureSpring(canvas, rightX, baseY, x, topY, iconUnit, 0.5f);
    paintStructureBall(canvas, leftX, baseY, iconUnit);
    paintStructureBall(canvas, rightX, baseY, iconUnit);
    paintCrawler(canvas, x, topY, iconUnit);
}

void bridgeIcon(Canvas& canvas, float x, float y)
{
    float leftX = x - 3 * iconUnit;
    float rightX = x + 3 * iconUnit;
    paintStructureSpring(canvas, leftX, y, rightX, y, iconUnit, 0.5f);
    paintStructureBall(canvas, leftX, y, iconUnit);
    paintStructureBall(canvas, rightX, y, iconUnit);
    paintCrawler(canvas, x, y - 0.3f * iconUnit, 0.9f * iconUnit);
}

void scrollIcon(Canvas& canvas, float x, float y)
{
    float reach = 3.2f * iconUnit;
    float head = 1.2f * iconUnit;
    float pen = 0.3f * iconUnit;
    Area area = Area::around(x, y, reach + pen);
    for (float side : {-1.0f, 1.0f}) {
        float tipX = x + side * reach;
        canvas.fill(stroke(x + side * 0.6f * iconUnit, y, tipX, y, pen), ink, area);
        canvas.fill(stroke(tipX, y, tipX - side * head, y - head, pen), ink, area);
        canvas.fill(stroke(tipX, y, tipX - side * head, y + head, pen), ink, area);
    }
}

void cloudIcon(Canvas& canvas, float x, float y)
{
    float width = 7 * iconUnit;
    float height = 3.5f * iconUnit;
    canvas.fill(roundedBox(x - width / 2, y - height / 2, x + width / 2, y + height / 2, iconUnit),
                hexColour(0x9fc7ee), Area::around(x, y, width));
    paintCloud(canvas, x - width / 2, y - height / 2, width, height, 1);
}

const std::vector<Item>& items()
{
    static const std::vector<Item> all = {
        {pickUpIcon, {"Press the left button on a little", "ball to pick it up."}},
        {triangleIcon, {"Drop it beside two joined balls:", "a new ball, springs up to 3 m."}},
        {bridgeIcon, {"Drop it between two balls that are", "not joined: a bridge, up to 6 m."}},
        {scrollIcon, {"Point at a window edge to scroll;", "W zooms out and S zooms in."}},
        {cloudIcon, {"Build above the clouds!"}},
    };
    return all;
}

void paintPanel(Canvas& canvas)
{
    DistanceField panel = roundedBox(panelLeft, panelTop, panelRight, panelBottom, panelCorner);
    canvas.fill(grow(panel, panelRim), ink);
    canvas.fill(panel, panelFill);
}

// Lines that would run past the panel are a mistake in the wording, not
// something to shrink quietly.
void writeLine(Canvas& canvas, const TextPainter& text, const std::string& line, float baseline)
{
    if (textLeft + text.width(line, lineSize) > textRight)
        throw std::runtime_error("instruction too long for the panel: " + line);
    text.draw(canvas, line, {lineSize, ink, 0, {}}, textLeft, baseline);
}

}

Canvas makeInstructionsPicture(const TextPainter& text)
{
    Canvas canvas = makeScreenLandscape();
    paintPanel(canvas);
    drawHeading(canvas, text, "How to build", headingSize, headingBaseline);
    float baseline = firstItemBaseline;
    for (const Item& item : items()) {
        float lastBaseline = baseline + (item.lines.size() - 1) * lineSpacing;
        float middle = (baseline + lastBaseline) / 2 - lineSize * 0.35f;
        item.icon(canvas, iconCentreX, middle);
        for (const std::string& line : item.lines) {
            writeLine(canvas, text, line, baseline);
            baseline += lineSpacing;
        }
        baseline += itemSpacing;
    }
    drawPrompt(canvas, text, "click to continue");
    return canvas;
}
