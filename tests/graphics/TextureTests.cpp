#include "graphics/SpriteQuad.h"
#include "graphics/Texture.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

namespace {

// A 1x2 picture: red on top, blue below, stored bottom row first.
TgaBytes redOverBlue()
{
    return TgaBytes::header(2, 1, 2, 24).add({255, 0, 0, 0, 0, 255});
}

std::array<std::uint8_t, 4> pixelAt(int x, int y)
{
    std::array<std::uint8_t, 4> rgba{};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

}

TEST(Texture, AcceptsOnlyTgaNamesAndThirtyTwoBitResults)
{
    ensureGlContext();
    std::vector<std::uint8_t> good = redOverBlue().bytes;
    EXPECT_NE(loadTexture(writeTempFile("upper.TGA", good).c_str()), 0u);
    EXPECT_NE(loadTexture(writeTempFile("mixed.tGa", good).c_str()), 0u);
    EXPECT_EQ(loadTexture(writeTempFile("backup.tga.bak", good).c_str()), 0u);
    EXPECT_EQ(loadTexture(writeTempFile("nodot", good).c_str()), 0u);
    EXPECT_EQ(loadTexture(tempPath("missing.tga").c_str()), 0u);

    TgaBytes colourMapped = TgaBytes::header(1, 1, 1, 8, 0, 0, 1, 1, 24).add({0, 0, 0, 0});
    EXPECT_EQ(loadTexture(writeTempFile("mapped.tga", colourMapped.bytes).c_str()), 0u);
    TgaBytes grey = TgaBytes::header(3, 2, 1, 8).add({1, 2});
    EXPECT_EQ(loadTexture(writeTempFile("grey.tga", grey.bytes).c_str()), 0u);
}

TEST(Texture, UploadsTheDecodedPixelsWithOpaqueAlphaForTwentyFourBits)
{
    ensureGlContext();
    GLuint texture = loadTexture(writeTempFile("upload.tga", redOverBlue().bytes).c_str());
    ASSERT_NE(texture, 0u);
    std::array<std::uint8_t, 8> uploaded{};
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_EQ(uploaded, (std::array<std::uint8_t, 8>{255, 0, 0, 255, 0, 0, 255, 255}));
}

TEST(SpriteQuad, IsFrontFacingAndUprightUnderTheGamesCulling)
{
    ensureGlContext();
    GLuint texture = loadTexture(writeTempFile("upright.tga", redOverBlue().bytes).c_str());
    GLuint sprite = makeSpriteQuad(texture);

    glViewport(0, 0, 800, 800);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    glPushMatrix();
    glScalef(2, 2, 1); // the unit quad now fills the viewport
    glCallList(sprite);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glFinish();

    auto top = pixelAt(400, 600); // the centres of the two texels
    auto bottom = pixelAt(400, 200);
    EXPECT_GT(top[0], 200) << "the top of the picture must be red";
    EXPECT_LT(top[2], 50);
    EXPECT_GT(bottom[2], 200) << "the bottom of the picture must be blue";
    EXPECT_LT(bottom[0], 50);
}
