#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "tests/physics/TestStructure.h"

#include <array>
#include <gtest/gtest.h>

namespace {

struct WatchedSpring : Spring {
    explicit WatchedSpring(int& destroyed) : destroyed_(destroyed) {}
    ~WatchedSpring() override { ++destroyed_; }
    int& destroyed_;
};

}

TEST(SpringList, JoinedCountsOnlyActiveSpringsEitherWayRound)
{
    TestStructure structure;
    Mass* a = structure.addBall(0, 1);
    Mass* b = structure.addBall(1, 1);
    Mass* c = structure.addBall(2, 1);
    Spring* preview = structure.addSpring(a, b);
    preview->active = false;
    EXPECT_FALSE(structure.springs.joined(a, b));

    structure.addSpring(b, a);
    EXPECT_TRUE(structure.springs.joined(a, b));
    EXPECT_TRUE(structure.springs.joined(b, a));
    EXPECT_FALSE(structure.springs.joined(a, c));

    // Rejection is a preview's flag; joined does not look at it.
    structure.addSpring(c, a)->rejected = true;
    EXPECT_TRUE(structure.springs.joined(a, c));
}

TEST(SpringList, FindAttachedReturnsTheFirstBuiltSpringAtTheBall)
{
    TestStructure structure;
    Mass* a = structure.addBall(0, 1);
    Mass* b = structure.addBall(1, 1);
    Mass* c = structure.addBall(2, 1);
    EXPECT_EQ(structure.springs.findAttached(a), nullptr);

    structure.addSpring(a, b)->active = false;
    structure.addSpring(b, a)->rejected = true;
    Spring* other = structure.addSpring(b, c);
    Spring* first = structure.addSpring(c, a);
    structure.addSpring(a, b);
    EXPECT_EQ(structure.springs.findAttached(a), first);
    EXPECT_EQ(structure.springs.findAttached(c), other);
    structure.springs.remove(first);
    EXPECT_EQ(structure.springs.findAttached(a), structure.springs.at(3));
}

TEST(SpringList, NeighboursFollowTheSpringOrder)
{
    TestStructure structure;
    addStartingStructure(structure.masses, structure.springs);
    Mass* secondBall = structure.masses.at(1);
    ASSERT_EQ(secondBall->x, -1.0f);
    ASSERT_EQ(secondBall->y, 5.0f);

    std::array<Mass*, 10> out{};
    ASSERT_EQ(structure.springs.neighbours(secondBall, out.data(), 10), 3u);
    EXPECT_EQ(out[0], structure.masses.at(0)); // (-2, 3)
    EXPECT_EQ(out[1], structure.masses.at(2)); // (1, 5)
    EXPECT_EQ(out[2], structure.masses.at(3)); // (2, 3)

    // Stops at max, and a max of 0 writes nothing at all.
    out.fill(nullptr);
    EXPECT_EQ(structure.springs.neighbours(secondBall, out.data(), 2), 2u);
    EXPECT_EQ(out[2], nullptr);
    std::array<Mass*, 1> none{};
    EXPECT_EQ(structure.springs.neighbours(secondBall, none.data(), 0), 0u);
    EXPECT_EQ(none[0], nullptr);

    // Previews do not lead anywhere; rejection is not looked at.
    structure.springs.at(0)->active = false;
    structure.springs.at(1)->rejected = true;
    EXPECT_EQ(structure.springs.neighbours(secondBall, out.data(), 10), 2u);
    EXPECT_EQ(out[0], structure.masses.at(2));
    EXPECT_EQ(out[1], structure.masses.at(3));

    TestStructure empty;
    EXPECT_EQ(empty.springs.neighbours(secondBall, out.data(), 10), 0u);
}

TEST(SpringList, AddGivesTheSpriteAndRemoveDestroysOnlyWhatItHolds)
{
    int destroyed = 0;
    TestStructure structure;
    structure.springs.sprite = 9;
    Mass* a = structure.addBall(0, 1);
    Mass* b = structure.addBall(1, 1);
    Spring* first = structure.addSpring(a, b);
    auto* middle = new WatchedSpring(destroyed);
    middle->attach(b, a);
    structure.springs.add(middle);
    Spring* last = structure.addSpring(a, b);
    EXPECT_EQ(first->sprite, 9u);
    EXPECT_EQ(middle->sprite, 9u);

    Spring stranger;
    structure.springs.remove(&stranger);
    ASSERT_EQ(structure.springs.size(), 3u);
    structure.springs.remove(middle);
    EXPECT_EQ(destroyed, 1);
    ASSERT_EQ(structure.springs.size(), 2u);
    EXPECT_EQ(structure.springs.at(0), first);
    EXPECT_EQ(structure.springs.at(1), last);
}

TEST(SpringList, ApplyForcesAddsEverySpringAndMeasureAllRefreshesTheCache)
{
    TestStructure structure;
    Mass* left = structure.addBall(-2, 1);
    Mass* middle = structure.addBall(0, 1);
    Mass* right = structure.addBall(2, 1);
    structure.addSpring(left, middle)->restLength = 1;
    structure.addSpring(middle, right)->restLength = 1;
    structure.springs.applyForces(0.1f);
    EXPECT_FLOAT_EQ(left->forceX, 100.0f);
    EXPECT_FLOAT_EQ(middle->forceX, 0.0f);
    EXPECT_FLOAT_EQ(right->forceX, -100.0f);

    right->setX(3);
    structure.springs.measureAll();
    EXPECT_FLOAT_EQ(structure.springs.at(1)->length, 3.0f);
    EXPECT_FLOAT_EQ(structure.springs.at(0)->length, 2.0f);
}
