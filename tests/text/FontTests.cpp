// The game's own font drawn into the test window, a window pixel per unit.
#include "res/ResourceFiles.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"
#include "text/Font.h"
#include "text/GlyphImage.h"
#include "text/TextLines.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

namespace {

constexpr float penX = 100, penY = 600, lineHeight = res::fontSize / 0.63f;
constexpr int fixedPointShift = 6; // FreeType's 26.6 fixed point

using Picture = std::vector<std::uint8_t>; // the red channel, bottom row first
using Box = std::array<float, 4>;          // left, bottom, right and top, in pixels

Font& readyFont() // made once
{
    static Font& font = (ensureGlContext(), Font::instance().init(res::fontFile, res::fontSize), Font::instance());
    return font;
}

// White text on black, the pen at (penX, penY), over a scene nearer than anything:
// it shows only when drawn without a depth test. Print leaves the caller's state.
Picture printed(const char* text)
{
    readyFont();
    viewSquare(0, 0, testWindowSide);
    glClearDepth(0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glTranslatef(penX, penY, 0);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glListBase(penY);
    glMatrixMode(GL_PROJECTION);
    std::vector<float> before = drawingState();
    Font::instance().print("%s", text);
    EXPECT_EQ(drawingState(), before) << "'" << text << "'";
    return readTestWindow(GL_RED);
}

// The box around the pixels lit to a quarter; all zero when none is.
Box litBox(const Picture& picture)
{
    Box box{testWindowSide, testWindowSide, 0, 0};
    for (int i = 0; i < testWindowSide * testWindowSide; ++i) {
        float x = static_cast<float>(i % testWindowSide);
        float y = static_cast<float>(i / testWindowSide);
        if (picture[i] >= 64)
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1), std::max(box[3], y + 1)};
    }
    return box[2] == 0 ? Box{} : box;
}

void expectNear(const Box& seen, const Box& wanted, const std::string& what)
{
    for (int edge = 0; edge < 4; ++edge)
        EXPECT_NEAR(seen[edge], wanted[edge], 1) << what << ", edge " << edge;
}

// The glyph as FreeType itself renders it at the game's size.
FT_GlyphSlot freeTypeGlyph(char code)
{
    constexpr unsigned dotsPerInch = 96;
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

// The game's font with its em made 32 units, every glyph many ems big: the 'head' table's big-endian unitsPerEm.
std::string withShrunkEm()
{
    std::ostringstream read;
    read << std::ifstream(res::fontFile, std::ios::binary).rdbuf();
    std::string font = read.str();
    auto byte = [&](std::size_t at) { return static_cast<std::size_t>(static_cast<unsigned char>(font[at])); };
    auto offset = [&](std::size_t i) { return byte(i) << 24 | byte(i + 1) << 16 | byte(i + 2) << 8 | byte(i + 3); };
    for (std::size_t record = 12; record < 12 + 16 * (byte(4) << 8 | byte(5)); record += 16)
        if (font.compare(record, 4, "head") == 0)
            font.replace(offset(record + 8) + 18, 2, std::string{0, 32});
    return font;
}

}

// 3 x 2 coverage bytes, rows padded to 4 as FreeType may pad them, land in a
// 4 x 2 texture, luminance and alpha both the coverage, the rest clear. An
// empty or unsound bitmap is one clear texel.
TEST(GlyphImage, LaysTheBitmapTopLeftRowByRowInATextureOfPowerOfTwoSides)
{
    const std::uint8_t bitmap[] = {1, 2, 3, 0xEE, 4, 5, 6, 0xEE};
    GlyphImage image = makeGlyphImage(bitmap, 3, 2, 4);
    EXPECT_EQ(std::tie(image.width, image.height, image.texels),
              std::make_tuple(4u, 2u, std::vector<std::uint8_t>{1, 1, 2, 2, 3, 3, 0, 0, 4, 4, 5, 5, 6, 6, 0, 0}));
    for (GlyphImage unsound : {makeGlyphImage(nullptr, 3, 2, 4), makeGlyphImage(bitmap, 0, 2, 4),
                               makeGlyphImage(bitmap, 3, 2, 2), makeGlyphImage(bitmap, 3, 2, -4),
                               makeGlyphImage(bitmap, 5000, 1, 5000)})
        EXPECT_EQ(std::tie(unsound.width, unsound.height, unsound.texels),
                  std::make_tuple(1u, 1u, std::vector<std::uint8_t>{0, 0}));
}

// The shipped font has every printable character. A glyph lands on the pen by its
// bearings; each text draws what the reference text draws, moved by (dx, dy) pixels.
TEST(Font, PrintsLineUnderLineMovingThePenByEachAdvanceDrawsOnlyItsOwnCodesAndLeavesTheState)
{
    for (char code = ' '; code <= '~'; ++code)
        EXPECT_NE(freeTypeGlyph(code)->glyph_index, 0u) << "no glyph for '" << code << "'";
    FT_GlyphSlot a = freeTypeGlyph('a');
    float left = penX + static_cast<float>(a->bitmap_left);
    float top = penY + static_cast<float>(a->bitmap_top);
    expectNear(litBox(printed("a")), {left, top - a->bitmap.rows, left + a->bitmap.width, top}, "'a' on the pen");
    float space = static_cast<float>(freeTypeGlyph(' ')->advance.x >> fixedPointShift);
    ASSERT_GT(space, 0);
    const std::tuple<const char*, const char*, float, float> cases[] = {
        {" l", "l", space, 0}, {"  l", "l", 2 * space, 0},  {"a\n", "a", 0, 0},
        {"\na", "a", 0, -lineHeight}, {"\n\na", "a", 0, -2 * lineHeight},
    };
    for (const auto& [text, reference, dx, dy] : cases) {
        Box box = litBox(printed(reference));
        expectNear(litBox(printed(text)), {box[0] + dx, box[1] + dy, box[2] + dx, box[3] + dy}, text);
    }
    for (const char* blank : {"", " "})
        EXPECT_EQ(litBox(printed(blank)), Box{}) << "'" << blank << "'";
    EXPECT_EQ(glyphCodes("a\x80" "b\xFF" "c\x7F"), "abc\x7F") << "only codes up to 127 reach glyphs";
}

// A font file that cannot be used is refused at once, named with its absolute folder and the reason under
// FreeType's own words. A FIFO once hung start-up; a shrunk em took 8.5 s and 1.65 GB to load. (The other
// special files are the picture reader's tests: all read files alike.)
TEST(Font, RefusesAFileItCannotUseSayingWhichWhereAndWhy)
{
    Font& font = readyFont();
    std::vector<unsigned> textures = font.textures;
    auto refuses = [&font](const std::string& path, const std::string& reason) {
        try {
            font.init(path.c_str(), 2 * res::fontSize);
            ADD_FAILURE() << path;
        } catch (const FontFileError& error) {
            EXPECT_STREQ(error.what(), "FT_New_Face failed (there is probably a problem with your font file)");
            std::filesystem::path file = std::filesystem::absolute(path);
            EXPECT_EQ(error.problem(), "cannot use the font " + file.filename().string() + " in "
                                           + file.parent_path().string() + ": " + reason);
        }
    };
    std::string fifo = tempPath("fifo.ttf"), shrunk = withShrunkEm();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    refuses(fifo, "a FIFO, not a regular file");
    refuses(writeTempFile("not-a-font.ttf", {'n', 'o', 't'}), "not a font FreeType can read");
    EXPECT_EQ(font.height, static_cast<float>(res::fontSize));
    EXPECT_EQ(font.textures, textures);
    // Found only while the glyphs are made: the game stops then, with no use for the font it had.
    refuses(writeTempFile("shrunk-em.ttf", {shrunk.begin(), shrunk.end()}),
            "the glyph of character 1 is over 4 ems large");
}
