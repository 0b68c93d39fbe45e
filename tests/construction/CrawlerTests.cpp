#include "construction/Random.h"
#include "physics/StartingStructure.h"
#include "tests/construction/PlayWorld.h"
#include "tests/support/GlContext.h"

#include <cmath>
#include <cstdlib>

namespace {

using CrawlerTest = PlayWorld;

// Seeds rand so that its first draw modulo 100 (the odds of heading upwards)
// is odds and its second modulo choices (a pick of a neighbour) is pick.
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
    crawler->update(0.1f);
    EXPECT_FLOAT_EQ(crawler->y, 9.95095f);
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

    // 0.05 m an update along the ground, then onto the ball once the gap
    // measured before the move is below a quarter of its radius (0.05375).
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
    massList.at(0)->setY(5); // as high as ball 2: the first in spring order wins
    from->setY(5.5f);
    join(from, from); // its fourth neighbour, but never its next step upwards
    Crawler* climber = addCrawler(-1, 5, AtMass);
    climber->target = from;
    seedForDraws(11, 0, 4);
    climber->update(0.1f);
    EXPECT_TRUE(climber->state == Walking && climber->previous == from && climber->target == massList.at(0));
    climber->target = from;
    climber->state = AtMass;
    seedForDraws(10, 2, 4); // once in ten times any neighbour: here the third
    climber->update(0.1f);
    EXPECT_EQ(climber->target, massList.at(3));
}

TEST_F(CrawlerTest, WalksHalfAMeterASecondAndFallsWhenItsWayGoes)
{
    Mass* from = addBall(0, 1);
    Mass* to = addBall(2, 1);
    join(from, to);
    Crawler* walker = addCrawler(0, 1, Walking);
    walker->previous = from;
    walker->target = to;
    for (int i = 0; i < 39; ++i)
        walker->update(0.1f);
    EXPECT_NEAR(walker->progress, 0.975f, 1e-5);
    walker->update(0.1f);
    EXPECT_TRUE(walker->state == AtMass && walker->x == 2 && walker->progress == 1) << "the 40th update arrives";

    to->setX(0); // both ends on one spot
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
    Mass* low = addBall(0, 24.99f);
    Mass* high = addBall(0, 27);
    Crawler* sitter = addCrawler(0, 26, Held);
    sitter->phase = 0;
    sitter->update(0.1f);
    EXPECT_FLOAT_EQ(sitter->phase, 0.2f) << "carried, it wobbles twice as fast";
    sitter->state = Approaching; // only a walk across the line counts
    sitter->target = high;
    sitter->update(0);
    EXPECT_EQ(sitter->state, AtMass);

    Crawler* climber = addCrawler(0, 24.99f, Walking);
    climber->previous = low;
    climber->target = high;
    climber->update(0.1f);
    EXPECT_EQ(climber->state, Vanishing) << "above the clouds at 25 m";
    std::vector<int> sounds = soundsPlaying();
    EXPECT_TRUE(sounds.size() == 1 && sounds[0] >= firstWinSound && sounds[0] < musicIndex);
    climber->update(0.125f);
    EXPECT_TRUE(climber->scale == 3.5f && climber->alpha == 0.25f) << "half way through";
    climber->update(0.125f);
    EXPECT_EQ(climber->state, Gone) << "reaching the duration is enough";
}

TEST_F(CrawlerTest, TheListRemovesFinishedCrawlersInTheSamePassAndTurnsTheRingOnlyOnHoveredFrames)
{
    Crawler* first = addCrawler(0, 10, Vanishing);
    Crawler* second = addCrawler(1, 10, Vanishing);
    Crawler* after = addCrawler(2, 10);
    first->vanishTimer = second->vanishTimer = 0.3f;
    crawlerList.hoveredCrawler = second;
    crawlerList.update(0.1f);
    ASSERT_EQ(crawlerList.size(), 1u);
    EXPECT_TRUE(after->y < 10 && !crawlerList.hoveredCrawler) << "the next one updated in the same pass, hover let go";

    ensureGlContext();
    crawlerList.selectorAngle = 0;
    crawlerList.draw(0.02);
    crawlerList.hoveredCrawler = after;
    after->hidden = true; // the ring shows around a hidden crawler too
    crawlerList.draw(0.02);
    crawlerList.draw(0.02);
    EXPECT_FLOAT_EQ(crawlerList.selectorAngle, -21.6f);
}

TEST_F(CrawlerTest, TheNearestToPassesOverTheHeldCrawlerAndKeepsTheFirstOfEqualOnes)
{
    EXPECT_EQ(crawlerList.nearestTo(0, 0), nullptr);
    addCrawler(0.1f, 0)->active = false;
    Crawler* first = addCrawler(0.3f, 0);
    addCrawler(-0.3f, 0);
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
