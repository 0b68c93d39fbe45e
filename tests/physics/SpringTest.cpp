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

TEST(Spring, StartsWithItsDefaultsAndAttachMeasures)
{
    Spring spring;
    EXPECT_FLOAT_EQ(spring.stiffness, 100.0f);
    EXPECT_FLOAT_EQ(spring.restLength, 1.0f);
    EXPECT_TRUE(spring.active);
    EXPECT_FALSE(spring.rejected);

    TwoBalls pair(4, 5, 1, 1);
    EXPECT_EQ(pair.spring.massA, &pair.a);
    EXPECT_EQ(pair.spring.massB, &pair.b);
    EXPECT_FLOAT_EQ(pair.spring.deltaX, 3.0f);
    EXPECT_FLOAT_EQ(pair.spring.deltaY, 4.0f);
    EXPECT_FLOAT_EQ(pair.spring.length, 5.0f);
}

TEST(Spring, StretchPullsTheEndsTogetherAndCompressionPushesThemApart)
{
    TwoBalls stretched(0, 0, 2, 0);
    stretched.spring.update(0.1f);
    EXPECT_FLOAT_EQ(stretched.a.forceX, 100.0f);
    EXPECT_FLOAT_EQ(stretched.b.forceX, -100.0f);
    EXPECT_FLOAT_EQ(stretched.a.forceY, 0.0f);

    TwoBalls compressed(0, 0, 0, 2);
    compressed.spring.restLength = 3;
    compressed.spring.update(0.1f);
    EXPECT_FLOAT_EQ(compressed.a.forceY, -100.0f);
    EXPECT_FLOAT_EQ(compressed.b.forceY, 100.0f);

    TwoBalls stiffer(0, 0, 2, 0);
    stiffer.spring.stiffness = 90;
    stiffer.spring.update(0.1f);
    EXPECT_FLOAT_EQ(stiffer.a.forceX, 90.0f);

    // Forces add to what the balls already carry.
    stretched.spring.update(0.1f);
    EXPECT_FLOAT_EQ(stretched.a.forceX, 200.0f);
}

TEST(Spring, DampingBrakesTheWholeRelativeVelocity)
{
    TwoBalls together(0, 0, 1, 0);
    together.a.velocityX = together.b.velocityX = 3;
    together.a.velocityY = together.b.velocityY = -2;
    together.spring.update(0.1f);
    EXPECT_EQ(together.a.forceX, 0.0f);
    EXPECT_EQ(together.a.forceY, 0.0f);

    TwoBalls along(0, 0, 1, 0);
    along.a.velocityX = 1;
    along.spring.update(0.1f);
    EXPECT_FLOAT_EQ(along.a.forceX, -1.55f);
    EXPECT_FLOAT_EQ(along.b.forceX, 1.55f);

    // Sideways too, though the length does not change.
    TwoBalls sideways(0, 0, 1, 0);
    sideways.a.velocityY = 1;
    sideways.spring.update(0.1f);
    EXPECT_FLOAT_EQ(sideways.a.forceX, 0.0f);
    EXPECT_FLOAT_EQ(sideways.a.forceY, -1.55f);
    EXPECT_FLOAT_EQ(sideways.b.forceY, 1.55f);
}

TEST(Spring, InactiveAndRejectedSpringsExertNothing)
{
    TwoBalls preview(0, 0, 2, 0);
    preview.a.velocityX = 1;
    preview.spring.active = false;
    preview.spring.update(0.1f);
    EXPECT_EQ(preview.a.forceX, 0.0f);
    EXPECT_EQ(preview.b.forceX, 0.0f);

    TwoBalls rejected(0, 0, 2, 0);
    rejected.a.velocityX = 1;
    rejected.spring.rejected = true;
    rejected.spring.update(0.1f);
    EXPECT_EQ(rejected.a.forceX, 0.0f);
    EXPECT_EQ(rejected.b.forceX, 0.0f);

    // A rejected spring is not drawn, so its cache stays where it was.
    rejected.b.setX(5);
    rejected.spring.draw();
    EXPECT_FLOAT_EQ(rejected.spring.length, 2.0f);
}

TEST(Spring, ForceFollowsTheCachedGeometryNotThePresentPositions)
{
    TwoBalls pair(0, 0, 2, 0);
    pair.b.setX(1); // now at its rest length, but the cache still says 2
    pair.spring.update(0.1f);
    EXPECT_FLOAT_EQ(pair.a.forceX, 100.0f);

    pair.a.forceX = 0;
    EXPECT_FLOAT_EQ(pair.spring.measure(), 1.0f);
    pair.spring.update(0.1f);
    EXPECT_EQ(pair.a.forceX, 0.0f);
}

TEST(Spring, CoincidentEndsStayFiniteAndStillDamp)
{
    TwoBalls pair(1, 1, 1, 1);
    pair.a.velocityX = 2;
    pair.spring.restLength = 1;
    pair.spring.update(0.1f);
    EXPECT_EQ(pair.spring.length, 0.0f);
    EXPECT_FLOAT_EQ(pair.a.forceX, -3.1f);
    EXPECT_FLOAT_EQ(pair.b.forceX, 3.1f);
    EXPECT_EQ(pair.a.forceY, 0.0f);
    EXPECT_TRUE(std::isfinite(pair.b.forceY));

    pair.a.update(0.1f);
    pair.b.update(0.1f);
    EXPECT_TRUE(std::isfinite(pair.a.x) && std::isfinite(pair.a.y));
    EXPECT_TRUE(std::isfinite(pair.b.velocityX) && std::isfinite(pair.b.velocityY));
}

TEST(SpringStrip, LiesAlongTheSpringAsWideAsTheSmallerBall)
{
    // Whichever end comes first, the diagonal is drawn at 135 degrees.
    TwoBalls forwards(0, 0, 1, 1);
    TwoBalls backwards(1, 1, 0, 0);
    for (const Spring* spring : {&forwards.spring, &backwards.spring}) {
        SpringStrip strip = stripOf(*spring);
        EXPECT_FLOAT_EQ(strip.centreX, 0.5f);
        EXPECT_FLOAT_EQ(strip.centreY, 0.5f);
        EXPECT_FLOAT_EQ(strip.angle, 135.0f);
        EXPECT_FLOAT_EQ(strip.length, 1.4142135f);
        EXPECT_FLOAT_EQ(strip.width, 0.43f);
    }

    TwoBalls mixed(0, 0, 3, -1);
    mixed.b.radius = 0.25f;
    SpringStrip mixedStrip = stripOf(mixed.spring);
    EXPECT_FLOAT_EQ(mixedStrip.width, 0.43f);
    EXPECT_FLOAT_EQ(mixedStrip.centreX, 1.5f);
    EXPECT_FLOAT_EQ(mixedStrip.centreY, -0.5f);
    mixed.a.radius = 0.1f;
    EXPECT_FLOAT_EQ(stripOf(mixed.spring).width, 0.2f);

    TwoBalls level(0, 2, 4, 2);
    EXPECT_FLOAT_EQ(stripOf(level.spring).angle, 90.0f);
    EXPECT_FLOAT_EQ(stripOf(level.spring).length, 4.0f);

    // Upright: the quad is already lengthwise, half a turn either way.
    TwoBalls upright(0, 0, 0, 3);
    float uprightAngle = stripOf(upright.spring).angle;
    EXPECT_TRUE(uprightAngle == 0.0f || uprightAngle == 180.0f) << uprightAngle;
}
