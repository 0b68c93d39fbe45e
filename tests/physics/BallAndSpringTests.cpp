#include "physics/Mass.h"
#include "physics/Spring.h"
#include "tests/physics/TestStructure.h"
#include "tests/support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

Mass ballAt(float x, float y)
{
    Mass ball;
    ball.setX(x);
    ball.setY(y);
    return ball;
}

struct TwoBalls {
    TwoBalls(float ax, float ay, float bx, float by) : a(ballAt(ax, ay)), b(ballAt(bx, by)) { spring.attach(&a, &b); }
    Mass a;
    Mass b;
    Spring spring;
};

// The red level, 0 to 255, under a point of the square -1..1 that the window shows.
int redAt(float x, float y)
{
    unsigned char pixel[4] = {};
    glReadPixels(static_cast<int>((x + 1) * 400), static_cast<int>((y + 1) * 400), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixel);
    return pixel[0];
}

}

TEST(Mass, IntegratesGravityAndDragClampedPerAxisUnlessHeldStillAndCopiesMassPlaceAndSpeed)
{
    struct Case {
        const char* what;
        float mass, forceX, forceY, dt;
        float x, y, velocityX, velocityY;
    };
    for (const Case& c : {Case{"free fall", 0.25f, 0, 0, 0.1f, 0, 9.95095f, 0, -0.981f},
                          Case{"gravity alone ignores the mass", 3, 0, 0, 0.1f, 0, 9.95095f, 0, -0.981f},
                          Case{"clamped to 45 per axis", 0.25f, 20, -20, 0.1f, 0.225f, 9.775f, 4.5f, -4.5f}}) {
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
    for (int flag = 0; flag < 3; ++flag) {
        Mass ball = ballAt(1, 5);
        ball.grounded = flag == 0;
        ball.hidden = flag == 1;
        ball.active = flag != 2;
        ball.update(0.1f);
        EXPECT_TRUE(ball.y == 5 && ball.velocityY == 0 && ball.forceY == 0) << "flag " << flag;
    }
    Mass crawler = ballAt(3, 4);
    crawler.mass = 0.3f;
    crawler.radius = 9;
    crawler.velocityX = -1;
    Mass ball;
    ball.copyFrom(crawler);
    EXPECT_FLOAT_EQ(ball.radius, 0.2355207f) << "the radius of its new mass";
    EXPECT_TRUE(ball.mass == 0.3f && ball.x == 3 && ball.y == 4 && ball.velocityX == -1);
}

TEST(Spring, PushesByHookeAndBrakesTheWholeRelativeVelocityUnlessAPreviewOrRejected)
{
    struct Case {
        const char* what;
        float bx, by, restLength, aVelocityX, aVelocityY, forceX, forceY;
        bool active = true, rejected = false;
    };
    for (const Case& c : {Case{"stretched to twice its rest length", 2, 0, 1, 0, 0, 100, 0},
                          Case{"compressed along y", 0, 2, 3, 0, 0, 0, -100},
                          Case{"at rest length, moving apart", 1, 0, 1, 1, 0, -1.55f, 0},
                          Case{"at rest length, moving sideways", 1, 0, 1, 0, 1, 0, -1.55f},
                          Case{"coincident ends only damp", 0, 0, 1, 2, 0, -3.1f, 0},
                          Case{"a preview pushes nothing", 2, 0, 1, 1, 0, 0, 0, false},
                          Case{"nor does a rejected spring", 2, 0, 1, 1, 0, 0, 0, true, true}}) {
        TwoBalls pair(0, 0, c.bx, c.by);
        pair.spring.restLength = c.restLength;
        pair.spring.active = c.active;
        pair.spring.rejected = c.rejected;
        pair.a.velocityX = c.aVelocityX + 5; // moving together with b cancels out
        pair.a.velocityY = c.aVelocityY;
        pair.b.velocityX = 5;
        pair.spring.update(0.1f);
        EXPECT_FLOAT_EQ(pair.a.forceX, c.forceX) << c.what;
        EXPECT_FLOAT_EQ(pair.a.forceY, c.forceY) << c.what;
        EXPECT_TRUE(pair.b.forceX == -pair.a.forceX && pair.b.forceY == -pair.a.forceY) << c.what;
    }
}

TEST(StructureDraw, BallsAreBlackDiscsOfTheirDiameterAndSpringsStripsPreviewsHalfOpaque)
{
    ensureGlContext(); // no other test here draws: the whole window, identity matrices
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    TestStructure structure;
    structure.addBall(-0.5f, 0)->hidden = true;
    Mass* a = structure.addBall(-0.5f, -0.5f);
    Mass* b = structure.addBall(0.5f, 0.5f);
    a->radius = 0.05f;
    b->radius = 0.2f;
    structure.addSpring(a, b);
    b->setX(0.6f); // the drawing measures again
    Mass* left = structure.addBall(-0.8f, 0.8f);
    Mass* right = structure.addBall(0.8f, 0.8f);
    left->radius = right->radius = 0.01f;
    structure.addSpring(left, right)->rejected = true;
    structure.addSpring(right, left)->active = false;
    structure.springs.draw();
    structure.masses.draw();
    EXPECT_TRUE(redAt(0.6f, 0.31f) == 0 && redAt(0.6f, 0.29f) == 255) << "as wide as the ball";
    EXPECT_EQ(redAt(-0.5f, 0), 255) << "a hidden ball is not drawn";
    EXPECT_TRUE(redAt(-0.3f, -0.3f) == 0 && redAt(0.3f, -0.3f) == 255) << "a spring is drawn along its balls' line";
    EXPECT_EQ(redAt(-0.58f, -0.58f), 255) << "no longer than the spring";
    EXPECT_EQ(redAt(0, 0.06f), 255) << "as wide as the smaller ball";
    EXPECT_NEAR(redAt(0, 0.8f), 128, 2) << "a preview at half opacity, the rejected spring not at all";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST) || glIsEnabled(GL_TEXTURE_2D));
}
