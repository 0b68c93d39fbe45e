#include "app/Game.h"
#include "app/Pointer.h"
#include "app/View.h"
#include "graphics/Stage.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

TEST(Pointer, MapsTheWindowToTheWorldTheCameraSees)
{
    Stage::instance().setBounds(30, 8, 0, -8);
    Pointer pointer;
    EXPECT_FLOAT_EQ(pointer.worldX, 0) << "before any motion";
    EXPECT_FLOAT_EQ(pointer.worldY, 0);

    // The camera starts 5 m from the plane, looking at (0, 5).
    pointer.setPosition(400, 400);
    EXPECT_NEAR(pointer.worldX, 0, 1e-6);
    EXPECT_FLOAT_EQ(pointer.worldY, 5);
    pointer.setPosition(0, 0);
    EXPECT_FLOAT_EQ(pointer.worldX, -5);
    EXPECT_FLOAT_EQ(pointer.worldY, 10);
    pointer.setPosition(800, 800);
    EXPECT_FLOAT_EQ(pointer.worldX, 5);
    EXPECT_NEAR(pointer.worldY, 0, 1e-6);
    pointer.setPosition(401, 400);
    EXPECT_NEAR(pointer.worldX, 0.0125f, 1e-6) << "one pixel at 5 m";

    // A drag outside the window stays on its border.
    pointer.setPosition(-300, 1200);
    EXPECT_FLOAT_EQ(pointer.worldX, -5);
    EXPECT_NEAR(pointer.worldY, 0, 1e-6);
}

TEST(Pointer, ScreensMoveOnOnlyOnPressesAndNeverBack)
{
    Pointer pointer;
    gameState = Title;
    pointer.onMouse(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10);
    EXPECT_EQ(gameState, Title) << "a release never advances";
    pointer.onMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 10, 10);
    EXPECT_EQ(gameState, Instructions) << "any button advances";
    EXPECT_EQ(pointer.buttons[GLUT_RIGHT_BUTTON], GLUT_DOWN);
    pointer.onMouse(GLUT_RIGHT_BUTTON, GLUT_UP, 10, 10);
    EXPECT_EQ(gameState, Instructions);
    pointer.onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    EXPECT_EQ(gameState, Play);
    pointer.onMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    EXPECT_EQ(gameState, Play);
    EXPECT_EQ(pointer.buttons[GLUT_LEFT_BUTTON], GLUT_DOWN);
}

TEST(Pointer, WheelButtonsLeaveTheButtonTableAlone)
{
    Pointer pointer;
    gameState = Play;
    pointer.onMouse(3, GLUT_DOWN, 0, 0);
    pointer.onMouse(4, GLUT_DOWN, 0, 0);
    pointer.onMouse(7, GLUT_UP, 0, 0);
    pointer.onMouse(-1, GLUT_DOWN, 0, 0);
    EXPECT_EQ(pointer.buttons, (std::array<std::int16_t, 3>{GLUT_UP, GLUT_UP, GLUT_UP}));
}

TEST(Pointer, OnlyLowerCaseWAndSZoom)
{
    Stage::instance().setBounds(30, 8, 0, -8);
    Pointer pointer;
    double start = View::instance().offsetZ();
    pointer.onKeyDown('w', 0, 0);
    EXPECT_DOUBLE_EQ(View::instance().offsetZ(), start - 0.5);
    pointer.onKeyDown('s', 0, 0);
    EXPECT_DOUBLE_EQ(View::instance().offsetZ(), start);
    for (unsigned char key : {'W', 'S', 'a', ' ', '\x1b'})
        pointer.onKeyDown(key, 0, 0);
    pointer.onKeyUp(GLUT_KEY_UP, 0, 0);
    EXPECT_DOUBLE_EQ(View::instance().offsetZ(), start);
}
