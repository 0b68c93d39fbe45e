#include "construction/StrayBallCatcher.h"

#include "construction/CrawlerList.h"
#include "construction/Placement.h"

StrayBallCatcher strayBallCatcher;

void StrayBallCatcher::takeStrayBall(const Mass& ball)
{
    crawlerList.releaseFromMass(&ball);
    auto* crawler = new Crawler();
    crawler->copyFrom(ball);
    crawler->state = Falling;
    crawlerList.add(crawler);
    keepPreviewsOffBall(ball);
}
