// Play at random for a long while: pointer motion in and out of the window,
// presses and releases of every button, zoom keys, frames of any length, and
// a player who keeps building. Every link and number is checked after every
// event. VORLUND_SOAK_SECONDS sets how much game time (ten minutes by default),
// VORLUND_SOAK_SEED replays a run.
#include "app/Game.h"
#include "app/Pointer.h"
#include "app/View.h"
#include "construction/CrawlerList.h"
#include "construction/HoverAndPreview.h"
#include "construction/StartingCrawlers.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "tests/construction/PlayWorld.h"

#include <GL/freeglut.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

namespace {

using BuildingSoak = PlayWorld;

bool finite(const Mass& ball)
{
    return std::isfinite(ball.x) && std::isfinite(ball.y) && std::isfinite(ball.velocityX) &&
           std::isfinite(ball.velocityY);
}

template <typename List, typename T>
bool holds(const List& list, const T* element)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list.at(i) == element)
            return true;
    return false;
}

bool isBallOrHeld(const Mass* end)
{
    return holds(massList, end) || (end != nullptr && end == heldCrawler);
}

void expectSound(bool afterFrame)
{
    for (std::size_t i = 0; i < massList.size(); ++i) {
        const Mass& ball = *massList.at(i);
        ASSERT_TRUE(finite(ball)) << "ball " << i;
        ASSERT_TRUE(!afterFrame || ball.y >= ball.radius) << "ball " << i;
    }
    for (std::size_t i = 0; i < springList.size(); ++i)
        ASSERT_TRUE(isBallOrHeld(springList.at(i)->massA) && isBallOrHeld(springList.at(i)->massB)) << "spring " << i;
    for (std::size_t i = 0; i < crawlerList.size(); ++i)
        ASSERT_TRUE(finite(*crawlerList.at(i))) << "crawler " << i;
    ASSERT_TRUE(!crawlerList.hoveredCrawler || holds(crawlerList, crawlerList.hoveredCrawler));
    ASSERT_TRUE(!heldCrawler || holds(crawlerList, heldCrawler));
    ASSERT_EQ(heldCrawler != nullptr, previewA != nullptr && holds(springList, previewA));
}

class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : random_(seed) {}

    // One event; the game time it took (0 for all but frames).
    float act()
    {
        Pointer& pointer = Pointer::instance();
        int kind = below(100);
        if (kind < 40)
            moveTo(below(1200) - 200, below(1200) - 200);
        else if (kind < 55)
            pointer.onMouse(below(5), below(2), 0, 0);
        else if (kind < 60)
            pointer.onKeyDown("wsx"[below(3)], 0, 0);
        else if (kind < 75)
            build();
        else
            return frame();
        return 0;
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void moveTo(int x, int y)
    {
        Pointer& pointer = Pointer::instance();
        if (pointer.buttons[GLUT_LEFT_BUTTON] == GLUT_DOWN || pointer.buttons[GLUT_RIGHT_BUTTON] == GLUT_DOWN)
            pointer.onMotion(x, y);
        else
            pointer.onPassiveMotion(x, y);
    }

    // Where a world point shows in the window through the camera as it is.
    void moveToWorld(float x, float y)
    {
        const View& view = View::instance();
        double pixelsPerMeter = 400 / view.halfExtent();
        moveTo(static_cast<int>((x + view.offsetX()) * pixelsPerMeter + 400),
               static_cast<int>(400 - (y + view.offsetY()) * pixelsPerMeter));
    }

    // Takes a crawler and drops it somewhere near a ball of the structure.
    void build()
    {
        if (crawlerList.size() == 0 || massList.size() == 0)
            return;
        const Crawler& crawler = *crawlerList.at(below(static_cast<int>(crawlerList.size())));
        moveToWorld(crawler.x, crawler.y);
        Pointer::instance().onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
        const Mass& ball = *massList.at(below(static_cast<int>(massList.size())));
        moveToWorld(ball.x + (below(400) - 200) / 100.0f, ball.y + below(300) / 100.0f);
        Pointer::instance().onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    }

    float frame()
    {
        float dt = below(20) == 0 ? 1.0f : below(100) / 1000.0f;
        stepPlay(dt);
        return dt;
    }

    std::mt19937 random_;
};

}

TEST_F(BuildingSoak, RandomPlayKeepsEveryLinkAndEveryNumberSound)
{
    const char* seconds = std::getenv("VORLUND_SOAK_SECONDS");
    const char* replayed = std::getenv("VORLUND_SOAK_SEED");
    const float gameSeconds = seconds ? std::strtof(seconds, nullptr) : 600;
    const auto seed = replayed ? static_cast<unsigned>(std::strtoul(replayed, nullptr, 10)) : std::random_device()();
    std::printf("soaking %.0f s of game time, seed %u\n", gameSeconds, seed);
    Pointer::instance() = Pointer();
    gameState = Play;
    addStartingStructure(massList, springList);
    addStartingCrawlers(crawlerList);
    RandomPlayer player(seed);
    long events = 0;
    for (float played = 0; played < gameSeconds; ++events) {
        float dt = player.act();
        played += dt;
        expectSound(dt > 0);
        if (HasFatalFailure())
            return;
    }
    std::printf("%ld events, %zu balls, %zu springs, %zu crawlers left\n", events, massList.size(),
                springList.size(), crawlerList.size());
    EXPECT_GT(massList.size(), 4u) << "the player built nothing";
}
