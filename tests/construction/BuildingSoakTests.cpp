// Play at random for a long while: pointer motion in and out of the window, presses and releases of
// every button, zoom keys, frames of any length, and a player who keeps building, with every link and
// number checked after every event. VORLUND_SOAK_SECONDS sets how much game time (ten minutes by
// default), VORLUND_SOAK_SEED replays a run.
#include "app/Game.h"
#include "construction/StartingCrawlers.h"
#include "physics/StartingStructure.h"
#include "tests/construction/PlayWorld.h"

#include <cmath>
#include <cstdlib>
#include <random>

namespace {

using BuildingSoak = PlayWorld;

template <typename List, typename T>
bool holds(const List& list, const T* element)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list.at(i) == element)
            return true;
    return false;
}

// Every ball and crawler at a finite place and speed, the balls above the
// ground after a frame, and every link to something still in play.
void expectSound(bool afterFrame)
{
    auto finite = [](const Mass& ball) { return std::isfinite(ball.x + ball.y + ball.velocityX + ball.velocityY); };
    auto isBallOrHeld = [](const Mass* end) { return holds(massList, end) || (end && end == heldCrawler); };
    for (std::size_t i = 0; i < massList.size(); ++i) {
        const Mass& ball = *massList.at(i);
        ASSERT_TRUE(finite(ball) && (!afterFrame || ball.y >= ball.radius)) << "ball " << i;
    }
    for (std::size_t i = 0; i < springList.size(); ++i)
        ASSERT_TRUE(isBallOrHeld(springList.at(i)->massA) && isBallOrHeld(springList.at(i)->massB)) << "spring " << i;
    for (std::size_t i = 0; i < crawlerList.size(); ++i)
        ASSERT_TRUE(finite(*crawlerList.at(i))) << "crawler " << i;
    ASSERT_TRUE(!crawlerList.hoveredCrawler || holds(crawlerList, crawlerList.hoveredCrawler));
    ASSERT_TRUE(!heldCrawler || holds(crawlerList, heldCrawler));
    ASSERT_EQ(heldCrawler != nullptr, previewA != nullptr && holds(springList, previewA));
}

// One event of random play; the game time it took (0 for all but frames).
float playAtRandom(std::mt19937& random)
{
    auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    int kind = below(100);
    if (kind < 40) {
        PlayWorld::moveToPixel(below(1200) - 200, below(1200) - 200);
    } else if (kind < 55) {
        Pointer::instance().onMouse(below(5), below(2), 0, 0);
    } else if (kind < 60) {
        Pointer::instance().onKeyDown("wsx"[below(3)], 0, 0);
    } else if (kind < 75 && crawlerList.size() > 0) { // a crawler dropped somewhere near a ball
        const Crawler& crawler = *crawlerList.at(below(static_cast<int>(crawlerList.size())));
        PlayWorld::moveTo(crawler.x, crawler.y);
        PlayWorld::press();
        const Mass& ball = *massList.at(below(static_cast<int>(massList.size())));
        PlayWorld::moveTo(ball.x + (below(400) - 200) / 100.0f, ball.y + below(300) / 100.0f);
        PlayWorld::release();
    } else {
        float dt = below(20) == 0 ? 1.0f : below(100) / 1000.0f;
        stepPlay(dt);
        return dt;
    }
    return 0;
}

}

TEST_F(BuildingSoak, RandomPlayKeepsEveryLinkAndEveryNumberSound)
{
    const char* seconds = std::getenv("VORLUND_SOAK_SECONDS");
    const char* replayed = std::getenv("VORLUND_SOAK_SEED");
    const float gameSeconds = seconds ? std::strtof(seconds, nullptr) : 600;
    const auto seed = replayed ? static_cast<unsigned>(std::strtoul(replayed, nullptr, 10)) : std::random_device()();
    std::printf("soaking %.0f s of game time, seed %u\n", gameSeconds, seed);
    addStartingStructure(massList, springList);
    addStartingCrawlers(crawlerList);
    std::mt19937 random(seed);
    for (float played = 0; played < gameSeconds && !HasFatalFailure();) {
        float dt = playAtRandom(random);
        played += dt;
        expectSound(dt > 0);
    }
    EXPECT_GT(massList.size(), 4u) << "the player built nothing";
}
