#include "graphics/Stage.h"
#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/StartingStructure.h"
#include "physics/StructureStep.h"
#include "tests/physics/TestStructure.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float sixtieth = 1.0f / 60.0f;
constexpr int tenSecondsAtSixty = 600;

// Standing: the two lower balls grounded where they landed, the two upper
// ones about two meters above them and not crossed over, all in the field.
void expectStanding(const MassList& masses)
{
    const Stage& stage = Stage::instance();
    ASSERT_EQ(masses.size(), 4u);
    for (std::size_t lower : {0u, 3u}) {
        EXPECT_TRUE(masses.at(lower)->grounded) << "ball " << lower;
        EXPECT_EQ(masses.at(lower)->y, masses.at(lower)->radius) << "ball " << lower;
    }
    for (std::size_t upper : {1u, 2u})
        EXPECT_NEAR(masses.at(upper)->y - masses.at(0)->y, 2.0f, 0.1f) << "ball " << upper;
    EXPECT_LT(masses.at(1)->x, masses.at(2)->x);
    for (std::size_t i = 0; i < masses.size(); ++i) {
        EXPECT_TRUE(masses.at(i)->x >= stage.left && masses.at(i)->x <= stage.right) << "ball " << i;
        EXPECT_TRUE(masses.at(i)->y >= stage.bottom && masses.at(i)->y <= stage.top) << "ball " << i;
    }
    EXPECT_EQ(masses.topHeight, std::fmax(masses.at(1)->y, masses.at(2)->y));
}

void expectSamePlaces(const MassList& masses, const MassList& reference)
{
    for (std::size_t i = 0; i < masses.size(); ++i) {
        EXPECT_NEAR(masses.at(i)->x, reference.at(i)->x, 0.02f) << "ball " << i;
        EXPECT_NEAR(masses.at(i)->y, reference.at(i)->y, 0.02f) << "ball " << i;
    }
}

}

TEST(StructureStep, FramesUpToASixtiethAreOneStepLongerOnesAreSliced)
{
    for (float frameTime : {0.0f, 0.016f, sixtieth}) {
        EXPECT_EQ(sliceFrame(frameTime).count, 1) << frameTime;
        EXPECT_EQ(sliceFrame(frameTime).sliceTime, frameTime);
    }
    EXPECT_EQ(sliceFrame(0.017f).count, 2);
    EXPECT_FLOAT_EQ(sliceFrame(0.017f).sliceTime, 0.0085f);
    EXPECT_EQ(sliceFrame(0.1f).count, 6);
    EXPECT_EQ(sliceFrame(8 * sixtieth).count, 8);
    EXPECT_FLOAT_EQ(sliceFrame(8 * sixtieth).sliceTime, sixtieth);
    for (float pause : {0.14f, 30.0f}) {
        EXPECT_EQ(sliceFrame(pause).count, 8) << pause;
        EXPECT_EQ(sliceFrame(pause).sliceTime, sixtieth) << pause;
    }
}

TEST(StructureStep, EverySliceAfterTheFirstSeesFreshSpringGeometry)
{
    TestStructure sliced;
    TestStructure byHand;
    for (TestStructure* structure : {&sliced, &byHand}) {
        Mass* anchor = structure->addBall(0, 2);
        anchor->grounded = true;
        structure->addSpring(anchor, structure->addBall(1.5f, 2))->restLength = 1;
    }
    stepStructure(sliced.masses, sliced.springs, 0.05f);
    for (int slice = 0; slice < 3; ++slice) {
        byHand.springs.measureAll();
        byHand.masses.clearForces();
        byHand.springs.applyForces(0.05f / 3);
        byHand.masses.advance(0.05f / 3);
    }
    EXPECT_EQ(sliced.masses.at(1)->x, byHand.masses.at(1)->x);
    EXPECT_EQ(sliced.masses.at(1)->velocityX, byHand.masses.at(1)->velocityX);
    EXPECT_EQ(sliced.masses.topHeight, byHand.masses.topHeight);
}

TEST(StructureStep, TheStartingStructureStandsAtSixtyAtTenFramesASecondAndAfterAStall)
{
    Stage::instance().setBounds(30, 8, 0, -8);
    TestStructure steady;
    addStartingStructure(steady.masses, steady.springs);
    steady.runFrames(sixtieth, tenSecondsAtSixty);
    expectStanding(steady.masses);
    EXPECT_FLOAT_EQ(steady.masses.at(0)->x, -2.0f);
    EXPECT_FLOAT_EQ(steady.masses.at(3)->x, 2.0f);

    TestStructure slow;
    addStartingStructure(slow.masses, slow.springs);
    slow.runFrames(0.1f, 100);
    expectStanding(slow.masses);
    expectSamePlaces(slow.masses, steady.masses);

    // Half a second in it is still falling; one half-second step from there
    // would carry all four balls through the ground.
    TestStructure stalled;
    addStartingStructure(stalled.masses, stalled.springs);
    stalled.runFrames(sixtieth, 30);
    ASSERT_FALSE(stalled.masses.at(0)->grounded);
    stalled.runFrames(0.5f, 1);
    stalled.runFrames(sixtieth, tenSecondsAtSixty);
    expectStanding(stalled.masses);
    expectSamePlaces(stalled.masses, steady.masses);
}
