#include "physics/Mass.h"

#include <gtest/gtest.h>

namespace {

Mass ballAt(float x, float y, float velocityX = 0, float velocityY = 0)
{
    Mass ball;
    ball.setX(x);
    ball.setY(y);
    ball.velocityX = velocityX;
    ball.velocityY = velocityY;
    return ball;
}

}

TEST(Mass, OneStepUnderGravityAndDrag)
{
    Mass ball = ballAt(0, 10);
    EXPECT_FLOAT_EQ(ball.radius, 0.215f);
    ball.update(0.1f);
    EXPECT_FLOAT_EQ(ball.velocityY, -0.981f);
    EXPECT_FLOAT_EQ(ball.y, 9.95095f);
    EXPECT_FLOAT_EQ(ball.forceY, -2.4525f);
    EXPECT_EQ(ball.x, 0.0f);

    Mass heavy = ballAt(0, 10);
    heavy.mass = 3;
    heavy.update(0.1f);
    EXPECT_FLOAT_EQ(heavy.velocityY, -0.981f) << "gravity alone ignores the mass";

    // A zero step moves nothing but still adds gravity and drag.
    Mass still = ballAt(1, 2, 2, 4);
    still.update(0);
    EXPECT_EQ(still.x, 1.0f);
    EXPECT_EQ(still.y, 2.0f);
    EXPECT_EQ(still.velocityX, 2.0f);
    EXPECT_EQ(still.velocityY, 4.0f);
    EXPECT_FLOAT_EQ(still.forceX, -0.1f);
    EXPECT_FLOAT_EQ(still.forceY, -2.4525f - 0.2f);
}

TEST(Mass, AccelerationIsClampedTo45PerAxis)
{
    Mass pulled = ballAt(0, 10);
    pulled.forceX = 20; // 80 unclamped
    pulled.update(0.1f);
    EXPECT_FLOAT_EQ(pulled.velocityX, 4.5f);
    EXPECT_FLOAT_EQ(pulled.x, 0.225f);
    EXPECT_FLOAT_EQ(pulled.velocityY, -0.981f);

    Mass atBound = ballAt(0, 10);
    atBound.forceX = 11.25f; // exactly 45
    atBound.forceY = -20;
    atBound.update(1);
    EXPECT_FLOAT_EQ(atBound.velocityX, 45.0f);
    EXPECT_FLOAT_EQ(atBound.velocityY, -45.0f);
}

TEST(Mass, GroundedHiddenAndInactiveBallsDoNotMove)
{
    for (int flag = 0; flag < 3; ++flag) {
        Mass ball = ballAt(1, 5, 1, 2);
        ball.grounded = flag == 0;
        ball.hidden = flag == 1;
        ball.active = flag != 2;
        ball.update(0.1f);
        EXPECT_EQ(ball.x, 1.0f) << "flag " << flag;
        EXPECT_EQ(ball.y, 5.0f) << "flag " << flag;
        EXPECT_EQ(ball.velocityX, 1.0f) << "flag " << flag;
        EXPECT_EQ(ball.velocityY, 2.0f) << "flag " << flag;
        EXPECT_EQ(ball.forceY, 0.0f) << "flag " << flag;
    }
}

TEST(Mass, CopyFromTakesMassPositionAndVelocityAndSettersKeepVelocity)
{
    Mass crawler = ballAt(3, 4, -1, 2);
    crawler.mass = 0.3f;
    crawler.radius = 9; // stale: the copy recomputes it
    crawler.damping = 0.5f;
    crawler.active = false;

    Mass ball;
    ball.forceX = 1;
    ball.sprite = 3;
    ball.copyFrom(crawler);
    EXPECT_FLOAT_EQ(ball.radius, 0.2355207f);
    EXPECT_EQ(ball.mass, 0.3f);
    EXPECT_EQ(ball.x, 3.0f);
    EXPECT_EQ(ball.y, 4.0f);
    EXPECT_EQ(ball.velocityX, -1.0f);
    EXPECT_EQ(ball.velocityY, 2.0f);
    EXPECT_EQ(ball.forceX, 1.0f);
    EXPECT_FLOAT_EQ(ball.damping, 0.05f);
    EXPECT_TRUE(ball.active);
    EXPECT_EQ(ball.sprite, 3u);

    ball.setX(7);
    ball.setY(8);
    EXPECT_EQ(ball.velocityX, -1.0f);
    EXPECT_EQ(ball.velocityY, 2.0f);
}
