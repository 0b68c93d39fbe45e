#include "physics/Mass.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "tests/physics/TestStructure.h"

#include <gtest/gtest.h>

TEST(MassList, NearestTwoRanksActiveBallsByDistanceThenListOrder)
{
    Mass* nearest = nullptr;
    Mass* second = nullptr;
    TestStructure structure;
    Mass* upper = structure.addBall(0, 2);
    structure.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, nullptr) << "one ball is not enough";
    EXPECT_EQ(second, nullptr);

    Mass* farther = structure.addBall(0, 5);
    Mass* tied = structure.addBall(2, 0);
    structure.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, upper);
    EXPECT_EQ(second, tied);

    upper->active = false;
    structure.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, tied);
    EXPECT_EQ(second, farther);
    tied->active = false;
    structure.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, farther);
    EXPECT_EQ(second, nullptr);

    // No range limit, but a squared distance of 1e10 never counts.
    TestStructure distant;
    Mass* far = distant.addBall(90000, 0);
    distant.addBall(100000, 0);
    distant.masses.nearestTwo(0, 0, nearest, second);
    EXPECT_EQ(nearest, far);
    EXPECT_EQ(second, nullptr);
}

TEST(MassList, AddGivesTheSpriteAndRemoveDestroysOnlyWhatItHolds)
{
    TestStructure structure;
    structure.masses.sprite = 42;
    Mass* first = structure.addBall(0, 1);
    Mass* middle = structure.addBall(0, 2);
    Mass* last = structure.addBall(0, 3);
    EXPECT_EQ(middle->sprite, 42u);

    Mass stranger;
    structure.masses.remove(&stranger);
    ASSERT_EQ(structure.masses.size(), 3u);
    structure.masses.remove(middle); // the leak checker sees it destroyed
    ASSERT_EQ(structure.masses.size(), 2u);
    EXPECT_EQ(structure.masses.at(0), first);
    EXPECT_EQ(structure.masses.at(1), last);
}

TEST(MassList, AdvanceGroundsBallsForGoodAndFindsTheTop)
{
    TestStructure empty;
    empty.masses.topHeight = 7;
    empty.masses.advance(0.1f);
    EXPECT_EQ(empty.masses.topHeight, 0.0f);

    TestStructure structure;
    Mass* falling = structure.addBall(0.5f, 0.3f);
    falling->velocityX = 2;
    falling->velocityY = -3;
    Mass* touching = structure.addBall(2, 0.215f);
    touching->active = false; // not integrated, yet grounded
    Mass* aloft = structure.addBall(3, 5);
    Mass* held = structure.addBall(0, 9);
    held->active = false;
    structure.masses.advance(0.1f);
    EXPECT_EQ(falling->y, falling->radius);
    EXPECT_EQ(falling->velocityX, 0.0f);
    EXPECT_EQ(falling->velocityY, 0.0f);
    EXPECT_TRUE(falling->grounded);
    EXPECT_TRUE(touching->grounded);
    EXPECT_FALSE(aloft->grounded);
    EXPECT_EQ(structure.masses.topHeight, 9.0f);
    held->setY(1);
    structure.masses.advance(0.1f);
    EXPECT_EQ(structure.masses.topHeight, aloft->y);

    // A spring pulling it does not lift a grounded ball again.
    float groundedX = falling->x;
    structure.addSpring(falling, aloft)->restLength = 0.5f;
    structure.runFrames(0.1f, 30);
    EXPECT_EQ(falling->x, groundedX);
    EXPECT_EQ(falling->y, falling->radius);
    for (std::size_t i = 0; i < structure.masses.size(); ++i)
        EXPECT_GE(structure.masses.at(i)->y, structure.masses.at(i)->radius);
}
