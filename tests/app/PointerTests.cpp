#include "app/Game.h"
#include "app/Pointer.h"
#include "app/View.h"
#include "graphics/Stage.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

// A pointer and the game's camera and screens as they are at start-up.
class PointerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Stage::instance().setBounds(playingField);
        View::instance() = View();
        gameState = Title;
    }

    void expectWorld(float x, float y) const
    {
        EXPECT_NEAR(pointer.worldX, x, 1e-5);
        EXPECT_NEAR(pointer.worldY, y, 1e-5);
    }

    Pointer pointer;
};

}

TEST_F(PointerTest, MotionMapsThroughTheCameraAndScrollsUnlessTheRightButtonAloneIsHeld)
{
    expectWorld(0, 0); // before any motion
    // The camera starts 5 m from the plane, looking at (0, 5): 0.0125 m a pixel.
    const float cases[][4] = {{400, 400, 0, 5}, {0, 0, -5, 10}, {800, 800, 5, 0}, {401, 400, 0.0125f, 5}};
    for (const auto& c : cases) {
        pointer.onPassiveMotion(static_cast<int>(c[0]), static_cast<int>(c[1]));
        expectWorld(c[2], c[3]);
    }
    pointer.onPassiveMotion(-160, 400);
    expectWorld(-5, 5); // the world position stays on the window's border...
    EXPECT_FLOAT_EQ(View::instance().scrollVelocityX(), 192) << "...while the scroll sees the pointer itself";
    pointer.buttons = {GLUT_UP, GLUT_UP, GLUT_DOWN};
    pointer.onMotion(0, 800);
    expectWorld(-5, 0);
    EXPECT_EQ(View::instance().scrollVelocityY(), 0) << "the right button alone stops the scroll";
    pointer.buttons = {GLUT_DOWN, GLUT_UP, GLUT_DOWN};
    pointer.onMotion(0, 800);
    EXPECT_EQ(View::instance().scrollVelocityY(), 24);
    View::instance().move(0, 0, -1); // 6 m away and scrolled to the left end: camera at (-2, 6)
    View::instance().edgeScroll(0, 400, false);
    View::instance().update(1);
    pointer.onPassiveMotion(0, 800);
    expectWorld(-8, 0);
}

TEST_F(PointerTest, PressesMoveThroughTheScreensZoomKeysZoomAndButtonsKeepTheirOwnEntries)
{
    pointer.onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10);
    EXPECT_EQ(gameState, Title) << "a release never advances";
    pointer.onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 10, 10);
    EXPECT_EQ(gameState, Instructions) << "any button advances";
    pointer.onMouse(GLUT_RIGHT_BUTTON, GLUT_UP, 10, 10);
    pointer.onMouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 10, 10);
    EXPECT_EQ(gameState, Play);
    pointer.onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    for (int wheel : {3, 4, -1}) // no entry to write (the sanitizer build checks the bounds)
        pointer.onMouse(wheel, GLUT_UP, 0, 0);
    EXPECT_EQ(gameState, Play);
    EXPECT_EQ(pointer.buttons, (std::array<std::int16_t, 3>{GLUT_DOWN, GLUT_DOWN, GLUT_UP}));

    for (unsigned char key : {'w', 's', 's', 'W', 'S', 'a', ' '})
        pointer.onKeyDown(key, 0, 0);
    pointer.onKeyUp(GLUT_KEY_UP, 0, 0);
    EXPECT_DOUBLE_EQ(View::instance().offsetZ(), -4.5);
}
