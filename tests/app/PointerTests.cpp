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
        EXPECT_NEAR(pointer.worldX, x, 1e-5) << "x";
        EXPECT_NEAR(pointer.worldY, y, 1e-5) << "y";
    }

    void expectScroll(float velocityX) const
    {
        EXPECT_FLOAT_EQ(View::instance().scrollVelocityX(), velocityX);
    }

    Pointer pointer;
};

}

TEST_F(PointerTest, MapsTheWindowToTheWorldTheCameraSees)
{
    expectWorld(0, 0); // before any motion
    struct Case {
        double x, y;
        float worldX, worldY;
    };
    // The camera starts 5 m from the plane, looking at (0, 5).
    for (Case c : {Case{400, 400, 0, 5}, Case{0, 0, -5, 10}, Case{800, 800, 5, 0}, Case{401, 400, 0.0125f, 5},
                   Case{-300, 1200, -5, 0}}) {
        pointer.setPosition(c.x, c.y);
        expectWorld(c.worldX, c.worldY);
    }
    View::instance().move(0, 0, -1);
    View::instance().update(0);
    pointer.setPosition(0, 800);
    expectWorld(-6, 0); // through the camera as it is now
}

TEST_F(PointerTest, MotionMapsThePointerAndScrollsUnlessTheRightButtonAloneIsHeld)
{
    pointer.onPassiveMotion(-160, 400);
    expectWorld(-5, 5); // the world position stays on the window's border...
    expectScroll(192);  // ...while the scroll sees where the pointer really is
    pointer.buttons = {GLUT_UP, GLUT_UP, GLUT_DOWN};
    pointer.onMotion(0, 800);
    expectWorld(-5, 0);
    expectScroll(0);
    pointer.buttons = {GLUT_DOWN, GLUT_UP, GLUT_DOWN};
    pointer.onMotion(0, 800);
    expectScroll(24);
    EXPECT_FLOAT_EQ(View::instance().scrollVelocityY(), 24);
    pointer.buttons = {GLUT_UP, GLUT_UP, GLUT_DOWN};
    pointer.onPassiveMotion(0, 400);
    expectScroll(24);
}

TEST_F(PointerTest, PressesMoveThroughTheScreensAndButtonsAreRecordedInTheirOwnEntries)
{
    pointer.onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10);
    EXPECT_EQ(gameState, Title) << "a release never advances";
    pointer.onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 10, 10);
    EXPECT_EQ(gameState, Instructions) << "any button advances";
    pointer.onMouse(GLUT_RIGHT_BUTTON, GLUT_UP, 10, 10);
    pointer.onMouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 10, 10);
    EXPECT_EQ(gameState, Play);
    pointer.onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    EXPECT_EQ(gameState, Play);
    EXPECT_EQ(pointer.buttons, (std::array<std::int16_t, 3>{GLUT_DOWN, GLUT_DOWN, GLUT_UP}));

    // The wheel arrives as further buttons, which have no entry to write (the
    // sanitizer build checks the table's bounds).
    for (int button : {3, 4, -1})
        pointer.onMouse(button, GLUT_UP, 0, 0);
    EXPECT_EQ(pointer.buttons, (std::array<std::int16_t, 3>{GLUT_DOWN, GLUT_DOWN, GLUT_UP}));
}

TEST_F(PointerTest, OnlyLowerCaseWAndSZoom)
{
    pointer.onKeyDown('w', 0, 0);
    EXPECT_DOUBLE_EQ(View::instance().offsetZ(), -5.5);
    pointer.onKeyDown('s', 0, 0);
    pointer.onKeyDown('s', 0, 0);
    EXPECT_DOUBLE_EQ(View::instance().offsetZ(), -4.5);
    for (unsigned char key : {'W', 'S', 'a', ' ', '\x1b'})
        pointer.onKeyDown(key, 0, 0);
    pointer.onKeyUp(GLUT_KEY_UP, 0, 0);
    EXPECT_DOUBLE_EQ(View::instance().offsetZ(), -4.5);
}
