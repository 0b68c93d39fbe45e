#include "app/Game.h"
#include "app/View.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Stage.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"
#include "tests/construction/PlayWorld.h"
#include "tests/support/GlContext.h"
#include "text/MessageBoard.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>
#include <vector>

namespace {

constexpr int side = 800;

// A sprite that paints its square in one colour of its own, whatever colour
// its owner sets, so the picture tells which sprite was drawn last.
unsigned paintedSprite(float red, float green, float blue)
{
    unsigned square = makeSpriteQuad(0);
    unsigned list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glColor4f(red, green, blue, 1);
    glCallList(square);
    glEndList();
    return list;
}

std::vector<std::uint8_t> windowPixels(GLenum buffer)
{
    glFinish();
    std::vector<std::uint8_t> rgb(side * side * 3);
    glReadBuffer(buffer);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, side, side, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

GLint modelviewDepth()
{
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

// Where the world point shows in the window, bottom row 0, through the camera.
std::array<int, 2> windowPixelOf(float x, float y)
{
    const View& view = View::instance();
    double pixelsPerMeter = side / (2 * view.halfExtent());
    return {static_cast<int>((x + view.offsetX()) * pixelsPerMeter + side / 2),
            static_cast<int>((y + view.offsetY()) * pixelsPerMeter + side / 2)};
}

}

TEST(FrameClock, MeasuresAcrossTheCountersWrap)
{
    EXPECT_DOUBLE_EQ(elapsedSeconds(1500, 1000), 0.5);
    EXPECT_DOUBLE_EQ(elapsedSeconds(1000, 1000), 0.0);
    EXPECT_DOUBLE_EQ(elapsedSeconds(5, 0xFFFFFFFBu), 0.010);
    EXPECT_DOUBLE_EQ(elapsedSeconds(0, 0xFFFFFFFFu), 0.001);
}

// The game as the entry sets it up, driven one frame at a time.
class GameFrame : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ensureGlContext();
        Game::instance().setup();
        View::instance().reshape(side, side);
    }

    // The game keeps its world to the end; a test lets go of it.
    static void TearDownTestSuite() { clearPlay(); }
};

TEST_F(GameFrame, ScreensFillTheWindowEdgeToEdgeAndLeaveTheMatrixStackAsFound)
{
    View::instance() = View();
    View::instance().reshape(side, side);
    Stage::instance().titleList = paintedSprite(1, 0, 0);
    Stage::instance().instructionsList = paintedSprite(0, 1, 0);
    for (int screen : {Title, Instructions}) {
        gameState = screen;
        GLint depthBefore = modelviewDepth();
        Game::instance().display();
        EXPECT_EQ(modelviewDepth(), depthBefore);
        std::vector<std::uint8_t> shown = windowPixels(GL_BACK);
        std::size_t lit = screen == Title ? 0 : 1;
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < shown.size(); i += 3)
            wrong += shown[i + lit] != 255 || shown[i + 1 - lit] != 0 || shown[i + 2] != 0;
        EXPECT_EQ(wrong, 0u) << "screen " << screen << " must cover the window";
    }
}

TEST_F(GameFrame, APlayFrameStepsTheWorldMovesCameraAndMessagesThenDrawsBallsOverSprings)
{
    View::instance() = View();
    View::instance().reshape(side, side);
    gameState = Play;
    for (std::size_t i = 0; i < massList.size(); ++i)
        massList.at(i)->sprite = paintedSprite(1, 0, 0);
    for (std::size_t i = 0; i < springList.size(); ++i)
        springList.at(i)->sprite = paintedSprite(0, 1, 0);
    Mass& corner = *massList.at(2); // three springs end on it, clear of the scenery
    float startY = corner.y;
    View::instance().edgeScroll(0, side / 2, false);
    MessageBoard::instance().post(0, 5, "hello");

    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    GLint depthBefore = modelviewDepth();
    Game::instance().display();
    EXPECT_EQ(modelviewDepth(), depthBefore);
    EXPECT_LT(corner.y, startY) << "the structure was stepped";
    EXPECT_GT(View::instance().offsetX(), 0) << "the camera scrolled left";
    EXPECT_GT(MessageBoard::instance().messages.back().time, 0) << "the messages were advanced";

    std::vector<std::uint8_t> shown = windowPixels(GL_BACK);
    auto [x, y] = windowPixelOf(corner.x, corner.y);
    const std::uint8_t* centre = &shown[(static_cast<std::size_t>(y) * side + x) * 3];
    EXPECT_TRUE(centre[0] == 255 && centre[1] == 0) << "a ball covers the ends of its springs";
    MessageBoard::instance().messages.clear();
}
