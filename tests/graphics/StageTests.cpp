#include "graphics/CloudBand.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Stage.h"
#include "graphics/Texture.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

unsigned solidRed()
{
    TgaBytes file = TgaBytes::header(2, 1, 1, 24).add({0, 0, 255});
    return makeSpriteQuad(loadTexture(writeTempFile("red.tga", file.bytes).c_str()));
}

// Looks at the whole 30 m high field from 15 m, as the game's farthest camera
// does: x from -15 to 15, y from 0 to 30.
void lookAtTheWholeField()
{
    constexpr double near = 0.001;
    glViewport(0, 0, 800, 800);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-near, near, -near, near, near, 20);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, -15, -15);
}

// The red span of the row through the middle of the window, in pixels.
std::pair<int, int> redSpan()
{
    std::vector<std::uint8_t> row(800 * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 400, 800, 1, GL_RGB, GL_UNSIGNED_BYTE, row.data());
    int first = -1;
    int last = -1;
    for (int x = 0; x < 800; ++x) {
        if (row[3 * x] > 200 && row[3 * x + 1] < 50) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    return {first, last};
}

bool enabled(GLenum capability)
{
    return glIsEnabled(capability) == GL_TRUE;
}

std::array<GLfloat, 4> currentColour()
{
    std::array<GLfloat, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    return colour;
}

}

TEST(Stage, BackdropCoversExactlyThePlayingFieldWhicheverWayTheBoundsAreGiven)
{
    ensureGlContext();
    Stage& stage = Stage::instance();
    stage.setBounds(30, 8, 0, -8);
    lookAtTheWholeField();
    stage.backgroundList = solidRed();

    // x = -8 and 8 at 800 / 30 pixels per meter from the left edge at -15.
    for (auto bounds : {std::array<double, 4>{30, 8, 0, -8}, std::array<double, 4>{0, -8, 30, 8}}) {
        stage.setBounds(bounds[0], bounds[1], bounds[2], bounds[3]);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        stage.drawBackground();
        auto [first, last] = redSpan();
        EXPECT_NEAR(first, 187, 1);
        EXPECT_NEAR(last, 612, 1);
    }
    stage.setBounds(30, 8, 0, -8);
}

TEST(Stage, SceneryUsesTheCloudSpriteAndEveryDrawLeavesStateAsItFoundIt)
{
    ensureGlContext();
    Stage& stage = Stage::instance();
    stage.cloudList = solidRed();
    stage.setBounds(30, 8, 0, -8);
    for (const SceneryCloud& cloud : stage.scenery)
        EXPECT_EQ(cloud.sprite, stage.cloudList);
    EXPECT_FLOAT_EQ(stage.scenery[5].alpha, 0.46f);
    EXPECT_FLOAT_EQ(stage.scenery[0].z, -0.001f);

    auto draws = {+[] { Stage::instance().drawBackground(); }, +[] { Stage::instance().drawScenery(); },
                  +[] { CloudBand::instance().draw(); }, +[] { Stage::instance().drawTitle(5); }};
    for (auto draw : draws) {
        glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
        draw();
        EXPECT_FALSE(enabled(GL_BLEND));
        EXPECT_FALSE(enabled(GL_ALPHA_TEST));
        EXPECT_FALSE(enabled(GL_TEXTURE_2D));
        EXPECT_EQ(currentColour(), (std::array<GLfloat, 4>{1, 1, 1, 1}));
    }
    EXPECT_FLOAT_EQ(CloudBand::instance().height, 25.0f) << "the goal line crawlers are judged by";
}
