#include "app/View.h"
#include "graphics/Stage.h"
#include "tests/support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>

namespace {

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override { Stage::instance().setBounds(30, 8, 0, -8); }

    double cameraX() const { return -view.offsetX(); }
    double cameraY() const { return -view.offsetY(); }
    double distance() const { return -view.offsetZ(); }

    // Scrolls with the pointer resting at (x, y) for the given number of 1/60 s frames.
    void scroll(float x, float y, int frames)
    {
        view.edgeScroll(x, y, false);
        for (int i = 0; i < frames; ++i)
            view.update(1.0f / 60);
    }

    View view;
};

std::array<GLint, 4> viewport()
{
    std::array<GLint, 4> box{};
    glGetIntegerv(GL_VIEWPORT, box.data());
    return box;
}

std::array<GLfloat, 16> matrix(GLenum which)
{
    std::array<GLfloat, 16> m{};
    glGetFloatv(which, m.data());
    return m;
}

void processWindowEvents()
{
    for (int i = 0; i < 20; ++i) {
        glutMainLoopEvent();
        glFinish();
    }
}

}

TEST_F(ViewTest, ReshapeHoldsTheWindowAt800AndOnlyThenLoadsTheCamera)
{
    ensureGlContext();
    EXPECT_EQ(view.width(), 800) << "input before the first reshape must still map";
    EXPECT_EQ(view.height(), 800);

    glutReshapeWindow(640, 480);
    processWindowEvents();
    ASSERT_EQ(glutGet(GLUT_WINDOW_WIDTH), 640);
    glViewport(0, 0, 10, 10);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    auto projectionBefore = matrix(GL_PROJECTION_MATRIX);

    view.reshape(640, 480);
    EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 10, 10}));
    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), projectionBefore);
    processWindowEvents();
    EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), 800);
    EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), 800);

    view.reshape(800, 800);
    EXPECT_EQ(viewport(), (std::array<GLint, 4>{0, 0, 800, 800}));
    auto projection = matrix(GL_PROJECTION_MATRIX);
    EXPECT_FLOAT_EQ(projection[0], 1.0f) << "a 90 degree square view";
    EXPECT_FLOAT_EQ(projection[5], 1.0f);
    auto camera = matrix(GL_MODELVIEW_MATRIX);
    EXPECT_FLOAT_EQ(camera[12], 0.0f);
    EXPECT_FLOAT_EQ(camera[13], -5.0f);
    EXPECT_FLOAT_EQ(camera[14], -5.0f);
}

TEST_F(ViewTest, ZoomStaysBetweenOneAndFifteenMeters)
{
    EXPECT_DOUBLE_EQ(view.halfExtent(), 5.0);
    for (int i = 0; i < 8; ++i)
        view.move(0, 0, 0.5);
    EXPECT_DOUBLE_EQ(distance(), 1.0);
    view.move(0, 0, 0.5);
    EXPECT_DOUBLE_EQ(distance(), 1.0);

    for (int i = 0; i < 27; ++i)
        view.move(0, 0, -0.5);
    EXPECT_DOUBLE_EQ(distance(), 14.5);
    view.move(0, 0, -0.5);
    EXPECT_DOUBLE_EQ(distance(), 15.0) << "28 steps out from 1 m reach 15 m";
    view.move(0, 0, -0.5);
    EXPECT_DOUBLE_EQ(distance(), 15.0);
    EXPECT_DOUBLE_EQ(view.halfExtent(), 15.0);
}

TEST_F(ViewTest, EdgeScrollGrowsWithTheCubeOfTheWayIntoTheBand)
{
    view.edgeScroll(160, 400, false);
    EXPECT_FLOAT_EQ(view.scrollVelocityX(), 0) << "the band's inner border";
    view.edgeScroll(400, 400, false);
    EXPECT_FLOAT_EQ(view.scrollVelocityX(), 0);
    EXPECT_FLOAT_EQ(view.scrollVelocityY(), 0);
    view.edgeScroll(0, 400, false);
    EXPECT_FLOAT_EQ(view.scrollVelocityX(), 24);
    view.edgeScroll(80, 400, false);
    EXPECT_FLOAT_EQ(view.scrollVelocityX(), 3) << "half way into the band: 24 / 8";
    view.edgeScroll(800, 400, false);
    EXPECT_FLOAT_EQ(view.scrollVelocityX(), -24);
    view.edgeScroll(960, 400, false);
    EXPECT_FLOAT_EQ(view.scrollVelocityX(), -192) << "160 px beyond the right edge during a drag";
    view.edgeScroll(400, 0, false);
    EXPECT_FLOAT_EQ(view.scrollVelocityY(), -24) << "the top edge moves the camera up";
    view.edgeScroll(400, 800, false);
    EXPECT_FLOAT_EQ(view.scrollVelocityY(), 24);
    view.edgeScroll(0, 0, true);
    EXPECT_FLOAT_EQ(view.scrollVelocityX(), 0);
    EXPECT_FLOAT_EQ(view.scrollVelocityY(), 0);
}

TEST_F(ViewTest, UpdateKeepsWhatTheCameraSeesInsideTheStage)
{
    EXPECT_DOUBLE_EQ(cameraY(), 5.0);
    scroll(0, 400, 60);
    EXPECT_DOUBLE_EQ(cameraX(), -3.0) << "left bound plus the half extent";
    scroll(800, 400, 600);
    EXPECT_DOUBLE_EQ(cameraX(), 3.0);
    scroll(400, 0, 600);
    EXPECT_DOUBLE_EQ(cameraY(), 25.0);

    // Zooming out near the top pulls the camera down on the next update.
    view.move(0, 0, -2);
    scroll(400, 400, 1);
    EXPECT_DOUBLE_EQ(cameraY(), 23.0);
    EXPECT_DOUBLE_EQ(cameraX(), 1.0);

    // Past 8 m the view is wider than the Stage: x is held at its centre.
    view.move(0, 0, -1.5);
    scroll(0, 400, 60);
    EXPECT_DOUBLE_EQ(cameraX(), 0.0);
    scroll(800, 400, 60);
    EXPECT_DOUBLE_EQ(cameraX(), 0.0);

    scroll(400, 800, 600);
    EXPECT_DOUBLE_EQ(cameraY(), 8.5);
}
