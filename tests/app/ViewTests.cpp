#include "app/View.h"
#include "graphics/Stage.h"
#include "tests/support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

namespace {

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override { Stage::instance().setBounds(playingField); }

    // Scrolls with the pointer resting at (x, y) for the given number of 1/60 s
    // frames, and says where the camera ends up.
    std::pair<double, double> scroll(float x, float y, int frames)
    {
        view.edgeScroll(x, y, false);
        for (int i = 0; i < frames; ++i)
            view.update(1.0f / 60);
        return {-view.offsetX(), -view.offsetY()};
    }

    View view;
};

}

TEST_F(ViewTest, ReshapeLoadsTheSquareViewAndTheCameraOnlyAt800By800)
{
    ensureGlContext();
    glViewport(0, 0, 10, 10);
    view.reshape(640, 480); // asks the window back to 800 by 800, and waits for it
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 10);
    view.reshape(800, 800);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);
    GLfloat projection[16] = {};
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_TRUE(projection[0] == 1 && projection[5] == 1) << "a 90 degree square view";
    GLfloat camera[16] = {};
    glGetFloatv(GL_MODELVIEW_MATRIX, camera);
    EXPECT_TRUE(camera[12] == 0 && camera[13] == -5 && camera[14] == -5);
}

TEST_F(ViewTest, ZoomStaysBetweenOneAndFifteenMeters)
{
    EXPECT_EQ(view.width(), 800) << "input before the first reshape must still map";
    EXPECT_DOUBLE_EQ(view.halfExtent(), 5.0);
    for (int i = 0; i < 9; ++i)
        view.move(0, 0, 0.5);
    EXPECT_DOUBLE_EQ(view.offsetZ(), -1.0);
    for (int i = 0; i < 27; ++i)
        view.move(0, 0, -0.5);
    EXPECT_DOUBLE_EQ(view.offsetZ(), -14.5);
    view.move(0, 0, -0.5);
    view.move(0, 0, -0.5);
    EXPECT_DOUBLE_EQ(view.halfExtent(), 15.0) << "28 steps out from 1 m reach 15 m, and no further";
}

TEST_F(ViewTest, EdgeScrollGrowsWithTheCubeOfTheWayIntoTheBand)
{
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

TEST_F(ViewTest, UpdateKeepsWhatTheCameraSeesInsideTheStage)
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
}
