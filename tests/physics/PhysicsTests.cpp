#include "bench/AllocationCounter.h"
#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/StartingStructure.h"
#include "physics/StrayBallHandler.h"
#include "physics/StructureStep.h"
#include "tests/physics/TestStructure.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace {

using Pair = std::array<Mass*, 2>;

Pair nearestTwo(const MassList& masses, float x, float y)
{
    Pair found{};
    masses.nearestTwo(x, y, found[0], found[1]);
    return found;
}

Mass ballAt(float x, float y)
{
    Mass ball;
    ball.setX(x);
    ball.setY(y);
    return ball;
}

constexpr float sixtieth = 1.0f / 60.0f;
constexpr int tenSecondsAtSixty = 600;

}

TEST(MassList, NearestTwoRanksActiveBallsByDistanceThenListOrder)
{
    TestStructure structure;
    Mass* upper = structure.addBall(0, 2);
    EXPECT_EQ(nearestTwo(structure.masses, 0, 0), Pair{}) << "one ball is not enough";
    Mass* farther = structure.addBall(0, 5);
    Mass* tied = structure.addBall(2, 0);
    EXPECT_EQ(nearestTwo(structure.masses, 0, 0), (Pair{upper, tied})) << "a tie keeps list order";
    EXPECT_EQ(nearestTwo(structure.masses, 1.9f, 0), (Pair{tied, upper})) << "a nearer ball moves the first down";
    EXPECT_EQ(nearestTwo(structure.masses, 0, 3.6f), (Pair{farther, upper})) << "and keeps its distance";
    upper->active = false;
    EXPECT_EQ(nearestTwo(structure.masses, 0, 0), (Pair{tied, farther}));
    tied->active = false;
    EXPECT_EQ(nearestTwo(structure.masses, 0, 0), (Pair{farther, nullptr}));
    structure.addBall(100000, 0); // no range limit, but a squared distance of 1e10 never counts
    EXPECT_EQ(nearestTwo(structure.masses, 0, 0), (Pair{farther, nullptr}));
}

TEST(MassList, AdvanceGroundsBallsForGoodAndFindsTheTop)
{
    TestStructure structure;
    Mass* falling = structure.addBall(0.5f, 0.3f);
    falling->velocityX = 2;
    falling->velocityY = -3;
    Mass* touching = structure.addBall(2, 0.215f);
    touching->active = false; // not integrated, yet grounded
    Mass* aloft = structure.addBall(3, 5);
    Mass* held = structure.addBall(0, 9);
    held->active = false;
    structure.masses.advance(0.1f, structure.springs);
    EXPECT_TRUE(falling->y == falling->radius && falling->velocityX == 0 && falling->velocityY == 0);
    EXPECT_TRUE(falling->grounded && touching->grounded && !aloft->grounded);
    EXPECT_EQ(structure.masses.topHeight, 9.0f);
    structure.masses.remove(held);
    structure.masses.advance(0.1f, structure.springs);
    EXPECT_EQ(structure.masses.topHeight, aloft->y) << "the top falls with the structure";
}

TEST(SpringList, QueriesPassOverPreviewsAndFollowTheSpringOrder)
{
    TestStructure structure;
    Mass* a = structure.addBall(0, 1);
    Mass* b = structure.addBall(1, 1);
    Mass* c = structure.addBall(2, 1);
    structure.addSpring(a, b)->active = false;
    EXPECT_FALSE(structure.springs.joined(a, b)) << "a preview joins nothing";
    EXPECT_EQ(structure.springs.findAttached(a), nullptr);
    structure.addSpring(c, a)->rejected = true;
    Spring* built = structure.addSpring(b, a);
    EXPECT_TRUE(structure.springs.joined(a, b) && structure.springs.joined(b, a));
    EXPECT_TRUE(structure.springs.joined(a, c)) << "joined does not look at rejection";
    EXPECT_EQ(structure.springs.findAttached(a), built) << "findAttached does";
    std::array<Mass*, 3> out{};
    EXPECT_EQ(structure.springs.neighbours(a, out.data(), 3), 2u);
    EXPECT_EQ(out, (std::array<Mass*, 3>{c, b, nullptr})) << "nor do neighbours";
    out.fill(nullptr);
    EXPECT_EQ(structure.springs.neighbours(a, out.data(), 1), 1u);
    EXPECT_EQ(out[1], nullptr);
    EXPECT_EQ(structure.springs.neighbours(a, out.data(), 0), 0u);
}

TEST(MassList, ABallPastASideLeavesWithItsBuiltSpringsAndTheWalkGoesOn)
{
    using Caught = std::vector<std::pair<float, std::size_t>>; // each ball handed over, and the springs left then
    struct Catcher : StrayBallHandler {
        void takeStrayBall(const Mass& ball) override { caught.emplace_back(ball.x, springs->size()); }
        Caught caught;
        const SpringList* springs = nullptr;
    } catcher;
    TestStructure structure;
    structure.masses.strayBallHandler = &catcher;
    catcher.springs = &structure.springs;
    Mass* onBound = structure.addBall(-8, 3);
    Mass* onRightBound = structure.addBall(8, 3);
    Mass* leaving = structure.addBall(-8.001f, 9);
    Mass* next = structure.addBall(8.5f, 0.1f); // grounded and detached in one step
    Mass* last = structure.addBall(0, 4);
    for (Mass* ball : {onBound, onRightBound, leaving, last})
        ball->grounded = true;
    structure.addSpring(onBound, last);
    structure.addSpring(leaving, onBound);
    structure.addSpring(last, leaving);
    structure.addSpring(next, last);

    structure.masses.advance(0.1f, structure.springs);
    EXPECT_EQ(catcher.caught, (Caught{{-8.001f, 2}, {8.5f, 1}})) << "its springs are gone before the handler sees it";
    EXPECT_EQ(structure.masses.size(), 3u);
    EXPECT_EQ(structure.masses.topHeight, 4.0f) << "stepped after the detach, the leaving ball not counted";
}

TEST(StructureStep, FramesUpToASixtiethAreOneStepLongerOnesAreSliced)
{
    struct Case { float frameTime; int count; float sliceTime; };
    for (Case c : {Case{0, 1, 0}, Case{0.016f, 1, 0.016f}, Case{sixtieth, 1, sixtieth}, Case{0.017f, 2, 0.0085f},
                   Case{0.1f, 6, 0.1f / 6}, Case{8 * sixtieth, 8, sixtieth}, Case{0.14f, 8, sixtieth},
                   Case{30, 8, sixtieth}}) {
        EXPECT_EQ(sliceFrame(c.frameTime).count, c.count) << c.frameTime;
        EXPECT_FLOAT_EQ(sliceFrame(c.frameTime).sliceTime, c.sliceTime) << c.frameTime;
    }
}

// As it stands at 60 frames a second: the lower balls grounded 4 m apart, the upper ones about 2 m above them.
TEST(StructureStep, TheStartingStructureStandsAtSixtyAtTenFramesASecondAndAfterAStallAllocatingNothing)
{
    struct Run { float frameTime; int frames; };
    constexpr float places[4][2] = {{-2, 0.215f}, {-1, 2.193f}, {1, 2.193f}, {2, 0.215f}};
    // Half a second in it still falls; one half-second step would then carry all four balls through the ground.
    for (auto runs : {std::vector<Run>{{sixtieth, tenSecondsAtSixty}}, std::vector<Run>{{0.1f, 100}},
                      std::vector<Run>{{sixtieth, 30}, {0.5f, 1}, {sixtieth, tenSecondsAtSixty}}}) {
        TestStructure structure;
        addStartingStructure(structure.masses, structure.springs);
        std::size_t allocations = allocationCount();
        for (Run run : runs)
            for (int frame = 0; frame < run.frames; ++frame)
                stepStructure(structure.masses, structure.springs, run.frameTime);
        EXPECT_EQ(allocationCount(), allocations) << "a step allocates nothing";
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(structure.masses.at(i)->x, places[i][0], 0.02f) << "ball " << i;
            EXPECT_NEAR(structure.masses.at(i)->y, places[i][1], 0.02f) << "ball " << i;
        }
    }
}

TEST(Mass, IntegratesGravityAndDragClampedPerAxisUnlessHeldStillAndCopiesMassPlaceAndSpeed)
{
    struct Case { const char* what; float mass, forceX, forceY, dt; float x, y, velocityX, velocityY; };
    for (const Case& c : {Case{"free fall", 0.25f, 0, 0, 0.1f, 0, 9.95095f, 0, -0.981f},
                          Case{"gravity alone ignores the mass", 3, 0, 0, 0.1f, 0, 9.95095f, 0, -0.981f},
                          Case{"clamped to 45 per axis", 0.25f, 20, -20, 0.1f, 0.225f, 9.775f, 4.5f, -4.5f}}) {
        Mass ball = ballAt(0, 10);
        ball.mass = c.mass;
        ball.forceX = c.forceX;
        ball.forceY = c.forceY;
        ball.update(c.dt);
        EXPECT_FLOAT_EQ(ball.x, c.x) << c.what;
        EXPECT_FLOAT_EQ(ball.y, c.y) << c.what;
        EXPECT_FLOAT_EQ(ball.velocityX, c.velocityX) << c.what;
        EXPECT_FLOAT_EQ(ball.velocityY, c.velocityY) << c.what;
    }
    for (int flag = 0; flag < 3; ++flag) {
        Mass ball = ballAt(1, 5);
        ball.grounded = flag == 0;
        ball.hidden = flag == 1;
        ball.active = flag != 2;
        ball.update(0.1f);
        EXPECT_TRUE(ball.y == 5 && ball.velocityY == 0 && ball.forceY == 0) << "flag " << flag;
    }
    Mass crawler = ballAt(3, 4);
    crawler.mass = 0.3f;
    crawler.radius = 9;
    crawler.velocityX = -1;
    Mass ball;
    ball.copyFrom(crawler);
    EXPECT_FLOAT_EQ(ball.radius, 0.2355207f) << "the radius of its new mass";
    EXPECT_TRUE(ball.mass == 0.3f && ball.x == 3 && ball.y == 4 && ball.velocityX == -1);
}

TEST(Spring, PushesByHookeAndBrakesTheWholeRelativeVelocityUnlessAPreviewOrRejected)
{
    struct Case {
        const char* what;
        float bx, by, restLength, aVelocityX, aVelocityY, forceX, forceY;
        bool active = true, rejected = false;
    };
    for (const Case& c : {Case{"stretched to twice its rest length", 2, 0, 1, 0, 0, 100, 0},
                          Case{"compressed along y", 0, 2, 3, 0, 0, 0, -100},
                          Case{"at rest length, moving apart", 1, 0, 1, 1, 0, -1.55f, 0},
                          Case{"at rest length, moving sideways", 1, 0, 1, 0, 1, 0, -1.55f},
                          Case{"coincident ends only damp", 0, 0, 1, 2, 0, -3.1f, 0},
                          Case{"a preview pushes nothing", 2, 0, 1, 1, 0, 0, 0, false},
                          Case{"nor does a rejected spring", 2, 0, 1, 1, 0, 0, 0, true, true}}) {
        Mass a = ballAt(0, 0), b = ballAt(c.bx, c.by);
        Spring spring;
        spring.attach(&a, &b);
        spring.restLength = c.restLength;
        spring.active = c.active;
        spring.rejected = c.rejected;
        a.velocityX = c.aVelocityX + 5; // moving together with b cancels out
        a.velocityY = c.aVelocityY;
        b.velocityX = 5;
        spring.update(0.1f);
        EXPECT_FLOAT_EQ(a.forceX, c.forceX) << c.what;
        EXPECT_FLOAT_EQ(a.forceY, c.forceY) << c.what;
        EXPECT_TRUE(b.forceX == -a.forceX && b.forceY == -a.forceY) << c.what;
    }
}
