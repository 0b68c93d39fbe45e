#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/SpringStrip.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct TwoBalls {
    TwoBalls(float ax, float ay, float bx, float by)
    {
        a.setX(ax);
        a.setY(ay);
        b.setX(bx);
        b.setY(by);
        spring.attach(&a, &b);
    }
    Mass a;
    Mass b;
    Spring spring;
};

}

TEST(Spring, StretchPullsCompressionPushes)
{
    TwoBalls stretched(0, 0, 2, 0);
    stretched.spring.update(0.1f);
    EXPECT_FLOAT_EQ(stretched.a.forceX, 100.0f);
    EXPECT_FLOAT_EQ(stretched.b.forceX, -100.0f);
    EXPECT_EQ(stretched.a.forceY, 0.0f);

    TwoBalls compressed(0, 0, 0, 2);
    compressed.spring.restLength = 3;
    compressed.spring.update(0.1f);
    EXPECT_FLOAT_EQ(compressed.a.forceY, -100.0f);
    EXPECT_FLOAT_EQ(compressed.b.forceY, 100.0f);
}

TEST(Spring, DampingBrakesTheWholeRelativeVelocity)
{
    TwoBalls together(0, 0, 1, 0);
    together.a.velocityX = together.b.velocityX = 3;
    together.spring.update(0.1f);
    EXPECT_EQ(together.a.forceX, 0.0f);

    TwoBalls along(0, 0, 1, 0);
    along.a.velocityX = 1;
    along.spring.update(0.1f);
    EXPECT_FLOAT_EQ(along.a.forceX, -1.55f);
    EXPECT_FLOAT_EQ(along.b.forceX, 1.55f);

    TwoBalls sideways(0, 0, 1, 0);
    sideways.a.velocityY = 1;
    sideways.spring.update(0.1f);
    EXPECT_EQ(sideways.a.forceX, 0.0f);
    EXPECT_FLOAT_EQ(sideways.a.forceY, -1.55f);
    EXPECT_FLOAT_EQ(sideways.b.forceY, 1.55f);
}

TEST(Spring, PreviewAndRejectedSpringsExertNothing)
{
    TwoBalls preview(0, 0, 2, 0);
    preview.a.velocityX = 1;
    preview.spring.active = false;
    preview.spring.update(0.1f);
    EXPECT_EQ(preview.a.forceX, 0.0f);

    TwoBalls rejected(0, 0, 2, 0);
    rejected.a.velocityX = 1;
    rejected.spring.rejected = true;
    rejected.spring.update(0.1f);
    EXPECT_EQ(rejected.a.forceX, 0.0f);

    // Nor is a rejected spring drawn, so its cache stays as it was.
    rejected.b.setX(5);
    rejected.spring.draw();
    EXPECT_EQ(rejected.spring.length, 2.0f);
}

TEST(Spring, ForceFollowsTheCacheNotThePresentPositions)
{
    TwoBalls pair(0, 0, 2, 0);
    pair.b.setX(1); // at rest length now, but the cache still says 2
    pair.spring.update(0.1f);
    EXPECT_FLOAT_EQ(pair.a.forceX, 100.0f);

    pair.a.forceX = 0;
    EXPECT_FLOAT_EQ(pair.spring.measure(), 1.0f);
    pair.spring.update(0.1f);
    EXPECT_EQ(pair.a.forceX, 0.0f);
}

TEST(Spring, CoincidentEndsOnlyDamp)
{
    TwoBalls pair(1, 1, 1, 1);
    pair.a.velocityX = 2;
    pair.spring.update(0.1f);
    EXPECT_FLOAT_EQ(pair.a.forceX, -3.1f);
    EXPECT_FLOAT_EQ(pair.b.forceX, 3.1f);
    EXPECT_EQ(pair.a.forceY, 0.0f);
    pair.a.update(0.1f);
    EXPECT_TRUE(std::isfinite(pair.a.x) && std::isfinite(pair.a.y) && std::isfinite(pair.a.velocityY));
}

TEST(SpringStrip, LiesAlongTheSpringAsWideAsTheSmallerBall)
{
    TwoBalls forwards(0, 0, 1, 1);
    TwoBalls backwards(1, 1, 0, 0);
    backwards.b.radius = 0.25f;
    for (const Spring* spring : {&forwards.spring, &backwards.spring}) {
        SpringStrip strip = stripOf(*spring);
        EXPECT_FLOAT_EQ(strip.centreX, 0.5f);
        EXPECT_FLOAT_EQ(strip.centreY, 0.5f);
        EXPECT_FLOAT_EQ(strip.angle, 135.0f);
        EXPECT_FLOAT_EQ(strip.length, 1.4142135f);
        EXPECT_FLOAT_EQ(strip.width, 0.43f);
    }
    TwoBalls level(0, 2, 4, 2);
    EXPECT_FLOAT_EQ(stripOf(level.spring).angle, 90.0f);
    TwoBalls upright(0, 0, 0, 3);
    float uprightAngle = stripOf(upright.spring).angle;
    EXPECT_TRUE(uprightAngle == 0.0f || uprightAngle == 180.0f) << uprightAngle;
}
