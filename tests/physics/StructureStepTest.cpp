#include "graphics/Stage.h"
#include "physics/Mass.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "physics/StructureStep.h"
#include "tests/physics/TestStructure.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float fastFrame = 1.0f / 60.0f;
constexpr int framesPerSecondAtSixty = 60;
constexpr int secondsToSettle = 10;
constexpr float groundLevel = 0.215f; // a default ball resting on the ground

// The starting structure stands: its two lower balls grounded where they
// landed, the two upper ones about two meters above them, all in the field.
void expectStanding(const MassList& masses)
{
    const Stage& stage = Stage::instance();
    ASSERT_EQ(masses.size(), 4u);
    for (std::size_t i : {0u, 3u}) {
        EXPECT_TRUE(masses.at(i)->grounded) << "ball " << i;
        EXPECT_EQ(masses.at(i)->y, masses.at(i)->radius) << "ball " << i;
    }
    for (std::size_t i : {1u, 2u}) {
        EXPECT_FALSE(masses.at(i)->grounded) << "ball " << i;
        EXPECT_NEAR(masses.at(i)->y - groundLevel, 2.0f, 0.1f) << "ball " << i;
    }
    EXPECT_LT(masses.at(1)->x, masses.at(2)->x) << "the upper balls have crossed";
    for (std::size_t i = 0; i < masses.size(); ++i) {
        EXPECT_GE(masses.at(i)->x, stage.left);
        EXPECT_LE(masses.at(i)->x, stage.right);
        EXPECT_GE(masses.at(i)->y, stage.bottom);
        EXPECT_LE(masses.at(i)->y, stage.top);
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

class StartingStructure : public testing::Test {
protected:
    void SetUp() override
    {
        Stage::instance().setBounds(30, 8, 0, -8);
        addStartingStructure(reference.masses, reference.springs);
        reference.runFrames(fastFrame, secondsToSettle * framesPerSecondAtSixty);
    }
    TestStructure reference;
};

}

TEST(StructureStep, FramesUpToASixtiethAreOneStepLongerOnesAreSliced)
{
    for (float frameTime : {0.0f, 0.001f, 0.016f, fastFrame}) {
        StructureSlices slices = sliceFrame(frameTime);
        EXPECT_EQ(slices.count, 1) << frameTime;
        EXPECT_EQ(slices.sliceTime, frameTime);
    }
    StructureSlices justOver = sliceFrame(0.017f);
    EXPECT_EQ(justOver.count, 2);
    EXPECT_FLOAT_EQ(justOver.sliceTime, 0.0085f);
    StructureSlices tenth = sliceFrame(0.1f);
    EXPECT_EQ(tenth.count, 6);
    EXPECT_FLOAT_EQ(tenth.sliceTime, 0.1f / 6);
    StructureSlices longest = sliceFrame(8 * fastFrame);
    EXPECT_EQ(longest.count, 8);
    EXPECT_FLOAT_EQ(longest.sliceTime, fastFrame);

    // Past 8/60 s the rest of the pause is not simulated.
    for (float pause : {0.14f, 0.5f, 30.0f}) {
        StructureSlices capped = sliceFrame(pause);
        EXPECT_EQ(capped.count, 8) << pause;
        EXPECT_EQ(capped.sliceTime, fastFrame) << pause;
    }
}

TEST(StructureStep, SlicesOfALongFrameEachSeeFreshSpringGeometry)
{
    TestStructure sliced;
    Mass* anchor = sliced.addBall(0, 2);
    anchor->grounded = true;
    Mass* hanging = sliced.addBall(1.5f, 2);
    sliced.addSpring(anchor, hanging)->restLength = 1;

    TestStructure byHand;
    Mass* handAnchor = byHand.addBall(0, 2);
    handAnchor->grounded = true;
    Mass* handHanging = byHand.addBall(1.5f, 2);
    byHand.addSpring(handAnchor, handHanging)->restLength = 1;

    stepStructure(sliced.masses, sliced.springs, 0.05f);
    for (int slice = 0; slice < 3; ++slice) {
        byHand.springs.measureAll();
        byHand.masses.clearForces();
        byHand.springs.applyForces(0.05f / 3);
        byHand.masses.advance(0.05f / 3);
    }
    EXPECT_EQ(hanging->x, handHanging->x);
    EXPECT_EQ(hanging->y, handHanging->y);
    EXPECT_EQ(hanging->velocityX, handHanging->velocityX);
    EXPECT_EQ(sliced.masses.topHeight, byHand.masses.topHeight);
}

TEST_F(StartingStructure, IsFourBallsAndSixSpringsAtRest)
{
    TestStructure structure;
    addStartingStructure(structure.masses, structure.springs);
    ASSERT_EQ(structure.masses.size(), 4u);
    ASSERT_EQ(structure.springs.size(), 6u);
    const float places[4][2] = {{-2, 3}, {-1, 5}, {1, 5}, {2, 3}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(structure.masses.at(i)->x, places[i][0]);
        EXPECT_EQ(structure.masses.at(i)->y, places[i][1]);
        EXPECT_FLOAT_EQ(structure.masses.at(i)->mass, 0.25f);
    }
    const std::size_t ends[6][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {0, 2}, {1, 3}};
    const float restLengths[6] = {std::sqrt(5.0f), 2, std::sqrt(5.0f), 4, std::sqrt(13.0f), std::sqrt(13.0f)};
    for (std::size_t i = 0; i < 6; ++i) {
        const Spring& spring = *structure.springs.at(i);
        EXPECT_EQ(spring.massA, structure.masses.at(ends[i][0])) << "spring " << i;
        EXPECT_EQ(spring.massB, structure.masses.at(ends[i][1])) << "spring " << i;
        EXPECT_FLOAT_EQ(spring.restLength, restLengths[i]) << "spring " << i;
        EXPECT_FLOAT_EQ(spring.stiffness, 100.0f);
        EXPECT_TRUE(spring.active);
    }
}

TEST_F(StartingStructure, FallsAndStandsAtSixtyFramesASecond)
{
    expectStanding(reference.masses);
    EXPECT_FLOAT_EQ(reference.masses.at(0)->x, -2.0f);
    EXPECT_FLOAT_EQ(reference.masses.at(3)->x, 2.0f);
    EXPECT_NEAR(reference.masses.at(1)->x, -1.0f, 0.05f);
    EXPECT_NEAR(reference.masses.at(2)->x, 1.0f, 0.05f);
}

TEST_F(StartingStructure, StandsAtTenFramesASecond)
{
    TestStructure slow;
    addStartingStructure(slow.masses, slow.springs);
    slow.runFrames(0.1f, secondsToSettle * 10);
    expectStanding(slow.masses);
    expectSamePlaces(slow.masses, reference.masses);
}

TEST_F(StartingStructure, SurvivesAHalfSecondFrameDuringItsFall)
{
    // Half a second in, it is still falling; a half-second frame there would
    // carry all four balls through the ground in one step.
    TestStructure stalled;
    addStartingStructure(stalled.masses, stalled.springs);
    stalled.runFrames(fastFrame, framesPerSecondAtSixty / 2);
    EXPECT_FALSE(stalled.masses.at(0)->grounded);
    stalled.runFrames(0.5f, 1);
    stalled.runFrames(fastFrame, secondsToSettle * framesPerSecondAtSixty);
    expectStanding(stalled.masses);
    expectSamePlaces(stalled.masses, reference.masses);
}
