#include "bench/FullestWorld.h"

#include "construction/CrawlerList.h"
#include "construction/StrayBallCatcher.h"
#include "graphics/Stage.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"
#include "text/MessageBoard.h"

#include <vector>

namespace {

constexpr int columns = 4;
constexpr int rows = 26;
constexpr float columnGap = 1.2f;
constexpr float rowRise = 0.9f; // the top row stays below the clouds, so no crawler leaves
constexpr int walkers = 80;
constexpr int fallers = 20;
constexpr float fallFrom = 30;
constexpr float lastingSeconds = 1e9f;

// Four columns side by side; each row tied across, to the row below, and
// braced by one diagonal.
void buildTower()
{
    std::vector<Mass*> balls;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            Mass* ball = massList.addBallAt((column - (columns - 1) / 2.0f) * columnGap, 1 + row * rowRise);
            ball->gravityY = 0;
            balls.push_back(ball);
            if (column > 0)
                springList.addAtRest(balls[balls.size() - 2], ball);
            if (row > 0)
                springList.addAtRest(balls[balls.size() - 1 - columns], ball);
        }
        if (row > 0)
            springList.addAtRest(balls[(row - 1) * columns + row % columns], balls[row * columns + (row + 1) % columns]);
    }
}

void addCrawlers()
{
    for (int i = 0; i < walkers + fallers; ++i) {
        auto* crawler = new Crawler();
        if (i < walkers) {
            crawler->target = massList.at(static_cast<std::size_t>(i) * massList.size() / walkers);
            crawler->setX(crawler->target->x);
            crawler->setY(crawler->target->y);
            crawler->state = AtMass;
        } else {
            crawler->setX(static_cast<float>(i - walkers) / fallers * 4 - 2);
            crawler->setY(fallFrom + i);
        }
        crawlerList.add(crawler);
    }
}

}

void buildFullestWorld(bool withCrawlers)
{
    Stage::instance().setBounds(playingField);
    linkedMassList = &massList;
    linkedSpringList = &springList;
    massList.strayBallHandler = &strayBallCatcher;
    buildTower();
    if (withCrawlers)
        addCrawlers();
    MessageBoard::instance().post(0, 10, "%.1f meters!", 10.0);
    MessageBoard::instance().messages.back().holdTime = lastingSeconds;
}

void clearWorld()
{
    while (crawlerList.size() > 0)
        crawlerList.remove(crawlerList.at(0));
    while (springList.size() > 0)
        springList.remove(springList.at(0));
    while (massList.size() > 0)
        massList.remove(massList.at(0));
    MessageBoard::instance().messages.clear();
}
