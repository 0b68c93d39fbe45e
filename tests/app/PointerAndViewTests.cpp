#include "app/Game.h"
#include "app/Pointer.h"
#include "app/StartingWindow.h"
#include "app/View.h"
#include "graphics/Stage.h"
#include "tests/support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <tuple>

namespace {

// A pointer and the game's camera and screens as they are at start-up.
class PointerAndViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureGlContext(); // a reshape sets the viewport
        Stage::instance().setBounds(playingField);
        view = View();
        gameState = Title;
    }

    // Where the camera ends up after frames of 1/60 s with the pointer resting at (x, y).
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

TEST(StartingWindow, OpensAtItsUsualSizeWhereTheWorkAreaHasRoomElseAsLargeAsFitsAndWhole)
{
    struct Case { WorkArea area; int x, y, side; };
    for (Case c : {Case{{0, 0, 1024, 1024}, 100, 100, 800}, Case{{0, 0, 1366, 768}, 100, 0, 728},
                   Case{{0, 0, 1280, 900}, 100, 60, 800}, Case{{0, 24, 1920, 1000}, 100, 124, 800},
                   Case{{60, 30, 900, 700}, 160, 30, 660}, Case{{0, 0, 700, 1200}, 0, 100, 690},
                   Case{{0, 0, 160, 160}, 0, 0, 200}}) {
        StartingWindow window = startingWindow(c.area);
        EXPECT_TRUE(window.side == c.side && window.x == c.x && window.y == c.y) << c.area.width << "x" << c.area.height;
    }
}

// At any window size the pointer reads the view through the largest centred square, scaled from 800x800.
TEST_F(PointerAndViewTest, MotionMapsThroughTheFittedSquareAndTheCameraAndScrollsUnlessTheRightButtonAloneIsHeld)
{
    EXPECT_EQ(view.square().side, 800) << "input before the first reshape must still map";
    view.move(2, -1, -1); // 6 m from the plane, looking at (-2, 6): 0.015 m a pixel at 800
    const float cases[][4] = {{400, 400, -2, 6}, {0, 0, -8, 12}, {800, 800, 4, 0}, {200, 600, -5, 3}};
    struct Window { int width, height, left, top, side; };
    for (Window w : {Window{800, 800, 0, 0, 800}, Window{1600, 1600, 0, 0, 1600}, Window{1920, 1080, 420, 0, 1080},
                     Window{1000, 1601, 0, 300, 1000}}) {
        view.reshape(w.width, w.height);
        const FittedSquare& square = view.square();
        EXPECT_TRUE(square.left == w.left && square.top == w.top && square.side == w.side) << w.width;
        std::array<GLint, 4> viewport{}; // GL counts rows from the bottom
        glGetIntegerv(GL_VIEWPORT, viewport.data());
        EXPECT_EQ(viewport, (std::array{w.left, w.height - w.top - w.side, w.side, w.side})) << w.width;
        for (const auto& c : cases) {
            pointer.onPassiveMotion(w.left + static_cast<int>(c[0]) * w.side / 800,
                                    w.top + static_cast<int>(c[1]) * w.side / 800);
            EXPECT_NEAR(pointer.worldX, c[2], 1e-5) << w.width << "x" << w.height << " at " << c[0];
            EXPECT_NEAR(pointer.worldY, c[3], 1e-5) << w.width << "x" << w.height << " at " << c[1];
        }
    }
    pointer.onPassiveMotion(0, 1600);
    EXPECT_NEAR(pointer.worldX, -8, 1e-5) << "a margin reads as the square's border";
    EXPECT_NEAR(pointer.worldY, 0, 1e-5);
    view.reshape(800, 800);
    pointer.onPassiveMotion(-160, 400);
    EXPECT_NEAR(pointer.worldX, -8, 1e-5) << "the world position stays on the window's border...";
    EXPECT_NEAR(pointer.worldY, 6, 1e-5);
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
    // A release never advances, nor a wheel; any button does.
    for (auto [button, state, screen] :
         {std::tuple{GLUT_LEFT_BUTTON, GLUT_UP, Title}, {3, GLUT_DOWN, Title},
          {GLUT_RIGHT_BUTTON, GLUT_DOWN, Instructions}, {GLUT_RIGHT_BUTTON, GLUT_UP, Instructions},
          {GLUT_MIDDLE_BUTTON, GLUT_DOWN, Play}, {GLUT_LEFT_BUTTON, GLUT_DOWN, Play}}) {
        pointer.onMouse(button, state, 10, 10);
        EXPECT_EQ(gameState, screen) << button << (state == GLUT_DOWN ? " down" : " up");
    }
    EXPECT_EQ(pointer.buttons, (std::array<std::int16_t, 3>{GLUT_DOWN, GLUT_DOWN, GLUT_UP}));

    for (unsigned char key : {'w', 's', 's', 'W', 'S', 'a', ' '})
        pointer.onKeyDown(key, 0, 0);
    pointer.onKeyUp(GLUT_KEY_UP, 0, 0);
    EXPECT_DOUBLE_EQ(view.offsetZ(), -4.5);
}

// The bands are a fifth of the square, measured from its edges, at any window size.
TEST_F(PointerAndViewTest, EdgeScrollGrowsWithTheCubeOfTheWayIntoTheBand)
{
    struct Case { float x, y, velocityX, velocityY; };
    const Case cases[] = {{160, 400, 0, 0}, {400, 640, 0, 0}, {0, 400, 24, 0},   {80, 400, 3, 0},    {800, 400, -24, 0},
                          {960, 400, -192, 0}, {400, 0, 0, -24}, {400, 800, 0, 24}, {720, 80, -3, -3}, {-160, 400, 192, 0}};
    for (auto [width, height] : {std::pair{800, 800}, std::pair{1920, 1080}, std::pair{400, 1000}}) {
        view.reshape(width, height);
        const FittedSquare& square = view.square();
        float scale = square.side / 800.0f;
        for (Case c : cases) {
            view.edgeScroll(square.left + c.x * scale, square.top + c.y * scale, false);
            EXPECT_FLOAT_EQ(view.scrollVelocityX(), c.velocityX) << width << "x" << height << " at " << c.x;
            EXPECT_FLOAT_EQ(view.scrollVelocityY(), c.velocityY) << width << "x" << height << " at " << c.y;
        }
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

