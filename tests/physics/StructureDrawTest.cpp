#include "graphics/SpriteQuad.h"
#include "physics/Mass.h"
#include "physics/Spring.h"
#include "physics/StartingStructure.h"
#include "tests/physics/TestStructure.h"
#include "tests/support/GlContext.h"

#include <GL/gl.h>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int windowSide = 800;

// A white window showing the square -1..1 of the world plane, and plain
// untextured squares for sprites.
class StructureDraw : public testing::Test {
protected:
    void SetUp() override
    {
        ensureGlContext();
        glViewport(0, 0, windowSide, windowSide);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        structure.masses.sprite = makeSpriteQuad(0);
        structure.springs.sprite = makeSpriteQuad(0);
    }

    // The red level, 0 to 255, under the world point.
    static int redAt(float x, float y)
    {
        std::array<unsigned char, 4> pixel{};
        glReadPixels(static_cast<int>((x + 1) * 0.5f * windowSide), static_cast<int>((y + 1) * 0.5f * windowSide), 1,
                     1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
        return pixel[0];
    }

    TestStructure structure;
};

}

TEST_F(StructureDraw, BallsAreBlackAndAsWideAsTheirDiameterUnlessHidden)
{
    structure.addBall(0.5f, 0)->radius = 0.25f;
    structure.addBall(-0.5f, 0)->hidden = true;
    structure.masses.draw();
    EXPECT_EQ(redAt(0.5f, 0.2f), 0);
    EXPECT_EQ(redAt(0.5f, 0.3f), 255);
    EXPECT_EQ(redAt(-0.5f, 0), 255);
}

TEST_F(StructureDraw, SpringsAreStripsBetweenTheCentresPreviewsHalfOpaque)
{
    Mass* a = structure.addBall(-0.5f, -0.5f);
    Mass* b = structure.addBall(0.5f, 0.5f);
    a->radius = b->radius = 0.05f;
    structure.addSpring(a, b);
    b->setX(0.6f); // the drawing measures again
    Mass* left = structure.addBall(-0.8f, 0.8f);
    Mass* right = structure.addBall(0.8f, 0.8f);
    structure.addSpring(left, right)->rejected = true;
    structure.addSpring(left, left);
    structure.addSpring(right, left)->active = false;
    structure.springs.draw();
    EXPECT_EQ(redAt(-0.3f, -0.3f), 0);
    EXPECT_EQ(redAt(0.4f, 0.33f), 0);
    EXPECT_EQ(redAt(0.3f, -0.3f), 255) << "drawn along the other diagonal";
    EXPECT_EQ(redAt(-0.8f, -0.8f), 255) << "longer than the spring";
    EXPECT_NEAR(redAt(0, 0.8f), 128, 2);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    // The pass switches its state off again and leaves the last colour.
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST) || glIsEnabled(GL_TEXTURE_2D));
    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour[3], 0.5f);
}

TEST(StartingStructureForTheGame, FillsTheGameListsWithTheirSprites)
{
    ensureGlContext();
    buildStartingStructure();
    ASSERT_EQ(massList.size(), 4u);
    ASSERT_EQ(springList.size(), 6u);
    EXPECT_NE(springList.sprite, massList.sprite);
    EXPECT_EQ(massList.at(3)->sprite, massList.sprite);
    EXPECT_EQ(springList.at(5)->sprite, springList.sprite);
    EXPECT_FLOAT_EQ(springList.at(5)->restLength, std::sqrt(13.0f));
    emptyLists(massList, springList);
}
