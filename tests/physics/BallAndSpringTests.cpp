#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/SpringStrip.h"

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

struct TwoBalls {
    TwoBalls(float ax, float ay, float bx, float by) : a(ballAt(ax, ay)), b(ballAt(bx, by)) { spring.attach(&a, &b); }
    Mass a;
    Mass b;
    Spring spring;
};

}

TEST(Mass, IntegratesGravityAndDragWithTheAccelerationClampedPerAxis)
{
    struct Case {
        const char* what;
        float mass, forceX, forceY, dt;
        float x, y, velocityX, velocityY;
    };
    for (const Case& c : {Case{"free fall", 0.25f, 0, 0, 0.1f, 0, 9.95095f, 0, -0.981f},
                          Case{"gravity alone ignores the mass", 3, 0, 0, 0.1f, 0, 9.95095f, 0, -0.981f},
                          Case{"clamped to 45 per axis", 0.25f, 20, -20, 0.1f, 0.225f, 9.775f, 4.5f, -4.5f},
                          Case{"exactly 45", 0.25f, 11.25f, 0, 1, 22.5f, 5.095f, 45, -9.81f}}) {
        Mass ball = ballAt(0, 10);
        ball.mass = c.mass;
        ball.forceX = c.forceX;
        ball.forceY = c.forceY;
        ball.update(c.dt);
        EXPECT_FLOAT_EQ(ball.x, c.x) << c.what;
        EXPECT_FLOAT_EQ(ball.y, c.y) << c.what;
        EXPECT_FLOAT_EQ(ball.velocityX, c.velocityX) << c.what;
        EXPECT_FLOAT_EQ(ball.velocityY, c.velocityY) << c.what;
    }
    Mass still = ballAt(1, 2, 2, 4);
    still.update(0);
    EXPECT_TRUE(still.x == 1 && still.y == 2 && still.velocityX == 2 && still.velocityY == 4);
    EXPECT_FLOAT_EQ(still.forceX, -0.1f) << "a zero step still adds drag";
    EXPECT_FLOAT_EQ(still.forceY, -2.4525f - 0.2f);
}

TEST(Mass, GroundedHiddenAndInactiveBallsStayPutAndCopiesTakeOnlyMassPlaceAndSpeed)
{
    for (int flag = 0; flag < 3; ++flag) {
        Mass ball = ballAt(1, 5, 1, 2);
        ball.grounded = flag == 0;
        ball.hidden = flag == 1;
        ball.active = flag != 2;
        ball.update(0.1f);
        EXPECT_TRUE(ball.y == 5 && ball.velocityY == 2 && ball.forceY == 0) << "flag " << flag;
    }
    Mass crawler = ballAt(3, 4, -1, 2);
    crawler.mass = 0.3f;
    crawler.radius = 9;
    crawler.damping = 0.5f;
    crawler.active = false;
    Mass ball;
    ball.sprite = 3;
    ball.copyFrom(crawler);
    EXPECT_FLOAT_EQ(ball.radius, 0.2355207f) << "the radius follows the mass, not the copy's radius";
    EXPECT_TRUE(ball.mass == 0.3f && ball.x == 3 && ball.y == 4 && ball.velocityX == -1 && ball.velocityY == 2);
    EXPECT_TRUE(ball.damping == 0.05f && ball.active && ball.sprite == 3u) << "its own";
    ball.setX(7);
    ball.setY(8);
    EXPECT_TRUE(ball.velocityX == -1 && ball.velocityY == 2) << "the setters leave the velocity alone";
}

TEST(Spring, PushesByHookeAndBrakesTheWholeRelativeVelocityFromItsCachedGeometry)
{
    struct Case {
        const char* what;
        float bx, by, restLength, aVelocityX, aVelocityY, forceX, forceY;
    };
    for (const Case& c : {Case{"stretched to twice its rest length", 2, 0, 1, 0, 0, 100, 0},
                          Case{"compressed along y", 0, 2, 3, 0, 0, 0, -100},
                          Case{"at rest length, moving apart", 1, 0, 1, 1, 0, -1.55f, 0},
                          Case{"at rest length, moving sideways", 1, 0, 1, 0, 1, 0, -1.55f},
                          Case{"coincident ends only damp", 0, 0, 1, 2, 0, -3.1f, 0}}) {
        TwoBalls pair(0, 0, c.bx, c.by);
        pair.spring.restLength = c.restLength;
        pair.a.velocityX = c.aVelocityX;
        pair.a.velocityY = c.aVelocityY;
        pair.b.velocityX = 5; // moving together with a cancels out
        pair.a.velocityX += 5;
        pair.spring.update(0.1f);
        EXPECT_FLOAT_EQ(pair.a.forceX, c.forceX) << c.what;
        EXPECT_FLOAT_EQ(pair.a.forceY, c.forceY) << c.what;
        EXPECT_TRUE(pair.b.forceX == -pair.a.forceX && pair.b.forceY == -pair.a.forceY) << c.what;
    }
    TwoBalls pair(0, 0, 2, 0);
    pair.b.setX(1); // at rest length now, but the cache still says 2
    pair.spring.update(0.1f);
    EXPECT_FLOAT_EQ(pair.a.forceX, 100.0f);
    pair.a.forceX = 0;
    EXPECT_FLOAT_EQ(pair.spring.measure(), 1.0f);
    pair.spring.update(0.1f);
    EXPECT_EQ(pair.a.forceX, 0.0f);
    for (bool preview : {true, false}) {
        pair.spring.restLength = 3;
        pair.spring.active = !preview;
        pair.spring.rejected = !preview;
        pair.spring.update(0.1f);
        EXPECT_EQ(pair.a.forceX, 0.0f) << (preview ? "preview" : "rejected");
    }
}

TEST(SpringStrip, LiesAlongTheSpringAsWideAsTheSmallerBall)
{
    TwoBalls forwards(0, 0, 1, 1);
    TwoBalls backwards(1, 1, 0, 0);
    backwards.b.radius = 0.25f;
    for (const Spring* spring : {&forwards.spring, &backwards.spring}) {
        SpringStrip strip = stripOf(*spring);
        EXPECT_TRUE(strip.centreX == 0.5f && strip.centreY == 0.5f && strip.angle == 135.0f);
        EXPECT_FLOAT_EQ(strip.length, 1.4142135f);
        EXPECT_FLOAT_EQ(strip.width, 0.43f);
    }
    TwoBalls upright(0, 0, 0, 3);
    float uprightAngle = stripOf(upright.spring).angle;
    EXPECT_TRUE(uprightAngle == 0.0f || uprightAngle == 180.0f) << uprightAngle;
}
