#include "physics/Mass.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "tests/physics/TestStructure.h"

#include <gtest/gtest.h>

namespace {

// Tells the test when the list destroys it.
struct WatchedMass : Mass {
    explicit WatchedMass(int& destroyed) : destroyed_(destroyed) {}
    ~WatchedMass() override { ++destroyed_; }
    int& destroyed_;
};

}

TEST(MassList, NearestTwoFindsTheTwoNearestActiveBalls)
{
    TestStructure empty;
    Mass sentinel;
    Mass* nearest = &sentinel;
    Mass* second = &sentinel;
    empty.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, nullptr);
    EXPECT_EQ(second, nullptr);

    TestStructure lonely;
    lonely.addBall(0, 0);
    lonely.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, nullptr);
    EXPECT_EQ(second, nullptr);

    TestStructure pair;
    Mass* right = pair.addBall(1, 0);
    Mass* left = pair.addBall(-1, 0);
    pair.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, right);
    EXPECT_EQ(second, left);
    pair.masses.nearestTwo(-0.9f, 0, nearest, second);
    EXPECT_EQ(nearest, left);
    EXPECT_EQ(second, right);

    // Of balls at the same distance the earlier in the list ranks first.
    TestStructure ring;
    Mass* first = ring.addBall(0, 2);
    Mass* farther = ring.addBall(0, 5);
    Mass* tied = ring.addBall(2, 0);
    ring.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, first);
    EXPECT_EQ(second, tied);

    // Inactive balls are passed over; a found nearest may stand alone.
    first->active = false;
    ring.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, tied);
    EXPECT_EQ(second, farther);
    tied->active = false;
    farther->active = false;
    ring.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, nullptr);
    EXPECT_EQ(second, nullptr);
    farther->active = true;
    ring.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, farther);
    EXPECT_EQ(second, nullptr);

    // No range limit, except that a squared distance of 1e10 never counts.
    TestStructure distant;
    Mass* far = distant.addBall(90000, 0);
    distant.addBall(100000, 0);
    distant.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, far);
    EXPECT_EQ(second, nullptr);
}

TEST(MassList, AddGivesTheSpriteAndRemoveDestroysOnlyWhatItHolds)
{
    int destroyed = 0;
    TestStructure structure;
    structure.masses.sprite = 42;
    Mass* first = structure.addBall(0, 1);
    auto* middle = new WatchedMass(destroyed);
    structure.masses.add(middle);
    Mass* last = structure.addBall(0, 3);
    EXPECT_EQ(middle->sprite, 42u);
    EXPECT_EQ(first->sprite, 42u);

    Mass stranger;
    structure.masses.remove(&stranger);
    structure.masses.remove(nullptr);
    ASSERT_EQ(structure.masses.size(), 3u);

    structure.masses.remove(middle);
    EXPECT_EQ(destroyed, 1);
    ASSERT_EQ(structure.masses.size(), 2u);
    EXPECT_EQ(structure.masses.at(0), first);
    EXPECT_EQ(structure.masses.at(1), last);
}

TEST(MassList, ClearForcesZeroesEveryAccumulator)
{
    TestStructure structure;
    Mass* a = structure.addBall(0, 1);
    Mass* b = structure.addBall(0, 2);
    a->forceX = 3;
    a->forceY = -4;
    b->forceY = 5;
    structure.masses.clearForces();
    EXPECT_EQ(a->forceX, 0.0f);
    EXPECT_EQ(a->forceY, 0.0f);
    EXPECT_EQ(b->forceY, 0.0f);
}

TEST(MassList, AdvanceSetsTopHeightToTheHighestCentre)
{
    TestStructure empty;
    empty.masses.topHeight = 7;
    empty.masses.advance(0.1f);
    EXPECT_EQ(empty.masses.topHeight, 0.0f);

    TestStructure structure;
    Mass* low = structure.addBall(-1, 2);
    Mass* high = structure.addBall(1, 6);
    Mass* held = structure.addBall(0, 9);
    held->active = false;
    structure.masses.advance(0.1f);
    EXPECT_LT(low->y, 2.0f);
    EXPECT_LT(high->y, 6.0f);
    EXPECT_EQ(held->y, 9.0f);
    EXPECT_EQ(structure.masses.topHeight, 9.0f);
    held->setY(1);
    structure.masses.advance(0.1f);
    EXPECT_EQ(structure.masses.topHeight, high->y);
}

TEST(MassList, BallsThatReachTheGroundStopOnItForGood)
{
    TestStructure structure;
    Mass* falling = structure.addBall(0.5f, 0.3f);
    falling->velocityX = 2;
    falling->velocityY = -3;
    Mass* buried = structure.addBall(1, -4);
    buried->mass = 0.36f;
    buried->radius = radiusForMass(buried->mass);
    buried->active = false; // not integrated, still grounded
    Mass* resting = structure.addBall(2, 0.215f);
    resting->active = false;
    Mass* aloft = structure.addBall(3, 5);

    structure.masses.advance(0.1f);
    EXPECT_EQ(falling->y, falling->radius);
    EXPECT_TRUE(falling->grounded);
    EXPECT_EQ(falling->velocityX, 0.0f);
    EXPECT_EQ(falling->velocityY, 0.0f);
    EXPECT_EQ(buried->y, buried->radius);
    EXPECT_TRUE(buried->grounded);
    EXPECT_TRUE(resting->grounded); // just touching counts
    EXPECT_FALSE(aloft->grounded);
    for (std::size_t i = 0; i < structure.masses.size(); ++i)
        EXPECT_GE(structure.masses.at(i)->y, structure.masses.at(i)->radius);

    // A spring pulling it up does not lift a grounded ball again.
    float groundedX = falling->x;
    structure.addSpring(falling, aloft)->restLength = 0.5f;
    for (int frame = 0; frame < 30; ++frame) {
        structure.masses.clearForces();
        structure.springs.applyForces(0.1f);
        structure.masses.advance(0.1f);
        structure.springs.measureAll();
    }
    EXPECT_EQ(falling->x, groundedX);
    EXPECT_EQ(falling->y, falling->radius);
    EXPECT_EQ(falling->velocityY, 0.0f);
}
