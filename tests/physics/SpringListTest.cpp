#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "tests/physics/TestStructure.h"

#include <array>
#include <gtest/gtest.h>

TEST(SpringList, JoinedAndFindAttachedPassOverPreviews)
{
    TestStructure structure;
    Mass* a = structure.addBall(0, 1);
    Mass* b = structure.addBall(1, 1);
    Mass* c = structure.addBall(2, 1);
    structure.addSpring(a, b)->active = false;
    EXPECT_FALSE(structure.springs.joined(a, b));
    EXPECT_EQ(structure.springs.findAttached(a), nullptr);

    structure.addSpring(c, a)->rejected = true;
    Spring* other = structure.addSpring(b, c);
    Spring* built = structure.addSpring(b, a);
    EXPECT_TRUE(structure.springs.joined(a, b));
    EXPECT_TRUE(structure.springs.joined(b, a));
    EXPECT_TRUE(structure.springs.joined(a, c)) << "joined does not look at rejection";
    EXPECT_EQ(structure.springs.findAttached(a), built) << "findAttached does";
    EXPECT_EQ(structure.springs.findAttached(c), other);

    Spring stranger;
    structure.springs.remove(&stranger);
    ASSERT_EQ(structure.springs.size(), 4u);
    structure.springs.remove(other);
    ASSERT_EQ(structure.springs.size(), 3u);
    EXPECT_EQ(structure.springs.at(2), built);
}

TEST(SpringList, NeighboursFollowTheSpringOrderUpToMax)
{
    TestStructure structure;
    addStartingStructure(structure.masses, structure.springs);
    Mass* upperLeft = structure.masses.at(1);
    ASSERT_EQ(upperLeft->x, -1.0f);
    ASSERT_EQ(upperLeft->y, 5.0f);

    std::array<Mass*, 10> out{};
    ASSERT_EQ(structure.springs.neighbours(upperLeft, out.data(), 10), 3u);
    EXPECT_EQ(out[0], structure.masses.at(0)); // (-2, 3)
    EXPECT_EQ(out[1], structure.masses.at(2)); // (1, 5)
    EXPECT_EQ(out[2], structure.masses.at(3)); // (2, 3)

    out.fill(nullptr);
    EXPECT_EQ(structure.springs.neighbours(upperLeft, out.data(), 2), 2u);
    EXPECT_EQ(out[2], nullptr);
    out.fill(nullptr);
    EXPECT_EQ(structure.springs.neighbours(upperLeft, out.data(), 0), 0u);
    EXPECT_EQ(out[0], nullptr) << "a max of 0 writes nothing";

    structure.springs.at(0)->active = false;
    structure.springs.at(1)->rejected = true;
    EXPECT_EQ(structure.springs.neighbours(upperLeft, out.data(), 10), 2u);
    EXPECT_EQ(out[0], structure.masses.at(2));
}
