#include "graphics/SpriteQuad.h"
#include "physics/Mass.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "tests/physics/TestStructure.h"
#include "tests/support/GlContext.h"

#include <GL/gl.h>
#include <array>
#include <gtest/gtest.h>

namespace {

constexpr int windowSide = 800;

// A white window looking straight at the square -1..1 of the world plane,
// with an untextured sprite quad (a plain square) for the lists to draw.
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
        glDisable(GL_DEPTH_TEST);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        structure.masses.sprite = makeSpriteQuad(0);
        structure.springs.sprite = makeSpriteQuad(0);
    }

    // The red level, 0 to 255, of the pixel under the world point.
    static int redAt(float x, float y)
    {
        glFinish();
        std::array<unsigned char, 4> pixel{};
        int column = static_cast<int>((x + 1) * 0.5f * windowSide);
        int row = static_cast<int>((y + 1) * 0.5f * windowSide);
        glReadPixels(column, row, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel.data());
        return pixel[0];
    }

    TestStructure structure;
};

}

TEST_F(StructureDraw, BallsAreBlackDiscsOfTheirDiameterUnlessHidden)
{
    Mass* ball = structure.addBall(0.5f, 0);
    ball->radius = 0.25f;
    Mass* hidden = structure.addBall(-0.5f, 0);
    hidden->hidden = true;
    structure.masses.draw();
    EXPECT_EQ(redAt(0.5f, 0), 0);
    EXPECT_EQ(redAt(0.5f, 0.2f), 0);
    EXPECT_EQ(redAt(0.5f, 0.3f), 255);
    EXPECT_EQ(redAt(0.8f, 0), 255);
    EXPECT_EQ(redAt(-0.5f, 0), 255);
}

TEST_F(StructureDraw, SpringsAreStripsBetweenTheCentres)
{
    Mass* a = structure.addBall(-0.5f, -0.5f);
    Mass* b = structure.addBall(0.5f, 0.5f);
    a->radius = b->radius = 0.05f;
    Spring* spring = structure.addSpring(a, b);
    b->setX(0.6f); // the drawing measures again
    structure.springs.draw();
    EXPECT_FLOAT_EQ(spring->deltaX, -1.1f);
    EXPECT_EQ(redAt(0.05f, 0), 0);
    EXPECT_EQ(redAt(-0.3f, -0.3f), 0);
    EXPECT_EQ(redAt(0.4f, 0.33f), 0);
    EXPECT_EQ(redAt(0.3f, -0.3f), 255) << "drawn along the other diagonal";
    EXPECT_EQ(redAt(-0.8f, -0.8f), 255) << "longer than the spring";
}

TEST_F(StructureDraw, PreviewsShowAtHalfOpacityRejectedAndCollapsedOnesNotAtAll)
{
    Mass* left = structure.addBall(-0.8f, 0.5f);
    Mass* right = structure.addBall(0.8f, 0.5f);
    Mass* low = structure.addBall(-0.8f, -0.5f);
    Mass* lowRight = structure.addBall(0.8f, -0.5f);
    structure.addSpring(left, right)->active = false;
    structure.addSpring(low, lowRight)->rejected = true;
    Spring* collapsed = structure.addSpring(low, low);
    collapsed->active = false;
    structure.springs.draw();
    EXPECT_NEAR(redAt(0, 0.5f), 128, 2);
    EXPECT_EQ(redAt(0, -0.5f), 255);
    EXPECT_EQ(redAt(-0.8f, -0.5f), 255);

    // The pass leaves blending, the alpha test and texturing off, and the
    // colour as the last spring set it.
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_FLOAT_EQ(colour[3], 0.5f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(StartingStructureForTheGame, FillsTheGameListsWithTheirSprites)
{
    ensureGlContext();
    buildStartingStructure();
    ASSERT_EQ(massList.size(), 4u);
    ASSERT_EQ(springList.size(), 6u);
    EXPECT_NE(massList.sprite, 0u);
    EXPECT_NE(springList.sprite, massList.sprite);
    for (std::size_t i = 0; i < massList.size(); ++i)
        EXPECT_EQ(massList.at(i)->sprite, massList.sprite);
    for (std::size_t i = 0; i < springList.size(); ++i)
        EXPECT_EQ(springList.at(i)->sprite, springList.sprite);
    emptyLists(massList, springList);
}
