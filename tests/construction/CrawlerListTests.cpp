#include "construction/CrawlerList.h"
#include "construction/HoverAndPreview.h"
#include "graphics/SpriteQuad.h"
#include "physics/MassList.h"
#include "physics/Spring.h"
#include "physics/SpringList.h"
#include "tests/construction/PlayWorld.h"
#include "tests/support/GlContext.h"

#include <GL/gl.h>

namespace {

using CrawlerListTest = PlayWorld;

}

TEST_F(CrawlerListTest, UpdateRemovesFinishedCrawlersInTheSamePassAndTheRingTurnsOnlyOnHoveredFrames)
{
    Crawler* first = addCrawler(0, 10, Vanishing);
    Crawler* second = addCrawler(1, 10, Vanishing);
    Crawler* after = addCrawler(2, 10);
    first->vanishTimer = second->vanishTimer = 0.3f;
    crawlerList.hoveredCrawler = second;
    crawlerList.update(0.1f);
    ASSERT_EQ(crawlerList.size(), 1u);
    EXPECT_EQ(crawlerList.at(0), after);
    EXPECT_LT(after->y, 10) << "updated in the same pass";
    EXPECT_EQ(crawlerList.hoveredCrawler, nullptr);

    ensureGlContext();
    crawlerList.selectorSprite = makeSpriteQuad(0);
    crawlerList.selectorAngle = 0;
    crawlerList.draw(0.02);
    EXPECT_EQ(crawlerList.selectorAngle, 0.0f);
    crawlerList.hoveredCrawler = after;
    after->hidden = true; // the ring shows around a hidden crawler too
    crawlerList.draw(0.02);
    crawlerList.draw(0.02);
    EXPECT_FLOAT_EQ(crawlerList.selectorAngle, -21.6f);
    EXPECT_FALSE(glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST) || glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(CrawlerListTest, NearestToPassesOverTheHeldCrawlerAndKeepsTheFirstOfEqualOnes)
{
    EXPECT_EQ(crawlerList.nearestTo(0, 0), nullptr);
    Crawler* held = addCrawler(0.1f, 0);
    held->active = false;
    EXPECT_EQ(crawlerList.nearestTo(0, 0), nullptr);
    Crawler* first = addCrawler(0.3f, 0);
    addCrawler(0, 0.3f);
    addCrawler(-0.3f, 0);
    EXPECT_EQ(crawlerList.nearestTo(0, 0), first);
    EXPECT_EQ(crawlerList.nearestTo(500, 0), first) << "however far";
}

TEST_F(CrawlerListTest, ABallLeavingTheStructureBecomesAFallingCrawlerAndTheWalkersOnItFall)
{
    Mass* anchor = addBall(7, 3);
    Mass* stray = addBall(8.5f, 4);
    stray->velocityY = 2;
    stray->mass = 0.3f;
    Mass* other = addBall(6, 3);
    join(anchor, stray);
    Spring* kept = join(anchor, other);
    Crawler* towards = addCrawler(7.5f, 3.5f, Walking);
    towards->previous = anchor;
    towards->target = stray;
    Crawler* away = addCrawler(8, 4, Walking);
    away->previous = stray;
    away->target = anchor;
    Crawler* elsewhere = addCrawler(6.5f, 3, Walking);
    elsewhere->previous = anchor;
    elsewhere->target = other;
    Crawler* carried = addCrawler(8, 6, Held);
    carried->previous = stray;

    massList.advance(0, springList);
    EXPECT_TRUE(massList.size() == 2 && springList.size() == 1 && springList.at(0) == kept);
    for (Crawler* fallen : {towards, away})
        EXPECT_TRUE(fallen->state == Falling && !fallen->target && !fallen->previous && fallen->progress == 0);
    EXPECT_TRUE(elsewhere->state == Walking && elsewhere->target == other);
    EXPECT_TRUE(carried->state == Held && carried->previous == nullptr) << "stays in the player's hand";
    ASSERT_EQ(crawlerList.size(), 5u);
    const Crawler& made = *crawlerList.at(4);
    EXPECT_TRUE(made.state == Falling && made.x == 8.5f && made.y == 4 && made.velocityY == 2);
    EXPECT_FLOAT_EQ(made.radius, 0.2355207f);
}
