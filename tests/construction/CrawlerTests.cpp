#include "construction/Random.h"
#include "construction/StartingCrawlers.h"
#include "graphics/SpriteQuad.h"
#include "physics/StartingStructure.h"
#include "tests/construction/PlayWorld.h"
#include "tests/support/GlContext.h"

#include <SDL2/SDL_mixer.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using CrawlerTest = PlayWorld;

// Seeds rand so that its first draw modulo 100 (heading upwards) is odds, its second modulo choices pick.
void seedForDraws(int odds, int pick, int choices)
{
    unsigned seed = 0;
    do
        std::srand(++seed);
    while (std::rand() % 100 != odds || std::rand() % choices != pick);
    std::srand(seed);
}

}

TEST_F(CrawlerTest, FallsLandsAndSlidesToTheLowerOfTheTwoNearestBalls)
{
    Crawler* crawler = addCrawler(0, 10);
    crawler->radius = 0.2f;
    crawler->phase = 0;
    crawler->wobbleRate = 7;
    crawler->update(0.1f);
    EXPECT_FLOAT_EQ(crawler->y, 9.95095f);
    EXPECT_FLOAT_EQ(crawler->wobble, 1.2f + 0.25f * std::sin(0.7f));
    crawler->update(0.1f);
    EXPECT_NEAR(crawler->y, 9.80380f, 1e-5);
    EXPECT_FLOAT_EQ(crawler->velocityY, -1.962f);
    crawler->setY(0.2f);
    crawler->update(0); // its centre exactly at its radius: not landed yet
    EXPECT_EQ(crawler->state, Falling);
    crawler->update(0.01f);
    EXPECT_TRUE(crawler->state == Landed && crawler->y == 0.2f && crawler->velocityY == 0);

    Mass* lonely = addBall(-2, 3);
    crawler->update(0.1f);
    EXPECT_EQ(crawler->state, Landed) << "with one ball there is nowhere to go yet";
    Mass* right = addBall(2, 3);
    crawler->update(0.1f);
    EXPECT_TRUE(crawler->state == Approaching && crawler->target == right) << "equal heights: the second nearest";
    lonely->setY(2.9f);
    crawler->state = Landed;
    crawler->update(0.1f);
    EXPECT_TRUE(crawler->target == lonely && crawler->previous == right);

    // 0.05 m an update, then onto the ball once the gap before the move is under a quarter of its radius (0.05375).
    for (int i = 0; i < 39; ++i)
        crawler->update(0.1f);
    EXPECT_NEAR(crawler->x, -1.95f, 1e-4);
    crawler->update(0.1f);
    EXPECT_TRUE(crawler->state == AtMass && crawler->x == -2 && crawler->y == 2.9f);
    lonely->radius = 0.5f;
    crawler->setX(-1.875f); // exactly a quarter of the radius away: not yet
    EXPECT_FALSE(crawler->approachStep(0.1f));
}

TEST_F(CrawlerTest, ClimbsToTheHighestNeighbourSaveOnceInTenTimesWhenAnyOneWillDo)
{
    addStartingStructure(massList, springList);
    Mass* from = massList.at(1); // joined to balls 0, 2 and 3, in that order
    from->setY(5.5f);
    join(from, from); // its fourth neighbour, but never its next step upwards
    // The two draws (above 10 heads upwards, else the pick), the heights of balls 0 and 3 (the first and the third
    // neighbour; ball 2 stands at 5, and on equal heights the first in spring order wins), the ball climbed to.
    struct Case { int odds, pick; float leftY, rightY; std::size_t to; };
    for (Case c : {Case{11, 3, 5, 3, 0}, Case{99, 3, 3, 6, 3}, Case{11, 0, 3, 3, 2}, Case{10, 2, 5, 3, 3},
                   Case{0, 3, 5, 3, 1}}) {
        massList.at(0)->setY(c.leftY);
        massList.at(3)->setY(c.rightY);
        Crawler* climber = addCrawler(-1, 5, AtMass);
        climber->target = from;
        seedForDraws(c.odds, c.pick, 4);
        climber->update(0.1f);
        EXPECT_TRUE(climber->state == Walking && climber->previous == from && climber->target == massList.at(c.to))
            << c.odds << " " << c.pick;
    }
}

TEST_F(CrawlerTest, WalksHalfAMeterASecondAndFallsWhenItsWayGoes)
{
    Mass* from = addBall(0, 1);
    Mass* to = addBall(1.2f, 2.6f); // 2 m up a slope
    join(from, to);
    Crawler* walker = addCrawler(0, 1, Walking);
    walker->previous = from;
    walker->target = to;
    for (int i = 0; i < 39; ++i)
        walker->update(0.1f);
    EXPECT_NEAR(walker->progress, 0.975f, 1e-5);
    EXPECT_TRUE(std::fabs(walker->x - 1.17f) < 1e-4 && std::fabs(walker->y - 2.56f) < 1e-4) << walker->y;
    walker->update(0.1f);
    EXPECT_TRUE(walker->state == AtMass && walker->x == 1.2f && walker->y == 2.6f && walker->progress == 1)
        << "the 40th update arrives";

    to->setX(0); // both ends on one spot
    to->setY(1);
    walker->state = Walking;
    walker->update(0.1f);
    EXPECT_TRUE(std::isfinite(walker->x) && std::isfinite(walker->y) && walker->state == AtMass);

    springList.remove(springList.at(0)); // a ball without springs: nowhere to go
    walker->update(0.1f);
    walker->update(0.1f);
    EXPECT_TRUE(walker->state == Falling && walker->target == nullptr && walker->previous == nullptr);
}

TEST_F(CrawlerTest, AboveTheCloudsAWalkerVanishesWithOneWinSound)
{
    Mass* high = addBall(0, 27);
    Crawler* sitter = addCrawler(0, 26, Held);
    sitter->phase = 0;
    sitter->update(0.1f);
    EXPECT_FLOAT_EQ(sitter->phase, 0.2f) << "carried, it wobbles twice as fast";
    sitter->state = Approaching; // only a walk across the line counts
    sitter->target = high;
    sitter->update(0);
    EXPECT_EQ(sitter->state, AtMass);

    // From a ball just below the line to one above it or on it: tested after the step, arrival or not.
    struct Case { float fromY, toY; CrawlerState state; };
    for (Case c : {Case{24.99f, 27, Vanishing}, Case{24.98f, 25.02f, Vanishing}, Case{24.97f, 25, AtMass}}) {
        Mix_HaltChannel(-1);
        Crawler* climber = addCrawler(0, c.fromY, Walking);
        climber->previous = addBall(0, c.fromY);
        climber->target = addBall(0, c.toY);
        climber->update(0.1f);
        EXPECT_EQ(climber->state, c.state) << c.toY;
        std::vector<int> sounds = soundsPlaying();
        EXPECT_TRUE(c.state == AtMass ? sounds.empty()
                                      : sounds.size() == 1 && sounds[0] >= firstWinSound && sounds[0] < musicIndex);
    }
    Crawler* climber = crawlerList.at(1);
    // Half way, then at its duration, which is enough: scale, alpha, state.
    const float seen[][3] = {{3.5f, 0.25f, Vanishing}, {6, 0, Gone}};
    for (const auto& s : seen) {
        climber->update(0.125f);
        EXPECT_TRUE(std::fabs(climber->scale - s[0]) < 1e-5 && std::fabs(climber->alpha - s[1]) < 1e-6 &&
                    climber->state == s[2] && climber->phase == 90)
            << climber->scale << " " << climber->alpha;
    }
    EXPECT_EQ(climber->vanishTimer, 0);
}

TEST_F(CrawlerTest, TheListRemovesFinishedCrawlersInTheSamePass)
{
    Crawler* first = addCrawler(0, 10, Vanishing);
    Crawler* second = addCrawler(1, 10, Vanishing);
    Crawler* after = addCrawler(2, 10);
    first->vanishTimer = second->vanishTimer = 0.3f;
    crawlerList.hoveredCrawler = second;
    crawlerList.update(0.1f);
    ASSERT_EQ(crawlerList.size(), 1u);
    EXPECT_TRUE(after->y < 10 && !crawlerList.hoveredCrawler) << "the next one updated in the same pass, hover let go";
}

TEST_F(CrawlerTest, TheNearestToPassesOverTheHeldCrawlerAndKeepsTheFirstOfEqualOnes)
{
    EXPECT_EQ(crawlerList.nearestTo(0, 0), nullptr);
    addCrawler(0.1f, 0)->active = false;
    Crawler* first = addCrawler(0.3f, 0);
    addCrawler(-0.3f, 0);
    addCrawler(0.05f, 0.4f); // nearest across, not nearest
    EXPECT_EQ(crawlerList.nearestTo(0, 0), first);
    EXPECT_EQ(crawlerList.nearestTo(500, 0), first) << "however far";
}

TEST(Random, DrawsFromRandWithinItsBounds)
{
    randomInt(1);
    std::srand(7);
    int first = std::rand();
    std::srand(7);
    EXPECT_EQ(randomInt(0), 0);
    EXPECT_EQ(randomInt(-3), 0);
    EXPECT_EQ(std::rand(), first) << "nothing drawn";
    for (int i = 0; i < 20000; ++i) {
        float value = randomFloat(6.28f);
        ASSERT_TRUE(value >= 0 && value < 6.28f) << value;
        int index = randomInt(13);
        ASSERT_TRUE(index >= 0 && index < 13);
    }
}

TEST_F(CrawlerTest, AHundredStartHighOverTheMiddleOfTheFieldEachSizedByItsMass)
{
    addStartingCrawlers(crawlerList);
    ASSERT_EQ(crawlerList.size(), 100u);
    // Every value in [low, high), some within reach of each end.
    struct Range { float Crawler::*field; float low, high, reach; };
    for (Range r : {Range{&Crawler::x, -5, 5, 0.5f}, Range{&Crawler::y, 15, 115, 5}, Range{&Crawler::mass, 0.15f, 0.35f, 0.01f},
                    Range{&Crawler::phase, 0, 6.28f, 0.3f}, Range{&Crawler::wobbleRate, 5, 10, 0.25f}}) {
        float lowest = r.high, highest = r.low;
        for (std::size_t i = 0; i < crawlerList.size(); ++i) {
            float value = crawlerList.at(i)->*r.field;
            ASSERT_TRUE(value >= r.low && value < r.high) << value;
            lowest = std::min(lowest, value);
            highest = std::max(highest, value);
        }
        EXPECT_TRUE(lowest < r.low + r.reach && highest > r.high - r.reach) << lowest << " to " << highest;
    }
    for (std::size_t i = 0; i < crawlerList.size(); ++i)
        ASSERT_EQ(crawlerList.at(i)->radius, radiusForMass(crawlerList.at(i)->mass));
}

// Drawn on black, 100 pixels a meter, as plain squares: how wide and high each shows about its place, how bright.
TEST_F(CrawlerTest, EachCrawlerIsDrawnWobblingAtItsPlaceSizeAndOpacityAndTheRingOverTheHoveredOne)
{
    viewSquare(0, 0, testWindowSide / 100.0);
    glDisable(GL_DEPTH_TEST);
    crawlerList.sprite = crawlerList.selectorSprite = 0;
    struct Case { bool hidden, hovered; int width, height, level; }; // pixels through (300, 400), the red there
    // 1 m across at 1.5 times its size, squeezed by its wobble of 1.25, 60 % opaque; hidden;
    // a hidden crawler held, and a black one, under the ring of five radii.
    for (Case c : {Case{false, false, 120, 188, 153}, Case{true, false, 0, 0, 0}, Case{true, true, 250, 250, 255},
                   Case{false, true, 250, 250, 255}}) {
        clearPlay();
        Crawler* crawler = addCrawler(3, 4, Held);
        crawler->radius = 0.5f;
        crawler->scale = 1.5f;
        crawler->wobble = 1.25f;
        crawler->alpha = c.hovered ? 1 : 0.6f;
        crawler->brightness = c.hovered ? 0 : 1;
        crawler->hidden = c.hidden;
        crawler->active = !c.hovered;
        crawlerList.hoveredCrawler = c.hovered ? crawler : nullptr;
        crawlerList.selectorAngle = 10.8f;
        glClear(GL_COLOR_BUFFER_BIT);
        crawlerList.draw(0.02); // the ring turns clockwise by 10.8 degrees, upright again
        EXPECT_EQ(crawlerList.selectorAngle, c.hovered ? 0 : 10.8f) << "it turns only on a hovered frame";
        std::vector<std::uint8_t> red = readTestWindow(GL_RED);
        auto on = [&red](int x, int y) { return red[y * testWindowSide + x] > 0; };
        int run[4] = {}; // lit pixels beyond (300, 400) to the left, right, below and above
        const int step[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
        for (int i = 0; i < 4 && on(300, 400); ++i)
            while (on(300 + (run[i] + 1) * step[i][0], 400 + (run[i] + 1) * step[i][1]))
                ++run[i];
        int width = on(300, 400) ? run[0] + run[1] + 1 : 0, height = on(300, 400) ? run[2] + run[3] + 1 : 0;
        EXPECT_TRUE(std::abs(width - c.width) <= 2 && std::abs(height - c.height) <= 2) << width << " by " << height;
        EXPECT_TRUE(std::abs(run[0] - run[1]) <= 2 && std::abs(run[2] - run[3]) <= 2) << "off its place";
        EXPECT_NEAR(red[400 * testWindowSide + 300], c.level, 2);
    }
}
