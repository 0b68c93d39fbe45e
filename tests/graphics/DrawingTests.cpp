// Textures, sprites and the stage drawn into the test window, read back pixel by pixel.
#include "graphics/CloudBand.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Stage.h"
#include "graphics/Texture.h"
#include "tests/graphics/TgaFile.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <tuple>

namespace {

// A 1x2 picture, red over blue, stored bottom row first.
const Bytes redOverBlue = tgaFile(2, 1, 2, 24, {255, 0, 0, 0, 0, 255});

unsigned spriteOf(const Bytes& picture)
{
    return makeSpriteQuad(loadTexture(writeTempFile("sprite.tga", picture).c_str()));
}

unsigned greySprite(std::uint8_t level)
{
    return spriteOf(tgaFile(2, 1, 1, 24, {level, level, level}));
}

// The view: x from -16 to 16 m and y from -1 to 31 m, 25 pixels a meter.
constexpr double viewLeft = -16;
constexpr double viewBottom = -1;
constexpr double viewSide = 32;
constexpr double pixelsPerMeter = testWindowSide / viewSide;

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

// Only pictures the GL can take make textures; the texture holds the decoded
// picture, and its sprite shows it the right way up to the viewer it faces.
TEST(Texture, ReadsOnlyTgaNamesAndThirtyTwoBitPicturesTheGlCanTakeAndItsSpriteShowsThemUpright)
{
    for (auto [name, isTga] : {std::pair{"a.tga", true}, {"A.TGA", true}, {"archive.old.tGa", true},
                               {"a.tga.bak", false}, {"a.tgax", false}, {"tga", false}})
        EXPECT_EQ(hasTgaExtension(name), isTga) << name;
    startDrawing();
    // The last is well formed, but wider than any GL takes: refused, not drawn white.
    for (auto [name, picture, loads] :
         {std::tuple{"picture.TGA", redOverBlue, true}, {"picture.tga.bak", redOverBlue, false},
          {"grey.tga", tgaFile(3, 2, 1, 8, {1, 2}), false},
          {"wide.tga", tgaFile(10, 32767, 2, 32, blackRuns(2 * 32767)), false}})
        EXPECT_EQ(loadTexture(writeTempFile(name, picture).c_str()) != 0, loads) << name;
    glEnable(GL_TEXTURE_2D);
    glTranslatef(0, 8, 0);
    glScalef(16, 16, 1);
    glCallList(spriteOf(redOverBlue));
    glDisable(GL_TEXTURE_2D);
    std::vector<std::uint8_t> red = readTestWindow(GL_RED);
    EXPECT_GT(redAt(red, 0, 12), 200) << "the top of the picture must be red";
    EXPECT_LT(redAt(red, 0, 4), 50) << "the bottom of the picture must be blue";
}

// Drawn with white pictures, each piece of scenery shows its opacity just inside
// each edge and not just outside; each leaves the colour white, its switches off.
TEST(Scenery, BackdropCloudBandCloudsAndScreensLandWhereTheRulesSayAndLeaveTheState)
{
    startDrawing();
    Stage& stage = Stage::instance();
    stage.backgroundList = stage.cloudList = stage.titleList = greySprite(255);
    stage.instructionsList = greySprite(128);
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

// Translucent clouds, clear on their left and white on their right, drawn on
// black; then white over them, first the backdrop, then the structure's plane.
// The backdrop shows through the clear halves (clear texels write no depth)
// but covers no cloud; the plane then covers the two clouds between the two.
TEST(Scenery, TwoCloudsLieBetweenTheBackdropAndTheStructureTheRestInFront)
{
    startDrawing();
    Stage& stage = Stage::instance();
    stage.backgroundList = greySprite(255);
    stage.cloudList = spriteOf(tgaFile(2, 4, 1, 32, {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 255, 255, 255}));
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
