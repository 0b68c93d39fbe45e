#include "app/Game.h"
#include "app/View.h"
#include "construction/CrawlerList.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"
#include "tests/construction/PlayWorld.h"
#include "tests/support/GlContext.h"
#include "text/MessageBoard.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

TEST(FrameClock, MeasuresAcrossTheCountersWrap)
{
    EXPECT_DOUBLE_EQ(elapsedSeconds(1500, 1000), 0.5);
    EXPECT_DOUBLE_EQ(elapsedSeconds(5, 0xFFFFFFFBu), 0.010);
}

// The game as the entry sets it up, then one frame of play.
TEST(Game, APlayFrameStepsTheStructureThenTheCrawlersTheCameraAndTheMessages)
{
    ensureGlContext();
    Game::instance().setup();
    glViewport(0, 0, 10, 10);
    View::instance().reshape(640, 480); // asks the window back to 800 by 800, and waits for it
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 10);
    View::instance().reshape(800, 800);
    View::instance().edgeScroll(0, 400, false);
    MessageBoard::instance().post(0, 5, "hello");
    gameState = Play;
    for (std::size_t i = 0; i < crawlerList.size(); ++i) // however long the first frame, none lands
        crawlerList.at(i)->setY(1000);
    Mass& lower = *massList.at(0);
    Crawler& falling = *crawlerList.at(0);
    Crawler& onTheStructure = *crawlerList.at(1);
    onTheStructure.state = Approaching; // jumps onto the ball where the step has just moved it
    onTheStructure.target = &lower;
    onTheStructure.setX(lower.x);
    massList.at(3)->setX(9); // past the right side: it becomes a crawler
    float lowerY = lower.y;

    Game::instance().display();
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1) << "every matrix pushed is popped";
    EXPECT_TRUE(lower.y < lowerY && falling.y < 1000) << "the structure and the crawlers were stepped";
    EXPECT_EQ(onTheStructure.y, lower.y) << "the crawlers after the structure";
    EXPECT_EQ(crawlerList.size(), 101u) << "a stray ball comes back as a crawler";
    EXPECT_GT(View::instance().offsetX(), 0) << "the camera scrolled left";
    EXPECT_GT(MessageBoard::instance().messages.back().time, 0) << "the messages were advanced";
    clearPlay();
}
