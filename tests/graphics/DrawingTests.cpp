// Pictures made into textures and sprites, and the stage drawn with them into
// the test window (under Xvfb), read back pixel by pixel.
#include "graphics/CloudBand.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Stage.h"
#include "graphics/Texture.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace {

// A 1x2 picture, red over blue, stored bottom row first.
const TgaBytes redOverBlue = TgaBytes::header(2, 1, 2, 24).add({255, 0, 0, 0, 0, 255});

unsigned spriteOf(const TgaBytes& picture)
{
    return makeSpriteQuad(loadTexture(writeTempFile("sprite.tga", picture.bytes).c_str()));
}

unsigned greySprite(std::uint8_t level)
{
    return spriteOf(TgaBytes::header(2, 1, 1, 24).add({level, level, level}));
}

// The view: x from -16 to 16 m and y from -1 to 31 m, square on, so the field
// lies well inside the window at 25 pixels a meter.
constexpr double viewLeft = -16;
constexpr double viewBottom = -1;
constexpr double viewSide = 32;
constexpr double pixelsPerMeter = testWindowSide / viewSide;
constexpr int levelTolerance = 2;

int pixelIndex(double x, double y)
{
    return static_cast<int>((y - viewBottom) * pixelsPerMeter) * testWindowSide +
           static_cast<int>((x - viewLeft) * pixelsPerMeter);
}

// A rectangle of the world in meters and the red level it was drawn at.
struct Patch {
    double left;
    double bottom;
    double right;
    double top;
    int level;
};

// The window shows the patch's level just inside each of its edges, and
// another just outside.
void expectDrawn(const Patch& patch, const std::string& what)
{
    std::vector<std::uint8_t> red = readTestWindow(GL_RED);
    constexpr double step = 1.5 / pixelsPerMeter;
    double x = (patch.left + patch.right) / 2;
    double y = (patch.bottom + patch.top) / 2;
    for (auto [atX, atY, inside] : {std::tuple{x, y, true}, {patch.left + step, y, true}, {patch.left - step, y, false},
                                    {patch.right - step, y, true}, {patch.right + step, y, false},
                                    {x, patch.bottom + step, true}, {x, patch.bottom - step, false},
                                    {x, patch.top - step, true}, {x, patch.top + step, false}})
        EXPECT_EQ(std::abs(red[pixelIndex(atX, atY)] - patch.level) <= levelTolerance, inside)
            << what << " at (" << atX << ", " << atY << ") shows " << int(red[pixelIndex(atX, atY)]);
}

// Draws as the game does, back faces culled and depth tested, on black.
class Drawing : public testing::Test {
protected:
    void SetUp() override
    {
        ensureGlContext();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(viewLeft, viewLeft + viewSide, viewBottom, viewBottom + viewSide, -viewSide, viewSide);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_CULL_FACE);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        clear();
    }
    static void clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
};

}

TEST(Texture, ReadsOnlyTgaNamesAndThirtyTwoBitPictures)
{
    for (auto [name, isTga] : {std::pair{"a.tga", true}, {"A.TGA", true}, {"archive.old.tGa", true},
                               {"a.tga.bak", false}, {"a.tgax", false}, {"tga", false}})
        EXPECT_EQ(hasTgaExtension(name), isTga) << name;

    ensureGlContext();
    EXPECT_EQ(loadTexture(writeTempFile("picture.tga.bak", redOverBlue.bytes).c_str()), 0u);
    EXPECT_EQ(loadTexture(writeTempFile("grey.tga", TgaBytes::header(3, 2, 1, 8).add({1, 2}).bytes).c_str()), 0u);
    EXPECT_NE(loadTexture(writeTempFile("picture.TGA", redOverBlue.bytes).c_str()), 0u);
    // Well formed, but wider than any GL takes: refused, not drawn white.
    TgaBytes tooWide = TgaBytes::header(10, 32767, 2, 32);
    for (int run = 0; run < 2 * 32767 / 128; ++run)
        tooWide.add({0xFF, 1, 2, 3, 4});
    EXPECT_EQ(loadTexture(writeTempFile("wide.tga", tooWide.add({0xFD, 1, 2, 3, 4}).bytes).c_str()), 0u);
}

// The texture holds the decoded picture, and the quad shows it the right way up.
TEST_F(Drawing, SpriteQuadFacesTheViewerWithThePictureUpright)
{
    glEnable(GL_TEXTURE_2D);
    glTranslatef(0, 8, 0);
    glScalef(16, 16, 1);
    glCallList(spriteOf(redOverBlue));
    glDisable(GL_TEXTURE_2D);
    std::vector<std::uint8_t> red = readTestWindow(GL_RED);
    EXPECT_GT(red[pixelIndex(0, 12)], 200) << "the top of the picture must be red";
    EXPECT_LT(red[pixelIndex(0, 4)], 50) << "the bottom of the picture must be blue";
}

// Where each piece of scenery lands and how opaque it is, drawn with white
// pictures; and each draw leaves the colour white and its switches off.
TEST_F(Drawing, StageAndCloudBandLandWhereTheRulesSayAndLeaveTheStateAsTheyFoundIt)
{
    Stage& stage = Stage::instance();
    stage.backgroundList = stage.cloudList = stage.titleList = greySprite(255);
    stage.instructionsList = greySprite(128);
    stage.setBounds(playingField);
    CloudBand::instance().sprite = greySprite(255);
    const Patch field{playingField.left, playingField.bottom, playingField.right, playingField.top, 255};
    const std::tuple<const char*, void (*)(), Patch> cases[] = {
        {"backdrop", [] { Stage::instance().drawBackground(); }, field},
        {"backdrop, bounds given right to left and bottom to top",
         [] {
             Stage::instance().setBounds(playingField.bottom, playingField.left, playingField.top, playingField.right);
             Stage::instance().drawBackground();
         },
         field},
        {"cloud band: 25 m up, 0.75 m high, 12 m wide, 80 % opaque", [] { CloudBand::instance().draw(); },
         {-6, 24.625, 6, 25.375, 204}},
        {"the nearest scenery cloud, 46 % opaque", [] { Stage::instance().drawScenery(); }, {-0.5, 24.5, 7.5, 26.5, 117}},
        {"title, 5 m to each side", [] { Stage::instance().drawTitle(5); }, {-5, 0, 5, 10, 255}},
        {"instructions, 5 m to each side", [] { Stage::instance().drawInstructions(5); }, {-5, 0, 5, 10, 128}},
    };
    for (const auto& [what, draw, wanted] : cases) {
        clear();
        std::vector<float> before = drawingState();
        draw();
        EXPECT_EQ(drawingState(), before) << what;
        expectDrawn(wanted, what);
    }
    stage.setBounds(playingField);
}

TEST_F(Drawing, TwoSceneryCloudsLieBetweenTheBackdropAndTheStructureTheRestInFront)
{
    Stage& stage = Stage::instance();
    stage.backgroundList = greySprite(0);
    stage.cloudList = greySprite(255);
    stage.setBounds(playingField);
    // Which cloud centres show over what is drawn first.
    auto cloudsSeenOver = [&stage](void (*drawFirst)()) {
        clear();
        drawFirst();
        stage.drawScenery();
        std::vector<std::uint8_t> red = readTestWindow(GL_RED);
        std::vector<bool> seen;
        for (const SceneryCloud& cloud : stage.scenery)
            seen.push_back(red[pixelIndex(cloud.x, cloud.y)] > 0);
        return seen;
    };
    EXPECT_EQ(cloudsSeenOver([] { Stage::instance().drawBackground(); }), std::vector<bool>(stage.scenery.size(), true));
    auto blackStructurePlane = [] {
        glColor4f(0, 0, 0, 1);
        glRectd(viewLeft, viewBottom, viewLeft + viewSide, viewBottom + viewSide);
    };
    EXPECT_EQ(cloudsSeenOver(blackStructurePlane), (std::vector<bool>{false, false, true, true, true, true, true}));
}
