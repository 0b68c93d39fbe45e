#include "app/Game.h"
#include "app/Pointer.h"
#include "app/View.h"
#include "graphics/Stage.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

namespace {

// A pointer and the game's camera and screens as they are at start-up.
class PointerAndViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Stage::instance().setBounds(playingField);
        view = View();
        gameState = Title;
    }

    void expectWorld(float x, float y) const
    {
        EXPECT_NEAR(pointer.worldX, x, 1e-5);
        EXPECT_NEAR(pointer.worldY, y, 1e-5);
    }

    // Scrolls with the pointer resting at (x, y) for the given number of 1/60 s
    // frames, and says where the camera ends up.
    std::pair<double, double> scroll(float x, float y, int frames)
    {
        view.edgeScroll(x, y, false);
        for (int i = 0; i < frames; ++i)
            view.update(1.0f / 60);
        return {-view.offsetX(), -view.offsetY()};
    }

    View& view = View::instance();
    Pointer pointer;
};

}

TEST_F(PointerAndViewTest, MotionMapsThroughTheCameraAndScrollsUnlessTheRightButtonAloneIsHeld)
{
    view.move(2, -1, -1); // 6 m from the plane, looking at (-2, 6): 0.015 m a pixel
    const float cases[][4] = {{400, 400, -2, 6}, {0, 0, -8, 12}, {800, 800, 4, 0}, {401, 400, -1.985f, 6}};
    for (const auto& c : cases) {
        pointer.onPassiveMotion(static_cast<int>(c[0]), static_cast<int>(c[1]));
        expectWorld(c[2], c[3]);
    }
    pointer.onPassiveMotion(-160, 400);
    expectWorld(-8, 6); // the world position stays on the window's border...
    EXPECT_FLOAT_EQ(view.scrollVelocityX(), 192) << "...while the scroll sees the pointer itself";
    pointer.buttons = {GLUT_UP, GLUT_UP, GLUT_DOWN};
    pointer.onMotion(0, 800);
    EXPECT_EQ(view.scrollVelocityY(), 0) << "the right button alone stops the scroll";
    pointer.buttons = {GLUT_DOWN, GLUT_UP, GLUT_DOWN};
    pointer.onMotion(0, 800);
    EXPECT_EQ(view.scrollVelocityY(), 24);
}

TEST_F(PointerAndViewTest, PressesMoveThroughTheScreensZoomKeysZoomAndButtonsKeepTheirOwnEntries)
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
    EXPECT_DOUBLE_EQ(view.offsetZ(), -4.5);
}

TEST_F(PointerAndViewTest, EdgeScrollGrowsWithTheCubeOfTheWayIntoTheBand)
{
    EXPECT_EQ(view.width(), 800) << "input before the first reshape must still map";
    struct Case {
        float x, y, velocityX, velocityY;
    };
    for (Case c : {Case{160, 400, 0, 0}, Case{400, 640, 0, 0}, Case{0, 400, 24, 0}, Case{80, 400, 3, 0},
                   Case{800, 400, -24, 0}, Case{960, 400, -192, 0}, Case{400, 0, 0, -24}, Case{400, 800, 0, 24},
                   Case{720, 80, -3, -3}}) {
        view.edgeScroll(c.x, c.y, false);
        EXPECT_FLOAT_EQ(view.scrollVelocityX(), c.velocityX) << c.x << ", " << c.y;
        EXPECT_FLOAT_EQ(view.scrollVelocityY(), c.velocityY) << c.x << ", " << c.y;
    }
    view.edgeScroll(0, 0, true);
    EXPECT_TRUE(view.scrollVelocityX() == 0 && view.scrollVelocityY() == 0) << "suppressed";
}

TEST_F(PointerAndViewTest, ZoomAndScrollKeepWhatTheCameraSeesInsideTheStage)
{
    EXPECT_NEAR(scroll(0, 400, 1).first, -0.4, 1e-6) << "24 m/s for a sixtieth";
    EXPECT_DOUBLE_EQ(scroll(0, 400, 60).first, -3.0) << "left bound plus the half extent";
    EXPECT_DOUBLE_EQ(scroll(800, 400, 600).first, 3.0);
    EXPECT_DOUBLE_EQ(scroll(400, 0, 600).second, 25.0);
    view.move(0, 0, -2); // zooming out near the top pulls the camera down
    auto [x, y] = scroll(400, 400, 1);
    EXPECT_DOUBLE_EQ(x, 1.0);
    EXPECT_DOUBLE_EQ(y, 23.0);
    view.move(0, 0, -1.5); // past 8 m the view is wider than the Stage
    EXPECT_DOUBLE_EQ(scroll(0, 400, 60).first, 0.0);
    EXPECT_DOUBLE_EQ(scroll(800, 400, 60).first, 0.0);
    EXPECT_DOUBLE_EQ(scroll(400, 800, 600).second, 8.5);
    view.move(0, 0, -7);
    EXPECT_DOUBLE_EQ(view.offsetZ(), -15.0) << "no farther than half the Stage's height";
    view.move(0, 0, 14.5);
    EXPECT_DOUBLE_EQ(view.offsetZ(), -1.0) << "and no nearer than 1 m";
}
