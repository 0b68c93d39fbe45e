#include "construction/CrawlerList.h"
#include "construction/Random.h"
#include "graphics/CloudBand.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "tests/construction/PlayWorld.h"

#include <cmath>
#include <cstdlib>
#include <functional>

namespace {

using CrawlerTest = PlayWorld;

// Seeds rand so that its first two draws meet the wish: the first modulo 100
// (the odds of heading upwards), the second modulo 3 (a pick of three).
void seedForDraws(const std::function<bool(int, int)>& wish)
{
    for (unsigned seed = 1;; ++seed) {
        std::srand(seed);
        int odds = std::rand() % 100;
        int pick = std::rand() % 3;
        std::srand(seed);
        if (wish(odds, pick))
            return;
    }
}

}

TEST_F(CrawlerTest, FallsLandsAndSlidesToTheLowerOfTheTwoNearestBalls)
{
    Crawler* crawler = addCrawler(0, 10);
    crawler->radius = 0.2f;
    crawler->update(0.1f);
    EXPECT_FLOAT_EQ(crawler->y, 9.95095f);
    EXPECT_FLOAT_EQ(crawler->velocityY, -0.981f);
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
    EXPECT_EQ(crawler->target, lonely);
    EXPECT_EQ(crawler->previous, right);

    // 0.05 m an update to the left, then a jump onto the ball once the gap
    // measured before the move is below a quarter of its radius (0.05375).
    Crawler* slider = addCrawler(3, 0.2f, Approaching);
    slider->target = addBall(0, 3);
    for (int i = 1; i <= 59; ++i) {
        slider->update(0.1f);
        ASSERT_NEAR(slider->x, 3 - 0.05f * i, 1e-4) << i;
    }
    slider->update(0.1f);
    EXPECT_TRUE(slider->state == AtMass && slider->x == 0 && slider->y == 3);
    slider->target->radius = 0.4f;
    slider->setX(0.1f); // exactly a quarter of the radius away: not yet
    EXPECT_FALSE(slider->approachStep(0.1f));
}

TEST_F(CrawlerTest, ClimbsMostlyTowardsTheHighestNeighbourAlongTheSprings)
{
    addStartingStructure(massList, springList);
    Mass* upperLeft = massList.at(1);
    upperLeft->setY(5.5f);
    join(upperLeft, upperLeft); // a ball is never its own next step
    Crawler* climber = addCrawler(-1, 5, AtMass);
    climber->target = upperLeft;
    seedForDraws([](int odds, int) { return odds == 11; });
    climber->update(0.1f);
    EXPECT_TRUE(climber->state == Walking && climber->previous == upperLeft && climber->target == massList.at(2));
    springList.remove(springList.at(6));

    massList.at(2)->setY(3); // (-2, 3), (1, 3) and (2, 3): the first in spring order
    climber->target = upperLeft;
    climber->state = AtMass;
    seedForDraws([](int odds, int) { return odds == 99; });
    climber->update(0.1f);
    EXPECT_EQ(climber->target, massList.at(0));

    for (int wanted = 0; wanted < 3; ++wanted) { // now and then any neighbour, in turn
        seedForDraws([wanted](int odds, int pick) { return odds == 8 + wanted && pick == wanted; });
        climber->target = upperLeft;
        climber->state = AtMass;
        climber->update(0.1f);
        EXPECT_EQ(climber->target, massList.at(wanted == 0 ? 0 : wanted + 1)) << wanted;
    }
}

TEST_F(CrawlerTest, WalksHalfAMeterASecondAndFallsWhenItsWayGoes)
{
    Mass* from = addBall(0, 1);
    Mass* to = addBall(2, 1);
    join(from, to);
    Crawler* walker = addCrawler(0, 1, Walking);
    walker->previous = from;
    walker->target = to;
    for (int i = 1; i < 40; ++i) {
        walker->update(0.1f);
        ASSERT_NEAR(walker->progress, 0.025f * i, 1e-5) << i;
    }
    walker->update(0.1f);
    EXPECT_TRUE(walker->state == AtMass && walker->x == 2 && walker->progress == 1) << "the 40th update arrives";

    Crawler* stranded = addCrawler(5, 5, AtMass); // on a ball without springs
    stranded->target = addBall(5, 5);
    stranded->update(0.1f);
    EXPECT_TRUE(stranded->state == Walking && stranded->target == nullptr);
    stranded->update(0.1f);
    EXPECT_TRUE(stranded->state == Falling && stranded->previous == nullptr);

    to->setX(0); // both ends on one spot
    walker->state = Walking;
    walker->previous = from;
    walker->target = to;
    walker->update(0.1f);
    EXPECT_TRUE(std::isfinite(walker->x) && std::isfinite(walker->y) && walker->state == AtMass);
}

TEST_F(CrawlerTest, AboveTheCloudsAWalkerVanishesWithOneWinSound)
{
    Mass* low = addBall(0, 24.99f);
    Mass* high = addBall(0, 27);
    Crawler* sitter = addCrawler(0, 26, AtMass);
    sitter->target = high;
    sitter->phase = 0;
    sitter->state = Held;
    sitter->update(0.1f);
    EXPECT_FLOAT_EQ(sitter->phase, 0.2f) << "carried, it wobbles twice as fast";
    sitter->state = Approaching; // only a walk across the line counts
    sitter->update(0);
    EXPECT_EQ(sitter->state, AtMass);

    Crawler* climber = addCrawler(0, 24.99f, Walking);
    climber->previous = low;
    climber->target = high;
    climber->update(0.1f);
    ASSERT_GT(climber->y, CloudBand::instance().height);
    EXPECT_EQ(climber->state, Vanishing);
    std::vector<int> sounds = soundsPlaying();
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_TRUE(sounds[0] >= 16 && sounds[0] <= 28);
    const float expected[2][2] = {{3, 0.3f}, {5, 0.1f}};
    for (const auto& step : expected) {
        climber->update(0.1f);
        EXPECT_FLOAT_EQ(climber->scale, step[0]);
        EXPECT_FLOAT_EQ(climber->alpha, step[1]);
    }
    crawlerList.update(0.1f);
    EXPECT_EQ(crawlerList.size(), 1u) << "gone on the third update, and removed";
    sitter->state = Vanishing;
    sitter->update(0.125f);
    sitter->update(0.125f);
    EXPECT_EQ(sitter->state, Gone) << "reaching the duration is enough";
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
