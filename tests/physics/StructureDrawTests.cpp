#include "graphics/SpriteQuad.h"
#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/StartingStructure.h"
#include "tests/physics/TestStructure.h"
#include "tests/support/GlContext.h"

#include <GL/gl.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// The red level, 0 to 255, under a point of the square -1..1 that the window shows.
int redAt(float x, float y)
{
    unsigned char pixel[4] = {};
    glReadPixels(static_cast<int>((x + 1) * 400), static_cast<int>((y + 1) * 400), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                 pixel);
    return pixel[0];
}

}

TEST(StructureDraw, BallsAreBlackDiscsOfTheirDiameterAndSpringsStripsPreviewsHalfOpaque)
{
    ensureGlContext();
    glViewport(0, 0, 800, 800);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    TestStructure structure;
    structure.masses.sprite = makeSpriteQuad(0);
    structure.springs.sprite = makeSpriteQuad(0);
    structure.addBall(0.5f, -0.8f)->radius = 0.15f;
    structure.addBall(-0.5f, 0)->hidden = true;
    Mass* a = structure.addBall(-0.5f, -0.5f);
    Mass* b = structure.addBall(0.5f, 0.5f);
    a->radius = b->radius = 0.05f;
    structure.addSpring(a, b);
    b->setX(0.6f); // the drawing measures again
    Mass* left = structure.addBall(-0.8f, 0.8f);
    Mass* right = structure.addBall(0.8f, 0.8f);
    left->radius = right->radius = 0.01f;
    Spring* rejected = structure.addSpring(left, right);
    rejected->rejected = true;
    structure.addSpring(left, left);
    structure.addSpring(right, left)->active = false;
    right->setX(0.9f);
    structure.springs.draw();
    structure.masses.draw();
    EXPECT_TRUE(redAt(0.5f, -0.66f) == 0 && redAt(0.5f, -0.64f) == 255) << "as wide as the ball";
    EXPECT_EQ(redAt(-0.5f, 0), 255) << "a hidden ball is not drawn";
    EXPECT_TRUE(redAt(-0.3f, -0.3f) == 0 && redAt(0.4f, 0.33f) == 0);
    EXPECT_EQ(redAt(0.3f, -0.3f), 255) << "drawn along the other diagonal";
    EXPECT_EQ(redAt(-0.58f, -0.58f), 255) << "no longer than the spring";
    EXPECT_NEAR(redAt(0, 0.8f), 128, 2) << "a preview at half opacity, the rejected spring not at all";
    EXPECT_FLOAT_EQ(rejected->length, 1.6f) << "nor measured";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST) || glIsEnabled(GL_TEXTURE_2D));

    buildStartingStructure(); // the game's own lists, with their own sprites
    ASSERT_TRUE(massList.size() == 4 && springList.size() == 6);
    EXPECT_NE(springList.sprite, massList.sprite);
    EXPECT_TRUE(massList.at(3)->sprite == massList.sprite && springList.at(5)->sprite == springList.sprite);
    EXPECT_FLOAT_EQ(springList.at(5)->restLength, std::sqrt(13.0f));
    emptyLists(massList, springList);
}
