#include "construction/StartingCrawlers.h"

#include "construction/CrawlerList.h"
#include "construction/Random.h"

namespace {

constexpr int startingCrawlers = 100;
constexpr float spreadAcross = 10;
constexpr float lowestStart = 15;
constexpr float spreadUp = 100;
constexpr float lightest = 0.15f;
constexpr float massSpread = 0.2f;

}

void addStartingCrawlers(CrawlerList& crawlers)
{
    for (int i = 0; i < startingCrawlers; ++i) {
        auto* crawler = new Crawler();
        crawler->setX(randomFloat(spreadAcross) - spreadAcross / 2);
        crawler->setY(randomFloat(spreadUp) + lowestStart);
        crawler->mass = randomFloat(massSpread) + lightest;
        crawler->radius = radiusForMass(crawler->mass);
        crawlers.add(crawler);
    }
}
