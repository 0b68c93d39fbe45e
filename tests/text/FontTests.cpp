// The font made from the game's own font file, drawn into the test window
// (under Xvfb) one window pixel per unit.
#include "res/ResourceFiles.h"
#include "tests/support/GlContext.h"
#include "text/Font.h"
#include "text/GlyphImage.h"
#include "text/Message.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

namespace {

constexpr int glyphCount = 128; // codes 0 to 127
constexpr float penX = 100;
constexpr float penY = 600;
constexpr float lineHeight = res::fontSize / 0.63f;
constexpr std::uint8_t lit = 64;
constexpr int fixedPointShift = 6; // FreeType's 26.6 fixed point
constexpr unsigned dotsPerInch = 96;

using Picture = std::vector<std::uint8_t>; // the red channel, bottom row first

// The font, made once; and lists that would fill the window and jump the pen
// where codes 128 to 255 would land past the font's own lists.
Font& readyFont()
{
    static Font& font = [] () -> Font& {
        ensureGlContext();
        Font& made = Font::instance();
        made.init(res::fontFile, res::fontSize);
        for (unsigned code = glyphCount; code < 2 * glyphCount; ++code) {
            EXPECT_FALSE(glIsList(made.listBase + code)) << "the font made a list for code " << code;
            glNewList(made.listBase + code, GL_COMPILE);
            glDisable(GL_TEXTURE_2D);
            glRectf(-testWindowSide, -testWindowSide, testWindowSide, testWindowSide);
            glTranslatef(penX, 0, 0);
            glEndList();
        }
        return made;
    }();
    return font;
}

// What the draw leaves on a clear grey background, the view unitsAcross units
// wide and high from the bottom left corner.
Picture drawn(float unitsAcross, float grey, const std::function<void()>& draw)
{
    readyFont();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, unitsAcross, 0, unitsAcross, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(grey, grey, grey, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw();
    return readTestWindow(GL_RED);
}

// White text on black, a window pixel a unit, the pen at (penX, penY); and
// print leaves the state a caller had as it was, though it needs another.
Picture printed(const char* text)
{
    return drawn(testWindowSide, 0, [text] {
        glTranslatef(penX, penY, 0);
        glColor4f(1, 1, 1, 1);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glListBase(penY);
        glMatrixMode(GL_PROJECTION);
        std::vector<float> before = drawingState();
        Font::instance().print("%s", text);
        EXPECT_EQ(drawingState(), before) << "'" << text << "'";
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glListBase(0);
    });
}

// Left, bottom, right and top of the lit pixels; all zero when none is lit.
std::array<int, 4> litBox(const Picture& picture)
{
    std::array<int, 4> box{testWindowSide, testWindowSide, 0, 0};
    for (int i = 0; i < testWindowSide * testWindowSide; ++i) {
        int x = i % testWindowSide;
        int y = i / testWindowSide;
        if (picture[i] >= lit)
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1), std::max(box[3], y + 1)};
    }
    return box[2] == 0 ? std::array<int, 4>{} : box;
}

// The glyph as FreeType itself renders it at the game's size: its index in the
// font (0 when the font has none), its bitmap's width and rows, and its advance.
std::array<unsigned, 4> freeTypeGlyph(char code)
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    FT_Init_FreeType(&library);
    FT_New_Face(library, res::fontFile, 0, &face);
    FT_F26Dot6 size = res::fontSize << fixedPointShift;
    FT_Set_Char_Size(face, size, size, dotsPerInch, dotsPerInch);
    FT_Load_Char(face, static_cast<unsigned char>(code), FT_LOAD_RENDER);
    std::array<unsigned, 4> glyph{FT_Get_Char_Index(face, static_cast<unsigned char>(code)), face->glyph->bitmap.width,
                                  face->glyph->bitmap.rows,
                                  static_cast<unsigned>(face->glyph->advance.x >> fixedPointShift)};
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return glyph;
}

}

// The shipped font has every printable character; a missing one would print
// as the font's empty box in the height message.
TEST(Font, MakesAListForEveryCodeAndForEachPrintableGlyphATextureJustLargeEnough)
{
    Font& font = readyFont();
    for (int code = 0; code < glyphCount; ++code)
        EXPECT_TRUE(glIsList(font.listBase + code)) << "code " << code;
    for (char code = ' '; code <= '~'; ++code) {
        auto [index, width, rows, advance] = freeTypeGlyph(code);
        EXPECT_NE(index, 0u) << "no glyph for '" << code << "'";
        std::array<GLint, 2> size{};
        glBindTexture(GL_TEXTURE_2D, font.textures[static_cast<unsigned char>(code)]);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size[0]);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size[1]);
        EXPECT_EQ(size, (std::array<GLint, 2>{static_cast<GLint>(powerOfTwoAtLeast(width)),
                                              static_cast<GLint>(powerOfTwoAtLeast(rows))}))
            << "'" << code << "'";
    }
}

// Each text draws what the reference text draws, moved by (dx, dy) pixels.
TEST(Font, PrintsLineUnderLineMovingThePenByEachAdvanceDrawsOnlyItsOwnCodesAndLeavesTheState)
{
    float space = freeTypeGlyph(' ')[3];
    ASSERT_GT(space, 0);
    const std::tuple<const char*, const char*, float, float> cases[] = {
        {" l", "l", space, 0},
        {"  l", "l", 2 * space, 0},
        {"\xE9l\xFF", "l", 0, 0},
        {"a\n", "a", 0, 0},
        {"\na", "a", 0, -lineHeight},
        {"\n\na", "a", 0, -2 * lineHeight},
    };
    for (const auto& [text, reference, dx, dy] : cases) {
        std::array<int, 4> box = litBox(printed(reference));
        std::array<float, 4> wanted{box[0] + dx, box[1] + dy, box[2] + dx, box[3] + dy};
        std::array<int, 4> seen = litBox(printed(text));
        for (int edge = 0; edge < 4; ++edge)
            EXPECT_NEAR(seen[edge], wanted[edge], 1) << "'" << text << "', edge " << edge;
    }
    for (const char* blank : {"", " ", "\x80\xC3\xA9"})
        EXPECT_EQ(litBox(printed(blank)), (std::array<int, 4>{})) << "'" << blank << "'";
}

TEST(Message, DrawsBlackTextAtItsOpacityInFrontOfTheScene)
{
    Message message;
    message.text = "12.3 meters!";
    message.x = 1;
    message.y = 4;
    message.scale = 1;
    // The darkest pixel from half a meter under the message up, over a white
    // scene that lies nearer than anything, a meter a hundred pixels.
    constexpr int pixelsPerMeter = 100;
    auto darkest = [&message](float alpha) {
        message.alpha = alpha;
        Picture picture = drawn(testWindowSide / pixelsPerMeter, 1, [&message] {
            glClearDepth(0);
            glClear(GL_DEPTH_BUFFER_BIT);
            glClearDepth(1);
            glEnable(GL_DEPTH_TEST);
            message.draw();
            glDisable(GL_DEPTH_TEST);
        });
        int firstRow = static_cast<int>((message.y - 0.5f) * pixelsPerMeter);
        return *std::min_element(picture.begin() + firstRow * testWindowSide, picture.end());
    };
    EXPECT_LE(darkest(1), 8);
    EXPECT_NEAR(darkest(0.5f), 128, 8);
    EXPECT_EQ(darkest(0), 255);
}
