// The picture reader, and textures, sprites and the stage drawn into the test window, read back pixel by pixel.
#include "graphics/CloudBand.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Stage.h"
#include "graphics/Texture.h"
#include "graphics/TgaImage.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A TGA file, malformed ones included: the 18-byte header, then the bytes after it (ID and colour map announced).
Bytes tgaFile(std::uint8_t type, int width, int height, std::uint8_t depth, const Bytes& after = {},
              std::uint8_t descriptor = 0, std::uint8_t idLength = 0, std::uint8_t mapEntries = 0)
{
    auto low = [](int word) { return static_cast<std::uint8_t>(word); };
    auto high = [](int word) { return static_cast<std::uint8_t>(word >> 8); };
    std::uint8_t mapped = mapEntries > 0;
    Bytes file{idLength, mapped, type, 0, 0, mapEntries, 0, static_cast<std::uint8_t>(mapped * 24), 0, 0, 0, 0,
               low(width), high(width), low(height), high(height), depth, descriptor};
    std::copy(after.begin(), after.end(), std::back_inserter(file));
    return file;
}

// Run-length packets of that many black 32-bit pixels, up to 128 a packet.
Bytes blackRuns(std::size_t pixels)
{
    Bytes runs;
    for (std::size_t run = 0; pixels > 0; pixels -= run) {
        run = std::min<std::size_t>(pixels, 128);
        runs.insert(runs.end(), {static_cast<std::uint8_t>(0x80 | (run - 1)), 0, 0, 0, 0});
    }
    return runs;
}

// A 1x2 picture, red over blue, stored bottom row first.
const Bytes redOverBlue = tgaFile(2, 1, 2, 24, {255, 0, 0, 0, 0, 255});

unsigned spriteOf(const Bytes& picture)
{
    return loadTexture(writeTempFile("sprite.tga", picture).c_str());
}

unsigned greySprite(std::uint8_t level)
{
    return spriteOf(tgaFile(2, 1, 1, 24, {level, level, level}));
}

// The view: x from -16 to 16 m and y from -1 to 31 m, 25 pixels a meter.
constexpr double viewLeft = -16, viewBottom = -1, viewSide = 32, pixelsPerMeter = testWindowSide / viewSide;

int redAt(const std::vector<std::uint8_t>& red, double x, double y)
{
    return red[static_cast<int>((y - viewBottom) * pixelsPerMeter) * testWindowSide +
               static_cast<int>((x - viewLeft) * pixelsPerMeter)];
}

// Draws as the game does, in white, back faces culled and depth tested, on black.
void startDrawing()
{
    viewSquare(viewLeft, viewBottom, viewSide);
    glColor4f(1, 1, 1, 1);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

}

// Only pictures the GL can take make textures; a sprite shows its picture upright, even over a bare square.
TEST(Texture, ReadsOnlyTgaNamesAndThirtyTwoBitPicturesTheGlCanTakeAndItsSpriteShowsThemUpright)
{
    for (auto [name, isTga] : {std::pair{"a.tga", true}, {"A.TGA", true}, {"archive.old.tGa", true},
                               {"a.tga.bak", false}, {"a.tgax", false}, {"tga", false}})
        EXPECT_EQ(hasTgaExtension(name), isTga) << name;
    startDrawing();
    // The last two are well formed, but wider or higher than any GL takes: refused, not drawn white.
    for (auto [name, picture, loads] :
         {std::tuple{"picture.TGA", redOverBlue, true}, {"picture.tga.bak", redOverBlue, false},
          {"grey.tga", tgaFile(3, 2, 1, 8, {1, 2}), false},
          {"wide.tga", tgaFile(10, 32767, 2, 32, blackRuns(2 * 32767)), false},
          {"high.tga", tgaFile(10, 2, 32767, 32, blackRuns(2 * 32767)), false}})
        EXPECT_EQ(loadTexture(writeTempFile(name, picture).c_str()) != 0, loads) << name;
    glEnable(GL_TEXTURE_2D);
    glTranslatef(0, 8, 0);
    glScalef(16, 16, 1);
    drawSpriteQuad(0);
    drawSpriteQuad(spriteOf(redOverBlue));
    glDisable(GL_TEXTURE_2D);
    std::vector<std::uint8_t> red = readTestWindow(GL_RED);
    EXPECT_GT(redAt(red, 0, 12), 200) << "the top of the picture must be red";
    EXPECT_LT(redAt(red, 0, 4), 50) << "the bottom of the picture must be blue";
}

// Drawn white, each piece of scenery shows its opacity just inside each edge, not outside, and leaves the state.
TEST(Scenery, BackdropCloudBandCloudsAndScreensLandWhereTheRulesSayAndLeaveTheState)
{
    startDrawing();
    Stage& stage = Stage::instance();
    stage.backgroundTexture = stage.cloudTexture = stage.titleTexture = greySprite(255);
    stage.instructionsTexture = greySprite(128);
    stage.setBounds(playingField);
    CloudBand::instance().sprite = greySprite(255);
    // What each draws: the left, bottom, right and top of a patch, and its level.
    const std::tuple<const char*, void (*)(), std::array<double, 4>, int> cases[] = {
        {"backdrop", [] { Stage::instance().drawBackground(); },
         {playingField.left, playingField.bottom, playingField.right, playingField.top}, 255},
        {"cloud band: 25 m up, 0.75 m high, 12 m wide, 80 % opaque", [] { CloudBand::instance().draw(); },
         {-6, 24.625, 6, 25.375}, 204},
        {"the nearest scenery cloud, 46 % opaque", [] { Stage::instance().drawScenery(); },
         {-0.5, 24.5, 7.5, 26.5}, 117},
        {"title, 5 m to each side", [] { Stage::instance().drawTitle(5); }, {-5, 0, 5, 10}, 255},
        {"instructions, 5 m to each side", [] { Stage::instance().drawInstructions(5); }, {-5, 0, 5, 10}, 128},
    };
    constexpr double step = 1.5 / pixelsPerMeter;
    for (const auto& [what, draw, patch, level] : cases) {
        startDrawing();
        std::vector<float> before = drawingState();
        draw();
        EXPECT_EQ(drawingState(), before) << what;
        std::vector<std::uint8_t> red = readTestWindow(GL_RED);
        auto [left, bottom, right, top] = patch;
        for (double inwards : {step, -step})
            for (auto [x, y] : {std::pair{left + inwards, (bottom + top) / 2}, {right - inwards, (bottom + top) / 2},
                                {(left + right) / 2, bottom + inwards}, {(left + right) / 2, top - inwards}})
                EXPECT_EQ(std::abs(redAt(red, x, y) - level) <= 2, inwards > 0)
                    << what << " at (" << x << ", " << y << ") shows " << redAt(red, x, y);
    }
}

// Half-clear clouds, then a white backdrop showing through the clear halves only, then the structure's plane over two.
TEST(Scenery, TwoCloudsLieBetweenTheBackdropAndTheStructureTheRestInFront)
{
    startDrawing();
    Stage& stage = Stage::instance();
    stage.backgroundTexture = greySprite(255);
    stage.cloudTexture = spriteOf(tgaFile(2, 4, 1, 32, {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255}));
    stage.setBounds(playingField);
    // Whether each cloud shows, a quarter of its width left (-1) or right (1) of its centre.
    auto cloudsSeen = [&stage](int side) {
        std::vector<std::uint8_t> red = readTestWindow(GL_RED);
        std::vector<bool> seen;
        for (const SceneryCloud& cloud : stage.scenery)
            seen.push_back(redAt(red, cloud.x + side * cloud.scaleX / 4, cloud.y) < 255);
        return seen;
    };
    stage.drawScenery();
    stage.drawBackground();
    EXPECT_EQ(cloudsSeen(-1), std::vector<bool>(stage.scenery.size(), false));
    EXPECT_EQ(cloudsSeen(1), std::vector<bool>(stage.scenery.size(), true));
    glRectd(viewLeft, viewBottom, viewLeft + viewSide, viewBottom + viewSide);
    EXPECT_EQ(cloudsSeen(1), (std::vector<bool>{false, false, true, true, true, true, true}));
}

// A 2x2 picture stored as B, G, R, A either row first, decoded as R, G, B, A from the top row down.
TEST(TgaImage, DecodesEveryKindWeReadIntoRowsFromTheTopDown)
{
    const Bytes topDown = {0, 0, 255, 200, 0, 255, 0, 100, 255, 0, 0, 50, 7, 8, 9, 7};
    const Bytes bottomUp = {255, 0, 0, 50, 7, 8, 9, 7, 0, 0, 255, 200, 0, 255, 0, 100};
    const Bytes twoByTwo = {255, 0, 0, 200, 0, 255, 0, 100, 0, 0, 255, 50, 9, 8, 7, 7};
    // What each file decodes to: width, height, bits per pixel and pixels.
    const std::tuple<const char*, Bytes, int, int, int, Bytes> cases[] = {
        {"32 bits, bottom row first", tgaFile(2, 2, 2, 32, bottomUp), 2, 2, 32, twoByTwo},
        {"32 bits, top row first", tgaFile(2, 2, 2, 32, topDown, 0x20), 2, 2, 32, twoByTwo},
        {"24 bits gain an opaque alpha", tgaFile(2, 2, 1, 24, {1, 2, 3, 4, 5, 6}), 2, 1, 32,
         {3, 2, 1, 255, 6, 5, 4, 255}},
        {"8-bit greyscale", tgaFile(3, 2, 2, 8, {10, 20, 30, 40}), 2, 2, 8, {30, 40, 10, 20}},
        // 0x83: one pixel stored for four; 0x02: three pixels stored in turn.
        {"run and raw packets",
         tgaFile(10, 7, 1, 32, {0x83, 1, 2, 3, 4, 0x02, 10, 11, 12, 13, 20, 21, 22, 23, 30, 31, 32, 33}), 7, 1, 32,
         {3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 12, 11, 10, 13, 22, 21, 20, 23, 32, 31, 30, 33}},
        {"a 24-bit run, then a footer", tgaFile(10, 3, 1, 24, {0x82, 1, 2, 3, 'T', 'R', 'U', 'E', 'V', 'I', 'S', 0}),
         3, 1, 32, {3, 2, 1, 255, 3, 2, 1, 255, 3, 2, 1, 255}},
        {"an ID field and a colour map before the pixels",
         tgaFile(2, 1, 1, 24, {'i', 'd', '!', 9, 9, 9, 9, 9, 9, 1, 2, 3}, 0, 3, 2), 1, 1, 32, {3, 2, 1, 255}},
    };
    for (const auto& [what, file, width, height, bitsPerPixel, pixels] : cases) {
        TgaImage image;
        EXPECT_TRUE(image.load(writeTempFile("decoded.tga", file).c_str())) << what;
        EXPECT_EQ(std::tie(image.width, image.height, image.bitsPerPixel, image.pixels),
                  std::tie(width, height, bitsPerPixel, pixels))
            << what;
        EXPECT_TRUE(image.load("")) << what << ": a decoded picture is held until released";
    }
}

// Refused by what load returns, so an overrun fails in every build; each refusal says why, a special file unopened.
TEST(TgaImage, RefusesMalformedFilesAndSpecialFilesWithoutReadingOrWritingPastABufferSayingWhy)
{
    Bytes largest = tgaFile(10, 4096, 4096, 32, blackRuns(4096 * 4096));
    EXPECT_TRUE(TgaImage().load(writeTempFile("largest.tga", largest).c_str())) << "the largest picture we take";
    const std::tuple<const char*, Bytes, const char*> cases[] = {
        {"a header a byte short", Bytes(17, 0), "truncated: shorter than a TGA header"},
        {"colour-mapped", tgaFile(1, 1, 1, 8, {0}), "not a TGA picture we read (type 1, 8 bits a pixel)"},
        {"16 bits", tgaFile(2, 1, 1, 16, {0, 0}), "not a TGA picture we read (type 2, 16 bits a pixel)"},
        {"no width", tgaFile(2, 0, 4, 24), "a TGA picture without pixels (0 by 4)"},
        {"no height", tgaFile(2, 4, 0, 24), "a TGA picture without pixels (4 by 0)"},
        {"a whole picture a row larger than we take", tgaFile(10, 4096, 4097, 32, blackRuns(4096 * 4097)),
         "larger than the 64 MiB of pixels we take (4096 by 4097)"},
        {"truncated pixels", tgaFile(2, 2, 2, 24, Bytes(11, 1)), "truncated"},
        {"an ID field past the end", tgaFile(2, 1, 1, 24, {1, 2, 3}, 0, 200), "truncated"},
        {"run-length grey", tgaFile(10, 4, 1, 8, {0x83, 9}), "not a TGA picture we read (type 10, 8 bits a pixel)"},
        {"a run one pixel longer than the picture", tgaFile(10, 2, 1, 32, {0x82, 1, 2, 3, 4}),
         "a run-length packet runs past the end of the picture"},
        {"a raw packet whose pixels run past the end of the file", tgaFile(10, 4, 1, 24, {0x03, 1, 2, 3}),
         "truncated"},
        {"packets missing", tgaFile(10, 4, 1, 24, {0x81, 1, 2, 3}), "truncated"},
        {"more bytes than its header can need", tgaFile(2, 1, 1, 24, Bytes(3 + 70000, 0)),
         "larger than its header can need (70021 bytes)"},
    };
    for (const auto& [what, file, reason] : cases) {
        TgaImage image;
        EXPECT_FALSE(image.load(writeTempFile("refused.tga", file).c_str())) << what;
        EXPECT_TRUE(image.pixels.empty()) << what;
        EXPECT_EQ(image.problem, reason) << what;
    }
    std::string fifo = tempPath("fifo.tga");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (auto [path, reason] :
         {std::pair{fifo, "a FIFO, not a regular file"}, {tempPath(""), "a folder, not a regular file"},
          {"/dev/zero", "a device, not a regular file"}, {tempPath("missing.tga"), "No such file or directory"}}) {
        TgaImage image;
        EXPECT_FALSE(image.load(path.c_str())) << path;
        EXPECT_EQ(image.problem, reason) << path;
    }
}
