#include "app/Game.h"
#include "app/View.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Stage.h"
#include "graphics/Texture.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/GlContext.h"
#include "tests/support/TempDir.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

GLint modelviewDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

std::array<GLfloat, 16> modelview()
{
    std::array<GLfloat, 16> m{};
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// A one-pixel picture of a single colour, as the screens' sprite.
unsigned solidScreen(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    TgaBytes file = TgaBytes::header(2, 1, 1, 24).add({blue, green, red});
    return makeSpriteQuad(loadTexture(writeTempFile("screen.tga", file.bytes).c_str()));
}

// What a frame on either screen shows, drawn without the swap so that the
// back buffer can be read.
std::vector<std::uint8_t> drawnScreen(int screen)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (screen == Title)
        Stage::instance().drawTitle(View::instance().halfExtent());
    else
        Stage::instance().drawInstructions(View::instance().halfExtent());
    glFinish();
    std::vector<std::uint8_t> frame(800 * 800 * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 800, 800, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
    return frame;
}

}

TEST(FrameClock, MeasuresAcrossTheCountersWrap)
{
    EXPECT_DOUBLE_EQ(elapsedSeconds(1500, 1000), 0.5);
    EXPECT_DOUBLE_EQ(elapsedSeconds(1000, 1000), 0.0);
    EXPECT_DOUBLE_EQ(elapsedSeconds(5, 0xFFFFFFFBu), 0.010);
    EXPECT_DOUBLE_EQ(elapsedSeconds(0, 0xFFFFFFFFu), 0.001);
}

TEST(Game, ScreensFillTheWindowEdgeToEdgeAndFramesLeaveTheMatrixStackAsFound)
{
    ensureGlContext();
    Stage::instance().setBounds(30, 8, 0, -8);
    View::instance().reshape(800, 800);
    Stage::instance().titleList = solidScreen(255, 0, 0);
    Stage::instance().instructionsList = solidScreen(0, 255, 0);

    for (int screen : {Title, Instructions}) {
        std::vector<std::uint8_t> frame = drawnScreen(screen);
        std::size_t lit = screen == Title ? 0 : 1;
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < frame.size(); i += 3)
            wrong += frame[i + lit] != 255 || frame[i + 1 - lit] != 0 || frame[i + 2] != 0;
        EXPECT_EQ(wrong, 0u) << "screen " << screen << " must cover the window";

        gameState = screen;
        GLint depthBefore = modelviewDepth();
        auto matrixBefore = modelview();
        Game::instance().display();
        EXPECT_EQ(modelviewDepth(), depthBefore);
        EXPECT_EQ(modelview(), matrixBefore);
    }
    EXPECT_GE(Game::instance().frameTime(), 0.0);
}
