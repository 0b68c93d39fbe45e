#include "physics/Mass.h"

#include <gtest/gtest.h>

namespace {

Mass ballAt(float x, float y)
{
    Mass ball;
    ball.setX(x);
    ball.setY(y);
    return ball;
}

// Counts the position writes that go through the overridable setters.
struct SetterCountingMass : Mass {
    void setX(float value) override
    {
        ++setterCalls;
        Mass::setX(value);
    }
    void setY(float value) override
    {
        ++setterCalls;
        Mass::setY(value);
    }
    int setterCalls = 0;
};

}

TEST(Mass, StartsAsADefaultBallWithItsRadiusFromItsMass)
{
    Mass ball;
    EXPECT_FLOAT_EQ(ball.mass, 0.25f);
    EXPECT_FLOAT_EQ(ball.radius, 0.215f);
    EXPECT_FLOAT_EQ(ball.damping, 0.05f);
    EXPECT_FLOAT_EQ(ball.gravityX, 0.0f);
    EXPECT_FLOAT_EQ(ball.gravityY, -9.81f);
    EXPECT_TRUE(ball.active);
    EXPECT_FALSE(ball.grounded);
    EXPECT_FALSE(ball.hidden);
    EXPECT_EQ(ball.sprite, 0u);
    EXPECT_FLOAT_EQ(radiusForMass(0.3f), 0.2355207f);
}

TEST(Mass, OneStepUnderGravityAlone)
{
    Mass ball = ballAt(0, 10);
    ball.update(0.1f);
    EXPECT_FLOAT_EQ(ball.velocityX, 0.0f);
    EXPECT_FLOAT_EQ(ball.velocityY, -0.981f);
    EXPECT_FLOAT_EQ(ball.x, 0.0f);
    EXPECT_FLOAT_EQ(ball.y, 9.95095f);
    EXPECT_FLOAT_EQ(ball.forceY, -2.4525f);

    // Gravity alone accelerates every ball alike, whatever its mass.
    Mass heavy = ballAt(0, 10);
    heavy.mass = 3;
    heavy.update(0.1f);
    EXPECT_FLOAT_EQ(heavy.velocityY, -0.981f);
}

TEST(Mass, DragBrakesAgainstTheVelocity)
{
    Mass ball = ballAt(0, 10);
    ball.velocityX = 2;
    ball.velocityY = -4;
    ball.update(0.1f);
    EXPECT_FLOAT_EQ(ball.forceX, -0.1f);
    EXPECT_FLOAT_EQ(ball.forceY, -2.4525f + 0.2f);
    EXPECT_FLOAT_EQ(ball.velocityX, 2 - 0.04f);
    EXPECT_FLOAT_EQ(ball.x, 0.2f - 0.002f);
}

TEST(Mass, AccelerationIsClampedTo45PerAxis)
{
    Mass pulled = ballAt(0, 10);
    pulled.forceX = 20; // 80 unclamped
    pulled.forceY = -20; // far below -45 with gravity
    pulled.update(0.1f);
    EXPECT_FLOAT_EQ(pulled.velocityX, 4.5f);
    EXPECT_FLOAT_EQ(pulled.x, 0.225f);
    EXPECT_FLOAT_EQ(pulled.velocityY, -4.5f);
    EXPECT_FLOAT_EQ(pulled.y, 10 - 0.225f);

    // At exactly the bound nothing is cut, and each axis is bounded alone.
    Mass atBound = ballAt(0, 10);
    atBound.forceX = 11.25f; // exactly 45
    atBound.update(1);
    EXPECT_FLOAT_EQ(atBound.velocityX, 45.0f);
    EXPECT_FLOAT_EQ(atBound.velocityY, -9.81f);

    Mass pushedUp = ballAt(0, 10);
    pushedUp.forceY = 30;
    pushedUp.update(1);
    EXPECT_FLOAT_EQ(pushedUp.velocityY, 45.0f);
    EXPECT_FLOAT_EQ(pushedUp.velocityX, 0.0f);
}

TEST(Mass, ZeroStepMovesNothingButStillAddsGravityAndDrag)
{
    Mass ball = ballAt(1, 2);
    ball.velocityX = 2;
    ball.velocityY = 4;
    ball.update(0);
    EXPECT_EQ(ball.x, 1.0f);
    EXPECT_EQ(ball.y, 2.0f);
    EXPECT_EQ(ball.velocityX, 2.0f);
    EXPECT_EQ(ball.velocityY, 4.0f);
    EXPECT_FLOAT_EQ(ball.forceX, -0.1f);
    EXPECT_FLOAT_EQ(ball.forceY, -2.4525f - 0.2f);
}

TEST(Mass, GroundedHiddenAndInactiveBallsDoNotMove)
{
    for (int flag = 0; flag < 3; ++flag) {
        Mass ball = ballAt(1, 5);
        ball.velocityX = 1;
        ball.velocityY = 2;
        ball.forceX = 7;
        ball.grounded = flag == 0;
        ball.hidden = flag == 1;
        ball.active = flag != 2;
        ball.update(0.1f);
        EXPECT_EQ(ball.x, 1.0f) << "flag " << flag;
        EXPECT_EQ(ball.y, 5.0f) << "flag " << flag;
        EXPECT_EQ(ball.velocityX, 1.0f) << "flag " << flag;
        EXPECT_EQ(ball.velocityY, 2.0f) << "flag " << flag;
        EXPECT_EQ(ball.forceX, 7.0f) << "no gravity or drag is added, flag " << flag;
    }
}

TEST(Mass, CopyFromTakesMassPositionAndVelocityOnly)
{
    Mass crawler = ballAt(3, 4);
    crawler.mass = 0.3f;
    crawler.radius = 9; // stale: the copy recomputes it from the mass
    crawler.velocityX = -1;
    crawler.velocityY = 2;
    crawler.forceX = 5;
    crawler.damping = 0.5f;
    crawler.active = false;
    crawler.sprite = 7;

    SetterCountingMass ball;
    ball.forceX = 1;
    ball.sprite = 3;
    ball.copyFrom(crawler);
    EXPECT_FLOAT_EQ(ball.mass, 0.3f);
    EXPECT_FLOAT_EQ(ball.radius, 0.2355207f);
    EXPECT_EQ(ball.x, 3.0f);
    EXPECT_EQ(ball.y, 4.0f);
    EXPECT_EQ(ball.velocityX, -1.0f);
    EXPECT_EQ(ball.velocityY, 2.0f);
    EXPECT_EQ(ball.setterCalls, 2);
    EXPECT_EQ(ball.forceX, 1.0f);
    EXPECT_FLOAT_EQ(ball.damping, 0.05f);
    EXPECT_TRUE(ball.active);
    EXPECT_EQ(ball.sprite, 3u);
}

TEST(Mass, SettersMoveTheBallButKeepItsVelocity)
{
    Mass ball;
    ball.velocityX = 1.5f;
    ball.velocityY = -2.5f;
    ball.setX(4);
    ball.setY(6);
    EXPECT_EQ(ball.x, 4.0f);
    EXPECT_EQ(ball.y, 6.0f);
    EXPECT_EQ(ball.velocityX, 1.5f);
    EXPECT_EQ(ball.velocityY, -2.5f);
    ball.setSprite(12);
    EXPECT_EQ(ball.sprite, 12u);
}
