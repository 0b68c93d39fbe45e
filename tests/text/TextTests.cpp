// The game's own font, the text it prints, and the messages it shows.
#include "res/ResourceFiles.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"
#include "text/Font.h"
#include "text/GlyphImage.h"
#include "text/MessageBoard.h"
#include "text/TextLines.h"

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

Font& readyFont() // made once
{
    static Font& font = (ensureGlContext(), Font::instance().init(res::fontFile, res::fontSize), Font::instance());
    return font;
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

// Where the printed text lights the window: its left, bottom, right and top pixels.
std::array<int, 4> inkOf(const char* text)
{
    glClear(GL_COLOR_BUFFER_BIT);
    viewSquare(0, 0, testWindowSide);
    glTranslatef(100, 600, 0);
    glColor4f(1, 1, 1, 1);
    Font::instance().print("%s", text);
    std::vector<std::uint8_t> red = readTestWindow(GL_RED);
    std::array<int, 4> ink{testWindowSide, testWindowSide, 0, 0};
    for (int at = 0; at < testWindowSide * testWindowSide; ++at)
        if (red[static_cast<std::size_t>(at)] > 128)
            ink = {std::min(ink[0], at % testWindowSide), std::min(ink[1], at / testWindowSide),
                   std::max(ink[2], at % testWindowSide), std::max(ink[3], at / testWindowSide)};
    return ink;
}

}

// 3 x 2 coverage bytes, rows padded to 4, land in a 4 x 2 luminance-alpha texture; a bad bitmap is one clear texel.
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

// Text splits at each line break, each line under the last, the pen moving on by each advance; only codes up to 127
// have glyphs. Printing leaves the caller's drawing state.
TEST(Font, PrintsItsOwnCodesLineByLineAndLeavesTheDrawingState)
{
    EXPECT_EQ(splitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_EQ(glyphCodes("a\x80" "b\xFF" "c\x7F"), "abc\x7F");
    readyFont();
    std::array<int, 4> one = inkOf("a"), two = inkOf("aa"), lines = inkOf("a\na");
    EXPECT_GT(two[2], one[2]) << "the second glyph right of the first";
    EXPECT_LT(lines[1], one[1]) << "the second line under the first";
    EXPECT_EQ(lines[3], one[3]) << "the first line where one line would be";
    viewSquare(0, 0, testWindowSide);
    glTranslatef(100, 600, 0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    std::vector<float> before = drawingState();
    Font::instance().print("%s", "a\nb");
    EXPECT_EQ(drawingState(), before);
}

// Refused at once, with folder and why: a FIFO once hung start-up, a shrunk em took 8.5 s and 1.65 GB to load.
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

// A phase ends on the first advance reaching its length; a held message pulses to (sin 10t / 4 + 2) / 2.
TEST(Message, GrowsSpinningThenPulsesStillTiltedThenShrinksAway)
{
    // Advances: the time, then the phase, scale, opacity and angle after it.
    using Timeline = std::vector<std::tuple<float, MessagePhase, float, float, float>>;
    // By frames, the grow overshoots, and the message keeps that angle.
    const Timeline byFrames = {{0.1f, Grow, 0, 0, 0}, {0.1f, Grow, 0.6667f, 0.6667f, 240},
                               {0.1f, Hold, 1.3333f, 1.3333f, 480}, {0.1f, Hold, 1.1052f, 1, 480}};
    const Timeline onTheBoundaries = {{0.15f, Grow, 0, 0, 0}, {0.5f, Hold, 1, 1, 360}, {0.25f, Fade, 0.8801f, 1, 360},
                                      {0.01f, Done, 0, 0, 360}, {0.1f, Done, 0, 0, 360}};
    for (const Timeline& timeline : {byFrames, onTheBoundaries}) {
        Message message;
        for (const auto& [dt, phase, scale, alpha, angle] : timeline) {
            message.advance(dt);
            EXPECT_EQ(message.phase, phase);
            EXPECT_NEAR(message.scale, scale, 1e-3f);
            EXPECT_NEAR(message.alpha, alpha, 1e-3f);
            EXPECT_NEAR(message.angle, angle, 1e-2f);
        }
    }
}

// The fourth update removes the first message alone, the others keeping their order; a text is cut at 255 characters.
TEST(MessageBoard, KeepsMessagesInPostingOrderUntilTheUpdateThatFinishesEach)
{
    MessageBoard board;
    const char* none = nullptr;
    board.post(1, 2, "%.1f meters!", 12.34);
    board.update(0.3f);
    board.post(0, 0, "%s!", std::string(300, 'x').c_str());
    board.post(0, 0, none);
    board.update(0.5f);
    board.update(0.3f);
    ASSERT_EQ(board.messages.size(), 3u);
    EXPECT_EQ(std::tie(board.messages[0].text, board.messages[0].x, board.messages[0].y),
              std::make_tuple(std::string("12.3 meters!"), 1.0f, 2.0f));
    board.update(0.01f);
    ASSERT_EQ(board.messages.size(), 2u);
    EXPECT_EQ(board.messages[0].text + board.messages[1].text, std::string(255, 'x'));
}
