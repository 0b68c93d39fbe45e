#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/StartingStructure.h"
#include "physics/StrayBallHandler.h"
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

    TestStructure distant; // no range limit, but a squared distance of 1e10 never counts
    Mass* far = distant.addBall(90000, 0);
    distant.addBall(100000, 0);
    EXPECT_EQ(nearestTwo(distant.masses, 0, 0), (Pair{far, nullptr}));
}

TEST(MassList, AdvanceGroundsBallsForGoodAndFindsTheTop)
{
    TestStructure empty;
    empty.masses.topHeight = 7;
    empty.masses.advance(0.1f, empty.springs);
    EXPECT_EQ(empty.masses.topHeight, 0.0f);

    TestStructure structure;
    structure.masses.sprite = 42;
    Mass* falling = structure.addBall(0.5f, 0.3f);
    falling->velocityX = 2;
    falling->velocityY = -3;
    Mass* touching = structure.addBall(2, 0.215f);
    touching->active = false; // not integrated, yet grounded
    Mass* aloft = structure.addBall(3, 5);
    Mass* held = structure.addBall(0, 9);
    held->active = false;
    EXPECT_EQ(held->sprite, 42u);
    structure.masses.advance(0.1f, structure.springs);
    EXPECT_TRUE(falling->y == falling->radius && falling->velocityX == 0 && falling->velocityY == 0);
    EXPECT_TRUE(falling->grounded && touching->grounded && !aloft->grounded);
    EXPECT_EQ(structure.masses.topHeight, 9.0f);
    structure.masses.remove(held);
    Mass stranger;
    structure.masses.remove(&stranger);
    ASSERT_EQ(structure.masses.size(), 3u);
    structure.masses.advance(0.1f, structure.springs);
    EXPECT_EQ(structure.masses.topHeight, aloft->y) << "the top falls with the structure";

    float groundedX = falling->x; // a spring pulling it does not lift it again
    structure.addSpring(falling, aloft)->restLength = 0.5f;
    structure.runFrames(0.1f, 30);
    EXPECT_TRUE(falling->x == groundedX && falling->y == falling->radius);
    EXPECT_EQ(structure.masses.at(2), aloft);
    EXPECT_GE(aloft->y, aloft->radius);
}

TEST(SpringList, QueriesPassOverPreviewsAndFollowTheSpringOrder)
{
    TestStructure structure;
    addStartingStructure(structure.masses, structure.springs);
    Mass* upperLeft = structure.masses.at(1);
    ASSERT_TRUE(upperLeft->x == -1 && upperLeft->y == 5);
    std::array<Mass*, 10> out{};
    ASSERT_EQ(structure.springs.neighbours(upperLeft, out.data(), 10), 3u);
    EXPECT_EQ(out, (std::array<Mass*, 10>{structure.masses.at(0), structure.masses.at(2), structure.masses.at(3)}));
    out.fill(nullptr);
    EXPECT_EQ(structure.springs.neighbours(upperLeft, out.data(), 2), 2u);
    EXPECT_EQ(out[2], nullptr);
    EXPECT_EQ(structure.springs.neighbours(upperLeft, out.data(), 0), 0u);
    structure.springs.at(0)->active = false;
    structure.springs.at(1)->rejected = true; // neighbours does not look at rejection
    EXPECT_EQ(structure.springs.neighbours(upperLeft, out.data(), 10), 2u);
    EXPECT_EQ(out[0], structure.masses.at(2));

    Mass* a = structure.addBall(0, 1);
    Mass* b = structure.addBall(1, 1);
    Mass* c = structure.addBall(2, 1);
    structure.addSpring(a, b)->active = false;
    EXPECT_FALSE(structure.springs.joined(a, b)) << "a preview joins nothing";
    EXPECT_EQ(structure.springs.findAttached(a), nullptr);
    structure.addSpring(c, a)->rejected = true;
    Spring* other = structure.addSpring(b, c);
    Spring* built = structure.addSpring(b, a);
    EXPECT_TRUE(structure.springs.joined(a, b) && structure.springs.joined(b, a));
    EXPECT_TRUE(structure.springs.joined(a, c)) << "joined does not look at rejection";
    EXPECT_FALSE(structure.springs.joined(a, structure.masses.at(0)));
    EXPECT_EQ(structure.springs.findAttached(a), built) << "findAttached does";
    EXPECT_EQ(structure.springs.findAttached(c), other);
    structure.springs.remove(other);
    EXPECT_EQ(structure.springs.at(structure.springs.size() - 1), built);
}

TEST(MassList, ABallPastASideLeavesWithItsBuiltSpringsAndTheWalkGoesOn)
{
    struct Catcher : StrayBallHandler {
        void takeStrayBall(const Mass& ball) override
        {
            caught.push_back({ball.x, ball.y, ball.velocityX, ball.mass});
            springsLeft = springs->size();
        }
        std::vector<std::array<float, 4>> caught;
        const SpringList* springs = nullptr;
        std::size_t springsLeft = 0;
    } catcher;
    TestStructure structure;
    structure.masses.strayBallHandler = &catcher;
    catcher.springs = &structure.springs;
    Mass* onBound = structure.addBall(-8, 3);
    Mass* onRightBound = structure.addBall(8, 3);
    Mass* leaving = structure.addBall(-8.001f, 9);
    leaving->velocityX = -1;
    Mass* next = structure.addBall(8.5f, 0.1f); // grounded and detached in one step
    Mass* last = structure.addBall(0, 4);
    for (Mass* ball : {onBound, onRightBound, leaving, last})
        ball->grounded = true;
    Spring* kept = structure.addSpring(onBound, last);
    structure.addSpring(leaving, onBound);
    Spring* preview = structure.addSpring(last, leaving);
    preview->active = false;
    structure.addSpring(last, leaving);
    Spring* alsoKept = structure.addSpring(last, onBound);
    structure.addSpring(next, last);

    structure.masses.advance(0.1f, structure.springs);
    ASSERT_EQ(catcher.caught.size(), 2u);
    EXPECT_EQ(catcher.caught[0], (std::array<float, 4>{-8.001f, 9, -1, 0.25f}));
    EXPECT_EQ(catcher.caught[1][0], 8.5f);
    EXPECT_EQ(catcher.springsLeft, 3u) << "its springs are gone before the handler sees it";
    ASSERT_EQ(structure.masses.size(), 3u);
    EXPECT_TRUE(structure.masses.at(0) == onBound && structure.masses.at(1) == onRightBound);
    EXPECT_EQ(structure.masses.topHeight, 4.0f) << "stepped after the detach, the leaving ball not counted";
    ASSERT_EQ(structure.springs.size(), 3u);
    EXPECT_TRUE(structure.springs.at(0) == kept && structure.springs.at(1) == preview && structure.springs.at(2) == alsoKept);
    preview->attach(last, last); // not the test's to leave dangling
}
