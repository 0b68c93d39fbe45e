#include "app/Game.h"
#include "app/View.h"
#include "construction/CrawlerList.h"
#include "construction/StartingCrawlers.h"
#include "graphics/SpriteQuad.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "physics/StructureStep.h"
#include "tests/construction/PlayWorld.h"
#include "tests/support/GlContext.h"
#include "text/MessageBoard.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>
#include <tuple>

namespace {

// A sprite that paints its square in a colour of its own, whatever colour its
// owner sets, so the picture tells which kind of sprite was drawn last.
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

// The colour drawn at the world point, through the camera as it now is.
std::array<std::uint8_t, 3> shownAt(const Mass& ball)
{
    const View& view = View::instance();
    double pixelsPerMeter = 400 / view.halfExtent();
    std::array<std::uint8_t, 3> rgb{};
    glReadBuffer(GL_BACK);
    glReadPixels(static_cast<int>((ball.x + view.offsetX()) * pixelsPerMeter + 400),
                 static_cast<int>((ball.y + view.offsetY()) * pixelsPerMeter + 400), 1, 1, GL_RGB, GL_UNSIGNED_BYTE,
                 rgb.data());
    return rgb;
}

}

// The game as the entry sets it up, then one frame of play.
TEST(Game, APlayFrameStepsEverythingThenDrawsSpringsBallsAndCrawlersInThatOrder)
{
    ensureGlContext();
    Game::instance().setup();
    View::instance() = View(); // the starting camera, whatever the pointer tests left
    // Any size is taken: the view fills the largest centred square, GL counting rows from the bottom.
    for (auto [width, height, viewport] : {std::tuple{1920, 1080, std::array{420, 0, 1080, 1080}},
                                           std::tuple{1000, 1601, std::array{0, 301, 1000, 1000}}}) {
        View::instance().reshape(width, height);
        std::array<GLint, 4> set{};
        glGetIntegerv(GL_VIEWPORT, set.data());
        EXPECT_EQ(set, viewport) << width << "x" << height;
    }
    View::instance().reshape(800, 800);
    View::instance().edgeScroll(0, 400, false);
    MessageBoard::instance().post(0, 5, "hello");
    gameState = Play;
    for (std::size_t i = 0; i < massList.size(); ++i)
        massList.at(i)->sprite = paintedSprite(1, 0, 0);
    for (std::size_t i = 0; i < springList.size(); ++i)
        springList.at(i)->sprite = paintedSprite(0, 1, 0);
    Mass& lower = *massList.at(0);
    Mass& left = *massList.at(1); // the upper two hold still; springs end on both
    Mass& right = *massList.at(2);
    left.grounded = right.grounded = true;
    Crawler& held = *crawlerList.at(0);
    held.state = Held;
    held.copyFrom(left);
    held.sprite = paintedSprite(0, 0, 1);
    for (std::size_t i = 1; i < crawlerList.size(); ++i) // however long the first frame, none falls into view
        crawlerList.at(i)->setY(1000);
    Crawler& falling = *crawlerList.at(1);
    massList.at(3)->setX(9); // past the right side: it becomes a crawler
    float lowerY = lower.y;

    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the clock starts once the world is built
    Game::instance().display();
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1) << "every matrix pushed is popped";
    EXPECT_TRUE(lower.y < lowerY && falling.y < 1000) << "the structure and the crawlers were stepped";
    EXPECT_EQ(crawlerList.size(), 101u) << "a stray ball comes back as a crawler";
    EXPECT_GT(View::instance().offsetX(), 0) << "the camera scrolled left";
    EXPECT_GT(MessageBoard::instance().messages.back().time, 0) << "the messages were advanced";
    EXPECT_EQ(shownAt(right), (std::array<std::uint8_t, 3>{255, 0, 0})) << "a ball covers its springs' ends";
    EXPECT_EQ(shownAt(left), (std::array<std::uint8_t, 3>{0, 0, 255})) << "a crawler covers the ball";
    clearPlay();
}

// The crawlers move in the structure's slices, and a stall simulates no more than
// the slices' cap: the camera and the messages age by the same time. Stepped by
// a whole minute, landed crawlers slid 25 m out along the ground.
class LongFrames : public PlayWorld {};

TEST_F(LongFrames, AreSlicedForTheCrawlersAsForTheStructureAndNeverScatterThem)
{
    Mass* ball = addBall(0, 3);
    Crawler& onTheBall = *addCrawler(0, 0.2f, Approaching); // jumps onto the ball where the slice has moved it
    onTheBall.target = ball;
    stepPlay(0.01f);
    EXPECT_EQ(onTheBall.y, ball->y) << "the crawlers after the structure";

    Crawler& falling = *addCrawler(0, 100);
    Crawler byHand = falling;
    MessageBoard::instance().post(0, 5, "hello");
    for (float frameTime : {0.05f, 60.0f}) {
        StructureSlices slices = sliceFrame(frameTime);
        for (int slice = 0; slice < slices.count; ++slice)
            byHand.update(slices.sliceTime);
        stepPlay(frameTime);
        EXPECT_TRUE(falling.y == byHand.y && falling.velocityY == byHand.velocityY) << frameTime;
    }
    EXPECT_FLOAT_EQ(MessageBoard::instance().messages.back().time, 0.05f + 8.0f / 60);
    clearPlay();

    addStartingStructure(massList, springList);
    addStartingCrawlers(crawlerList);
    for (int frame = 0; frame < 100; ++frame) {
        stepPlay(60);
        for (std::size_t i = 0; i < crawlerList.size(); ++i)
            ASSERT_LE(std::abs(crawlerList.at(i)->x), 8) << "frame " << frame;
    }
}
