#include "bench/AllocationCounter.h"
#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/StartingStructure.h"
#include "physics/StructureStep.h"
#include "tests/physics/TestStructure.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr float sixtieth = 1.0f / 60.0f;
constexpr int tenSecondsAtSixty = 600;

// Standing as it stands when stepped at 60 frames a second: the two lower
// balls grounded 4 m apart, the two upper ones about two meters above them.
void expectStanding(const MassList& masses)
{
    constexpr float places[4][2] = {{-2, 0.215f}, {-1, 2.193f}, {1, 2.193f}, {2, 0.215f}};
    ASSERT_EQ(masses.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(masses.at(i)->x, places[i][0], 0.02f) << "ball " << i;
        EXPECT_NEAR(masses.at(i)->y, places[i][1], 0.02f) << "ball " << i;
    }
    EXPECT_TRUE(masses.at(0)->grounded && masses.at(3)->grounded);
    EXPECT_EQ(masses.topHeight, std::fmax(masses.at(1)->y, masses.at(2)->y));
}

// A ball hung from a grounded one by a spring, then pulled 6 cm past its rest
// length without the spring being measured: gentle enough that no
// acceleration reaches the clamp, so every slice's geometry shows.
void hangStretched(TestStructure& structure)
{
    Mass* anchor = structure.addBall(0, 2);
    anchor->grounded = true;
    Mass* hanging = structure.addBall(0.6f, 2.8f);
    structure.addSpring(anchor, hanging);
    hanging->setX(0.636f);
    hanging->setY(2.848f);
}

}

TEST(StructureStep, FramesUpToASixtiethAreOneStepLongerOnesAreSliced)
{
    struct Case {
        float frameTime;
        int count;
        float sliceTime;
    };
    for (Case c : {Case{0, 1, 0}, Case{0.016f, 1, 0.016f}, Case{sixtieth, 1, sixtieth}, Case{0.017f, 2, 0.0085f},
                   Case{0.1f, 6, 0.1f / 6}, Case{8 * sixtieth, 8, sixtieth}, Case{0.14f, 8, sixtieth},
                   Case{30, 8, sixtieth}}) {
        EXPECT_EQ(sliceFrame(c.frameTime).count, c.count) << c.frameTime;
        EXPECT_FLOAT_EQ(sliceFrame(c.frameTime).sliceTime, c.sliceTime) << c.frameTime;
    }
}

TEST(StructureStep, EverySliceMeasuresTheSpringsBeforeTheyPush)
{
    TestStructure sliced;
    TestStructure byHand;
    hangStretched(sliced);
    hangStretched(byHand);
    stepStructure(sliced.masses, sliced.springs, 0.05f);
    for (int slice = 0; slice < 3; ++slice) {
        byHand.springs.at(0)->measure();
        byHand.masses.clearForces();
        byHand.springs.applyForces(0.05f / 3);
        byHand.masses.advance(0.05f / 3, byHand.springs);
    }
    const Mass& ball = *sliced.masses.at(1);
    const Mass& expected = *byHand.masses.at(1);
    EXPECT_TRUE(ball.x == expected.x && ball.y == expected.y) << ball.x << " " << ball.y;
    EXPECT_TRUE(ball.velocityX == expected.velocityX && ball.velocityY == expected.velocityY);
}

TEST(StructureStep, TheStartingStructureStandsAtSixtyAtTenFramesASecondAndAfterAStall)
{
    struct Run {
        float frameTime;
        int frames;
    };
    // Half a second in it is still falling; one half-second step from there
    // would carry all four balls through the ground.
    for (auto runs : {std::vector<Run>{{sixtieth, tenSecondsAtSixty}}, std::vector<Run>{{0.1f, 100}},
                      std::vector<Run>{{sixtieth, 30}, {0.5f, 1}, {sixtieth, tenSecondsAtSixty}}}) {
        TestStructure structure;
        addStartingStructure(structure.masses, structure.springs);
        for (Run run : runs)
            structure.runFrames(run.frameTime, run.frames);
        expectStanding(structure.masses);
    }
}

TEST(StructureStep, ASteadyStepAllocatesNothing)
{
    TestStructure structure;
    addStartingStructure(structure.masses, structure.springs);
    hangStretched(structure);
    std::size_t before = allocationCount();
    structure.runFrames(0.5f, 10);
    EXPECT_EQ(allocationCount(), before);
}
