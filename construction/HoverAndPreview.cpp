#include "construction/HoverAndPreview.h"

#include "construction/CrawlerList.h"
#include "graphics/Stage.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"

#include <cmath>

Crawler* heldCrawler = nullptr;
Spring* previewA = nullptr;
Spring* previewB = nullptr;

namespace {

constexpr float hoverReach = 0.55f;
constexpr float longestTriangleSpring = 3;
constexpr float longestBridge = 6;

// The hovered crawler changes only when one is within reach or none is; with
// no crawler at all it keeps its last value.
void hover(float x, float y)
{
    Crawler* nearest = crawlerList.nearestTo(x, y);
    if (nearest == nullptr)
        return;
    float dx = nearest->x - x;
    float dy = nearest->y - y;
    crawlerList.hoveredCrawler = std::sqrt(dx * dx + dy * dy) <= hoverReach ? nearest : nullptr;
}

void previewTriangle(Mass* nearest, Mass* second)
{
    previewA->attach(nearest, heldCrawler);
    previewB->attach(second, heldCrawler);
    heldCrawler->hidden = false;
    bool tooLong = previewA->measure() > longestTriangleSpring || previewB->measure() > longestTriangleSpring;
    previewA->rejected = tooLong;
    previewB->rejected = tooLong;
}

// previewB keeps whatever ends it had: it is not shown and not built.
void previewBridge(Mass* nearest, Mass* second)
{
    previewA->attach(nearest, second);
    previewB->rejected = true;
    bool tooLong = previewA->measure() > longestBridge;
    previewA->rejected = tooLong;
    heldCrawler->hidden = !tooLong;
}

// Nothing to join to: both previews rest on the crawler itself, unseen.
void previewNothing()
{
    for (Spring* preview : {previewA, previewB}) {
        preview->attach(heldCrawler, heldCrawler);
        preview->rejected = true;
    }
    heldCrawler->hidden = false;
}

}

void clampToStage(float& x, float& y)
{
    const Stage& stage = Stage::instance();
    if (x < stage.left)
        x = static_cast<float>(stage.left);
    else if (x > stage.right)
        x = static_cast<float>(stage.right);
    if (y < stage.bottom)
        y = static_cast<float>(stage.bottom);
    else if (y > stage.top)
        y = static_cast<float>(stage.top);
}

void hoverAndPreview(float x, float y, bool leftDown)
{
    clampToStage(x, y);
    if (heldCrawler == nullptr)
        hover(x, y);
    if (!leftDown || heldCrawler == nullptr)
        return;
    heldCrawler->setX(x);
    heldCrawler->setY(y);
    Mass* nearest = nullptr;
    Mass* second = nullptr;
    massList.nearestTwo(x, y, nearest, second);
    if (second == nullptr)
        previewNothing();
    else if (springList.joined(nearest, second))
        previewTriangle(nearest, second);
    else
        previewBridge(nearest, second);
}
