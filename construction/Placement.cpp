#include "construction/Placement.h"

#include "audio/SoundBank.h"
#include "construction/CrawlerList.h"
#include "construction/HoverAndPreview.h"
#include "construction/Random.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"
#include "text/MessageBoard.h"

namespace {

constexpr float builtStiffness = 90;

Spring* newPreview(Mass* structureBall, Crawler* crawler)
{
    auto* preview = new Spring();
    preview->attach(structureBall != nullptr ? structureBall : crawler, crawler);
    preview->stiffness = builtStiffness;
    preview->active = false;
    springList.add(preview);
    return preview;
}

// A rejected preview goes; any other becomes a built spring at its length.
void resolve(Spring*& preview)
{
    if (preview->rejected) {
        springList.remove(preview);
    } else {
        preview->restLength = preview->measure();
        preview->active = true;
    }
    preview = nullptr;
}

bool touches(const Spring* spring, const Mass& ball)
{
    return spring->massA == &ball || spring->massB == &ball;
}

void buildBall(Crawler* crawler, float x, float y)
{
    auto* ball = new Mass();
    ball->copyFrom(*crawler);
    ball->active = true;
    crawlerList.remove(crawler);
    massList.add(ball);
    previewA->attach(previewA->massA, ball);
    previewB->attach(previewB->massA, ball);
    // Against the top as the last step left it: the new ball does not count.
    if (y > massList.topHeight) {
        MessageBoard::instance().post(x, y, "%.1f meters!", static_cast<double>(y));
        SoundBank::instance().play(firstWinSound + randomInt(res::winSoundCount));
    }
}

void release(float x, float y)
{
    Crawler* crawler = heldCrawler;
    heldCrawler = nullptr;
    if (crawler->hidden) {
        crawlerList.remove(crawler); // used up as the bridge
    } else if (previewA->rejected && previewB->rejected) {
        crawler->active = true; // it falls from where it hangs, at its old speed
        crawler->state = Falling;
    } else {
        buildBall(crawler, x, y);
    }
    resolve(previewA);
    resolve(previewB);
}

void pickUp(float x, float y)
{
    // A release the toolkit never delivered: finish it where the crawler was
    // last dragged to, as it would have been, before taking up another.
    if (heldCrawler != nullptr)
        release(heldCrawler->x, heldCrawler->y);
    Crawler* crawler = crawlerList.hoveredCrawler;
    if (crawler == nullptr)
        return;
    crawler->state = Held;
    SoundBank::instance().play(randomInt(res::squeakCount));
    heldCrawler = crawler;
    crawler->setX(x);
    crawler->setY(y);
    crawler->active = false;
    Mass* nearest = nullptr;
    Mass* second = nullptr;
    massList.nearestTwo(x, y, nearest, second);
    previewA = newPreview(nearest, crawler);
    previewB = newPreview(second, crawler);
    hoverAndPreview(x, y, true);
}

}

// Only the left button picks up; a release of any button ends the hold.
void pointerButton(float x, float y, bool leftPress, bool, bool press)
{
    clampToStage(x, y);
    if (press && leftPress)
        pickUp(x, y);
    else if (!press && !leftPress && heldCrawler != nullptr)
        release(x, y);
}

void keepPreviewsOffBall(const Mass& ball)
{
    if (heldCrawler == nullptr || !(touches(previewA, ball) || touches(previewB, ball)))
        return;
    hoverAndPreview(heldCrawler->x, heldCrawler->y, true);
    for (Spring* preview : {previewA, previewB}) {
        if (touches(preview, ball)) {
            preview->attach(heldCrawler, heldCrawler);
            preview->rejected = true;
        }
    }
}
