// The font made from the game's own font file, drawn into the test window
// (under Xvfb) one window pixel per unit.
#include "res/ResourceFiles.h"
#include "tests/support/GlContext.h"
#include "text/Font.h"
#include "text/GlyphImage.h"
#include "text/Message.h"
#include "text/TextLines.h"

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
using Box = std::array<float, 4>;          // left, bottom, right and top, in pixels

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
// wide and high from the bottom left corner. The scene is nearer than anything:
// text shows over it only because it is drawn without a depth test.
Picture drawn(float unitsAcross, float grey, const std::function<void()>& draw)
{
    readyFont();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, unitsAcross, 0, unitsAcross, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(grey, grey, grey, 1);
    glClearDepth(0);
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
    });
}

// The box around the lit pixels; all zero when none is lit.
Box litBox(const Picture& picture)
{
    Box box{testWindowSide, testWindowSide, 0, 0};
    for (int i = 0; i < testWindowSide * testWindowSide; ++i) {
        float x = static_cast<float>(i % testWindowSide);
        float y = static_cast<float>(i / testWindowSide);
        if (picture[i] >= lit)
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1), std::max(box[3], y + 1)};
    }
    return box[2] == 0 ? Box{} : box;
}

void expectNear(const Box& seen, const Box& wanted, const std::string& what)
{
    constexpr float tolerance = 1;
    for (int edge = 0; edge < 4; ++edge)
        EXPECT_NEAR(seen[edge], wanted[edge], tolerance) << what << ", edge " << edge;
}

// The glyph as FreeType itself renders it at the game's size.
FT_GlyphSlot freeTypeGlyph(char code)
{
    static FT_Face face = [] {
        FT_Library library = nullptr;
        FT_Face opened = nullptr;
        FT_Init_FreeType(&library);
        FT_New_Face(library, res::fontFile, 0, &opened);
        FT_Set_Char_Size(opened, 0, res::fontSize << fixedPointShift, dotsPerInch, dotsPerInch);
        return opened;
    }();
    FT_Load_Char(face, static_cast<unsigned char>(code), FT_LOAD_RENDER);
    return face->glyph;
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
        FT_GlyphSlot glyph = freeTypeGlyph(code);
        EXPECT_NE(glyph->glyph_index, 0u) << "no glyph for '" << code << "'";
        std::array<GLint, 2> size{};
        glBindTexture(GL_TEXTURE_2D, font.textures[static_cast<unsigned char>(code)]);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size[0]);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size[1]);
        EXPECT_EQ(size[0], static_cast<GLint>(powerOfTwoAtLeast(glyph->bitmap.width))) << "'" << code << "'";
        EXPECT_EQ(size[1], static_cast<GLint>(powerOfTwoAtLeast(glyph->bitmap.rows))) << "'" << code << "'";
    }
}

// A glyph lands on the pen by its bearings; each text draws what the
// reference text draws, moved by (dx, dy) pixels.
TEST(Font, PrintsLineUnderLineMovingThePenByEachAdvanceDrawsOnlyItsOwnCodesAndLeavesTheState)
{
    FT_GlyphSlot a = freeTypeGlyph('a');
    float left = penX + static_cast<float>(a->bitmap_left);
    float top = penY + static_cast<float>(a->bitmap_top);
    expectNear(litBox(printed("a")), {left, top - a->bitmap.rows, left + a->bitmap.width, top}, "'a' on the pen");
    float space = static_cast<float>(freeTypeGlyph(' ')->advance.x >> fixedPointShift);
    ASSERT_GT(space, 0);
    const std::tuple<const char*, const char*, float, float> cases[] = {
        {" l", "l", space, 0}, {"  l", "l", 2 * space, 0},  {"\xE9l\xFF", "l", 0, 0},
        {"a\n", "a", 0, 0},    {"\na", "a", 0, -lineHeight}, {"\n\na", "a", 0, -2 * lineHeight},
    };
    for (const auto& [text, reference, dx, dy] : cases) {
        Box box = litBox(printed(reference));
        expectNear(litBox(printed(text)), {box[0] + dx, box[1] + dy, box[2] + dx, box[3] + dy}, text);
    }
    for (const char* blank : {"", " ", "\x80\xC3\xA9"})
        EXPECT_EQ(litBox(printed(blank)), Box{}) << "'" << blank << "'";
    EXPECT_EQ(glyphCodes("a\x80" "b\xFF" "c\x7F"), "abc\x7F") << "only codes up to 127 reach glyphs";
}

// Black at its opacity over a white scene, a glyph pixel a centimetre: at a
// hundred pixels a meter, the message lands just where print puts its text.
TEST(Message, DrawsBlackTextAtItsOpacityAGlyphPixelACentimetre)
{
    constexpr float pixelsPerMeter = 100;
    Message message;
    message.text = "8";
    message.x = penX / pixelsPerMeter;
    message.y = penY / pixelsPerMeter;
    message.scale = 1;
    Picture shade;
    for (auto [alpha, darkest] : {std::pair{0.0f, 255}, {0.5f, 128}, {1.0f, 0}}) {
        message.alpha = alpha;
        shade = drawn(testWindowSide / pixelsPerMeter, 1, [&message] { message.draw(); });
        EXPECT_NEAR(*std::min_element(shade.begin(), shade.end()), darkest, 8) << alpha;
    }
    for (std::uint8_t& level : shade)
        level = 255 - level;
    expectNear(litBox(shade), litBox(printed("8")), "the message");
}
