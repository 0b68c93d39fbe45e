// The font on a real TrueType file, drawn into the test window (under Xvfb).
#include "tests/support/GlContext.h"
#include "text/Font.h"
#include "text/Message.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

namespace {

constexpr const char* debianFont = "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
constexpr unsigned gameFontSize = 48;
constexpr int side = 800;
constexpr int penX = 100;
constexpr int penY = 600;
constexpr float lineHeight = gameFontSize / 0.63f;
constexpr int glyphCount = 128;
constexpr std::uint8_t lit = 64;

using Picture = std::vector<std::uint8_t>; // the red channel, bottom row first

Font& readyFont()
{
    static bool ready = false;
    ensureGlContext();
    if (!ready) {
        Font::instance().init(debianFont, gameFontSize);
        ready = true;
    }
    return Font::instance();
}

// One window pixel per unit, the pen at (penX, penY), white on black.
Picture drawn(const std::function<void()>& draw)
{
    readyFont();
    glViewport(0, 0, side, side);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, side, 0, side, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(penX, penY, 0);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor4f(1, 1, 1, 1);
    draw();
    glFinish();
    Picture picture(side * side);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, side, side, GL_RED, GL_UNSIGNED_BYTE, picture.data());
    return picture;
}

Picture printed(const char* text)
{
    return drawn([text] { Font::instance().print("%s", text); });
}

bool isBlank(const Picture& picture)
{
    return std::all_of(picture.begin(), picture.end(), [](std::uint8_t v) { return v == 0; });
}

int leftmostLitColumn(const Picture& picture)
{
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (picture[y * side + x] >= lit)
                return x;
    return -1;
}

// Runs of window rows holding text, top of the window first.
std::vector<std::pair<int, int>> litRowBands(const Picture& picture)
{
    std::vector<std::pair<int, int>> bands;
    for (int y = side - 1; y >= 0; --y) {
        auto row = picture.begin() + y * side;
        bool any = std::any_of(row, row + side, [](std::uint8_t v) { return v >= lit; });
        if (!any)
            continue;
        if (!bands.empty() && bands.back().second == y + 1)
            bands.back().second = y;
        else
            bands.emplace_back(y, y);
    }
    return bands;
}

struct FreeTypeGlyph {
    unsigned width = 0;
    unsigned rows = 0;
    int advance = 0;
};

// The glyph as FreeType renders it at the game's size, for comparison.
FreeTypeGlyph freeTypeGlyph(char code)
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FreeTypeGlyph glyph;
    if (FT_Init_FreeType(&library) != 0)
        return glyph;
    if (FT_New_Face(library, debianFont, 0, &face) == 0) {
        FT_Set_Char_Size(face, gameFontSize * 64, gameFontSize * 64, 96, 96);
        if (FT_Load_Char(face, static_cast<unsigned char>(code), FT_LOAD_RENDER) == 0)
            glyph = {face->glyph->bitmap.width, face->glyph->bitmap.rows,
                     static_cast<int>(face->glyph->advance.x >> 6)};
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return glyph;
}

std::array<GLint, 2> textureSize(unsigned texture)
{
    std::array<GLint, 2> size{};
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size[0]);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size[1]);
    return size;
}

bool isPowerOfTwo(GLint n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

}

TEST(Font, SpaceHasAClearOnePixelTextureAndOnlyMovesThePen)
{
    Font& font = readyFont();
    ASSERT_EQ(font.textures.size(), static_cast<std::size_t>(glyphCount));
    EXPECT_EQ(textureSize(font.textures[' ']), (std::array<GLint, 2>{1, 1}));
    std::array<std::uint8_t, 2> texel{0xFF, 0xFF};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, texel.data());
    EXPECT_EQ(texel, (std::array<std::uint8_t, 2>{0, 0}));

    EXPECT_TRUE(isBlank(printed(" ")));
    EXPECT_TRUE(isBlank(printed("")));
    int spaceAdvance = freeTypeGlyph(' ').advance;
    ASSERT_GT(spaceAdvance, 0);
    EXPECT_EQ(leftmostLitColumn(printed(" l")) - leftmostLitColumn(printed("l")), spaceAdvance);
    EXPECT_EQ(leftmostLitColumn(printed("  l")) - leftmostLitColumn(printed("l")), 2 * spaceAdvance);
}

TEST(Font, GlyphTexturesArePowersOfTwoJustLargeEnoughForTheirBitmaps)
{
    Font& font = readyFont();
    EXPECT_FLOAT_EQ(font.height, 48);
    for (int code = 0; code < glyphCount; ++code) {
        std::array<GLint, 2> size = textureSize(font.textures[code]);
        EXPECT_TRUE(isPowerOfTwo(size[0]) && isPowerOfTwo(size[1])) << "code " << code;
        EXPECT_TRUE(glIsList(font.listBase + code)) << "code " << code;
    }
    for (char code : {'W', 'g', 'M', 'i', '.'}) {
        FreeTypeGlyph glyph = freeTypeGlyph(code);
        std::array<GLint, 2> size = textureSize(font.textures[static_cast<unsigned char>(code)]);
        EXPECT_GE(size[0], static_cast<GLint>(glyph.width)) << code;
        EXPECT_LT(size[0], 2 * static_cast<GLint>(glyph.width)) << code;
        EXPECT_GE(size[1], static_cast<GLint>(glyph.rows)) << code;
        EXPECT_LT(size[1], 2 * static_cast<GLint>(glyph.rows)) << code;
    }
}

TEST(Font, LinesStackOneLineHeightApart)
{
    std::vector<std::pair<int, int>> one = litRowBands(printed("a"));
    std::vector<std::pair<int, int>> two = litRowBands(printed("a\na"));
    ASSERT_EQ(one.size(), 1u);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0], one[0]);
    EXPECT_NEAR(two[0].first - two[1].first, lineHeight, 1.0);
    EXPECT_EQ(printed("a\n"), printed("a"));
}

TEST(Font, BytesAbove127DrawNothingAndMoveNothing)
{
    Font& font = readyFont();
    // Lists that would fill the window and jump the pen, right where codes
    // 128 to 255 would land past the font's own lists.
    for (unsigned code = glyphCount; code < 2 * glyphCount; ++code) {
        ASSERT_FALSE(glIsList(font.listBase + code));
        glNewList(font.listBase + code, GL_COMPILE);
        glDisable(GL_TEXTURE_2D);
        glRectf(-side, -side, side, side);
        glTranslatef(100, 0, 0);
        glEndList();
    }
    EXPECT_EQ(printed("\xE9l\xFF"), printed("l"));
    EXPECT_TRUE(isBlank(printed("\x80\xC3\xA9")));
    glDeleteLists(font.listBase + glyphCount, glyphCount);
}

TEST(Font, PrintLeavesTheCallersStateAsItWas)
{
    readyFont();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(3, 4, 0);
    glScalef(0.01f, 0.01f, 0.01f);
    std::array<GLfloat, 16> matrixBefore{};
    glGetFloatv(GL_MODELVIEW_MATRIX, matrixBefore.data());
    GLint depthBefore = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glColor4f(0.25f, 0.5f, 0.75f, 0.5f);
    glListBase(7);
    glMatrixMode(GL_PROJECTION);

    Font::instance().print("Hi\nthere %d", 2);

    std::array<GLfloat, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    EXPECT_EQ(colour, (std::array<GLfloat, 4>{0.25f, 0.5f, 0.75f, 0.5f}));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_PROJECTION);
    GLint listBase = 0;
    glGetIntegerv(GL_LIST_BASE, &listBase);
    EXPECT_EQ(listBase, 7);
    std::array<GLfloat, 16> matrixAfter{};
    glGetFloatv(GL_MODELVIEW_MATRIX, matrixAfter.data());
    EXPECT_EQ(matrixAfter, matrixBefore);
    GLint depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depthBefore);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
}

TEST(Message, DrawsBlackTextAtItsOpacityInFrontOfTheScene)
{
    Message message;
    message.text = "12.3 meters!";
    message.x = -3;
    message.scale = 1;
    message.alpha = 1;
    auto darkest = [&message] {
        // A white scene that lies nearer than anything, a metre a hundred pixels.
        Picture picture = drawn([&message] {
            glMatrixMode(GL_PROJECTION);
            glLoadIdentity();
            glOrtho(-4, 4, -4, 4, -1, 1);
            glMatrixMode(GL_MODELVIEW);
            glLoadIdentity();
            glClearColor(1, 1, 1, 1);
            glClearDepth(0);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glClearDepth(1);
            glEnable(GL_DEPTH_TEST);
            message.draw();
            glDisable(GL_DEPTH_TEST);
        });
        return *std::min_element(picture.begin(), picture.end());
    };
    EXPECT_LE(darkest(), 8);
    message.alpha = 0.5f;
    EXPECT_NEAR(darkest(), 128, 8);
    message.alpha = 0;
    EXPECT_EQ(darkest(), 255);
}
