#include "InstructionsPicture.h"

#include "Angles.h"
#include "CloudPicture.h"
#include "ScreenLayout.h"
#include "Shapes.h"
#include "Silhouettes.h"
#include "SpritePictures.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr float panelLeft = 70;
constexpr float panelTop = 50;
constexpr float panelRight = screenSize - 70;
constexpr float panelBottom = 905;
constexpr float panelCorner = 40;
constexpr float panelRim = 5;
const Colour panelFill = hexColour(0xfffaf0, 0.94f);

constexpr int headingSize = 76;
constexpr float headingBaseline = 140;

// Seen in the 800-pixel window, the lines are about 26 pixels high: eight
// short steps fit, and each still reads at a glance.
constexpr int lineSize = 33;
constexpr float lineSpacing = 40;
constexpr float firstItemBaseline = 222;
constexpr float itemSpacing = 15;
constexpr float iconCentreX = 150;
constexpr float textLeft = 225;
constexpr float textRight = panelRight - 25;
constexpr float iconUnit = 14;

// A key to press shows as a key cap around its letter, as it is typed.
constexpr char keyStart = '[';
constexpr char keyEnd = ']';
constexpr float keyPadding = 9;
constexpr float keyGap = 4;
constexpr float keyRim = 3;
const Colour keyFill = hexColour(0xffffff);

using IconPainter = void (*)(Canvas&, float x, float y);

struct Item {
    IconPainter icon;
    std::vector<std::string> lines;
};

void pickUpIcon(Canvas& canvas, float x, float y)
{
    paintCrawler(canvas, x, y, 1.6f * iconUnit);
    canvas.fill(arc(x, y, 2.6f * iconUnit, 0.32f * iconUnit, 0, 4.4f), gold, Area::around(x, y, 3.2f * iconUnit));
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

void arrow(Canvas& canvas, float fromX, float fromY, float toX, float toY, const Area& area)
{
    float pen = 0.25f * iconUnit;
    float head = 0.6f * iconUnit;
    float length = std::hypot(toX - fromX, toY - fromY);
    float alongX = (toX - fromX) / length;
    float alongY = (toY - fromY) / length;
    canvas.fill(stroke(fromX, fromY, toX, toY, pen), ink, area);
    canvas.fill(stroke(toX, toY, toX - head * (alongX - alongY), toY - head * (alongY + alongX), pen), ink, area);
    canvas.fill(stroke(toX, toY, toX - head * (alongX + alongY), toY - head * (alongY - alongX), pen), ink, area);
}

// A window with an arrow to each of its four edges: the top scrolls too.
void scrollIcon(Canvas& canvas, float x, float y)
{
    float half = 2.5f * iconUnit;
    float reach = half - 0.5f * iconUnit;
    float start = 0.6f * iconUnit;
    Area area = Area::around(x, y, half + iconUnit);
    DistanceField frame = roundedBox(x - half, y - half, x + half, y + half, 0.5f * iconUnit);
    canvas.fill(grow(frame, 0.2f * iconUnit), ink, area);
    canvas.fill(frame, hexColour(0x9fc7ee), area);
    for (auto [dx, dy] : {std::pair{1.0f, 0.0f}, {-1.0f, 0.0f}, {0.0f, 1.0f}, {0.0f, -1.0f}})
        arrow(canvas, x + dx * start, y + dy * start, x + dx * reach, y + dy * reach, area);
}

// A magnifying glass.
void zoomIcon(Canvas& canvas, float x, float y)
{
    float radius = 1.1f * iconUnit;
    float glassX = x - 0.5f * iconUnit;
    float glassY = y - 0.4f * iconUnit;
    Area area = Area::around(x, y, 3 * iconUnit);
    canvas.fill(circle(glassX, glassY, radius), hexColour(0x9fc7ee), area);
    canvas.fill(arc(glassX, glassY, radius, 0.22f * iconUnit, 0, fullTurn), ink, area);
    float handle = radius + 0.2f * iconUnit;
    canvas.fill(stroke(glassX + 0.71f * handle, glassY + 0.71f * handle, glassX + 1.6f * radius,
                       glassY + 1.6f * radius, 0.32f * iconUnit),
                ink, area);
}

void paintSprings(Canvas& canvas, const std::vector<std::pair<int, int>>& springs,
                  const std::vector<std::pair<float, float>>& balls, float ballRadius)
{
    for (const auto& [from, to] : springs)
        paintStructureSpring(canvas, balls[from].first, balls[from].second, balls[to].first, balls[to].second,
                             ballRadius);
    for (const auto& [x, y] : balls)
        paintStructureBall(canvas, x, y, ballRadius);
}

// A wide triangle standing beside a thin tower that leans over.
void wideIcon(Canvas& canvas, float x, float y)
{
    float groundY = y + 2.2f * iconUnit;
    float ball = 0.45f * iconUnit;
    canvas.fill(stroke(x - 3.4f * iconUnit, groundY + ball, x + 3.4f * iconUnit, groundY + ball, 0.15f * iconUnit),
                ink, Area::around(x, groundY, 4 * iconUnit));
    paintSprings(canvas, {{0, 1}, {1, 2}, {2, 0}},
                 {{x - 3.2f * iconUnit, groundY}, {x - 0.6f * iconUnit, groundY}, {x - 1.9f * iconUnit, y - 0.2f * iconUnit}},
                 ball);
    float storey = 2 * iconUnit;
    float lean = 0.45f;
    auto leaning = [&](float baseX, int level) {
        return std::pair{baseX + lean * level * storey, groundY - level * storey};
    };
    float leftX = x + 1.2f * iconUnit;
    float rightX = x + 2.2f * iconUnit;
    paintSprings(canvas, {{0, 1}, {0, 2}, {1, 3}, {0, 3}, {2, 3}, {2, 4}, {3, 4}},
                 {leaning(leftX, 0), leaning(rightX, 0), leaning(leftX, 1), leaning(rightX, 1),
                  {x + 1.7f * iconUnit + lean * 2 * storey, groundY - 2 * storey}},
                 ball);
}

// A ball resting on the grass holds a spring to a ball above it, fast as an anchor.
void anchorIcon(Canvas& canvas, float x, float y)
{
    float groundY = y + 2 * iconUnit;
    float ball = 0.7f * iconUnit;
    Area area = Area::around(x, y, 4 * iconUnit);
    canvas.fill(roundedBox(x - 3.2f * iconUnit, groundY, x + 3.2f * iconUnit, groundY + 0.7f * iconUnit,
                           0.3f * iconUnit),
                hexColour(0x6fbf5a), area);
    float footX = x + 1.2f * iconUnit;
    float footY = groundY - ball;
    paintStructureSpring(canvas, footX, footY, x + 1.8f * iconUnit, y - 1.6f * iconUnit, ball);
    paintStructureBall(canvas, x + 1.8f * iconUnit, y - 1.6f * iconUnit, ball);
    paintStructureBall(canvas, footX, footY, ball);
    // The anchor itself, a little to the left.
    float anchorX = x - 1.6f * iconUnit;
    float pen = 0.22f * iconUnit;
    canvas.fill(arc(anchorX, y - 1.5f * iconUnit, 0.35f * iconUnit, pen, 0, fullTurn), ink, area);
    canvas.fill(stroke(anchorX, y - 1.1f * iconUnit, anchorX, groundY - 0.3f * iconUnit, pen), ink, area);
    canvas.fill(stroke(anchorX - 0.6f * iconUnit, y - 0.6f * iconUnit, anchorX + 0.6f * iconUnit,
                       y - 0.6f * iconUnit, pen),
                ink, area);
    canvas.fill(arc(anchorX, groundY - 1.3f * iconUnit, 1.0f * iconUnit, pen, 0.1f * pi, 0.9f * pi), ink, area);
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
        {scrollIcon, {"Point at any edge of the window,", "the top one too, to scroll."}},
        {zoomIcon, {"Press [w] to zoom out, [s] to zoom in."}},
        {wideIcon, {"Build wide, and build fast:", "thin towers lean over and fall."}},
        {anchorIcon, {"A ball on the ground stays put:", "use it as an anchor."}},
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

// A line's pieces in order: words to read, and keys to press.
struct Piece {
    std::string text;
    bool isKey;
};

std::vector<Piece> pieces(const std::string& line)
{
    std::vector<Piece> result;
    std::size_t at = 0;
    while (at < line.size()) {
        std::size_t open = line.find(keyStart, at);
        if (open == at) {
            std::size_t close = line.find(keyEnd, open);
            result.push_back({line.substr(open + 1, close - open - 1), true});
            at = close + 1;
        } else {
            result.push_back({line.substr(at, open - at), false});
            at = open;
        }
    }
    return result;
}

float pieceWidth(const TextPainter& text, const Piece& piece)
{
    float width = text.width(piece.text, lineSize);
    return piece.isKey ? width + 2 * (keyPadding + keyGap) : width;
}

// Draws the piece from x and returns where the next one starts.
float drawPiece(Canvas& canvas, const TextPainter& text, const Piece& piece, float x, float baseline)
{
    float width = pieceWidth(text, piece);
    if (piece.isKey) {
        DistanceField cap = roundedBox(x + keyGap, baseline - 0.95f * lineSize, x + width - keyGap,
                                       baseline + 0.3f * lineSize, 0.25f * lineSize);
        canvas.fill(grow(cap, keyRim), ink);
        canvas.fill(cap, keyFill);
    }
    text.draw(canvas, piece.text, {lineSize, ink, 0, {}}, piece.isKey ? x + keyGap + keyPadding : x, baseline);
    return x + width;
}

// Lines that would run past the panel are a mistake in the wording, not
// something to shrink quietly.
void writeLine(Canvas& canvas, const TextPainter& text, const std::string& line, float baseline)
{
    float width = 0;
    for (const Piece& piece : pieces(line))
        width += pieceWidth(text, piece);
    if (textLeft + width > textRight)
        throw std::runtime_error("instruction too long for the panel: " + line);
    float x = textLeft;
    for (const Piece& piece : pieces(line))
        x = drawPiece(canvas, text, piece, x, baseline);
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
