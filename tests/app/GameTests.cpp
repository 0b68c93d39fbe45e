#include "app/FrameClock.h"
#include "app/FramePacer.h"
#include "app/Game.h"
#include "app/View.h"
#include "construction/CrawlerList.h"
#include "construction/StartingCrawlers.h"
#include "graphics/CloudBand.h"
#include "graphics/Stage.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"
#include "physics/StartingStructure.h"
#include "physics/StructureStep.h"
#include "tests/construction/PlayWorld.h"
#include "tests/support/GlContext.h"
#include "text/MessageBoard.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <thread>

namespace {

using Wake = FramePacer::Wake;

// Frames drawn lateMs after the pacer's timer fires, from startMs; returns when the last of them came.
std::uint32_t drawFrames(FramePacer& pacer, std::uint32_t startMs, int frames, unsigned lateMs = 0)
{
    std::uint32_t nowMs = startMs;
    pacer.nextDelayMs(nowMs); // off schedule: the frame at the start comes at once
    unsigned delayMs = pacer.nextDelayMs(nowMs);
    for (int frame = 0; frame < frames; ++frame) {
        nowMs += delayMs + lateMs;
        delayMs = pacer.nextDelayMs(nowMs);
    }
    return nowMs;
}

// A sprite painting its square in its own colour while PaintedSprites lives, so the picture tells what was drawn last.
unsigned paintedSprite(float red, float green, float blue, float alpha = 1)
{
    const GLfloat colour[] = {red, green, blue, alpha};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_FLOAT, colour);
    return texture;
}

// Textures replace the colour they are drawn in, the font's white glyphs too.
struct PaintedSprites {
    PaintedSprites() { glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE); }
    ~PaintedSprites() { glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE); }
};

// Where the world point shows in the square window through the camera as it now is, rows from the bottom.
std::array<int, 2> pixelOf(double x, double y)
{
    const View& view = View::instance();
    double pixelsPerMeter = testWindowSide / 2 / view.halfExtent();
    return {static_cast<int>(std::lround((x + view.offsetX()) * pixelsPerMeter)) + testWindowSide / 2,
            static_cast<int>(std::lround((y + view.offsetY()) * pixelsPerMeter)) + testWindowSide / 2};
}

// The colours shown over the world rectangle from (left, bottom) to (right, top).
std::vector<std::array<std::uint8_t, 3>> seenOver(double left, double bottom, double right, double top)
{
    auto [x0, y0] = pixelOf(left, bottom);
    auto [x1, y1] = pixelOf(right, top);
    std::vector<std::array<std::uint8_t, 3>> rgb(static_cast<std::size_t>((x1 - x0 + 1) * (y1 - y0 + 1)));
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1); // rows of three-byte pixels, unpadded
    glReadPixels(x0, y0, x1 - x0 + 1, y1 - y0 + 1, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

std::array<std::uint8_t, 3> shownAt(const Mass& ball)
{
    return seenOver(ball.x, ball.y, ball.x, ball.y)[0];
}

bool near(std::array<std::uint8_t, 3> seen, std::array<int, 3> expected)
{
    return std::equal(seen.begin(), seen.end(), expected.begin(), [](int s, int e) { return std::abs(s - e) <= 4; });
}

}

// The game as the entry sets it up, in play at the starting camera, no crawler falling into view; then one frame.
class PlayFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureGlContext();
        Game::instance().setup();
        View::instance() = View();
        View::instance().reshape(testWindowSide, testWindowSide);
        gameState = Play;
        for (std::size_t i = 0; i < crawlerList.size(); ++i) {
            ASSERT_EQ(crawlerList.at(i)->sprite, crawlerList.sprite) << "every crawler draws with the list's sprite";
            crawlerList.at(i)->setY(1000);
        }
    }
    void TearDown() override { clearPlay(); }
};

TEST_F(PlayFrame, StepsEverythingThenDrawsSpringsBallsAndCrawlersInThatOrder)
{
    View::instance().edgeScroll(0, 400, false);
    MessageBoard::instance().post(0, 5, "hello");
    PaintedSprites painted;
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
}

// Crawlers move in the structure's slices, messages age by the slices' cap in a stall; landed crawlers once slid 25 m.
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
    clearPlay();
}

// With half see-through sprites: the cloud band over a ball and a crawler, scenery over the band, messages over all.
TEST_F(PlayFrame, DrawsTheCloudBandOverTheStructureTheSceneryOverTheBandAndTheMessagesOverAll)
{
    View::instance().move(0, -20, 0); // looking at 25 m, the band's height
    Stage& stage = Stage::instance();
    PaintedSprites painted;
    stage.backgroundTexture = paintedSprite(0, 0, 0.2f);
    for (SceneryCloud& cloud : stage.scenery)
        cloud.sprite = paintedSprite(0, 0, 1, 0.5f);
    CloudBand::instance().sprite = paintedSprite(1, 0, 0, 0.5f);
    Mass* ball = massList.addBallAt(-4, 25);
    ball->grounded = true;
    ball->sprite = paintedSprite(0, 1, 0);
    Crawler& crawler = *crawlerList.at(0);
    crawler.state = Held;
    crawler.setX(-2.5f);
    crawler.setY(25);
    crawler.sprite = paintedSprite(0, 0, 1);
    MessageBoard::instance().post(1, 27, "hello");
    Message& message = MessageBoard::instance().messages.back();
    message.phase = Hold;
    message.scale = message.alpha = 1;

    Game::instance().display();
    EXPECT_TRUE(near(shownAt(*ball), {128, 128, 0})) << "the band over a ball";
    EXPECT_TRUE(near(shownAt(crawler), {128, 0, 128})) << "the band over a crawler";
    EXPECT_TRUE(near(seenOver(2, 25, 2, 25)[0], {64, 0, 140})) << "the nearest scenery cloud over the band";
    std::vector<std::array<std::uint8_t, 3>> text = seenOver(0.9, 26.7, 3.5, 27.8);
    auto brightest = *std::max_element(text.begin(), text.end(), [](auto a, auto b) { return a[0] + a[1] + a[2] < b[0] + b[1] + b[2]; });
    EXPECT_TRUE(near(brightest, {255, 255, 255})) << "white text over the scenery cloud";
    EXPECT_TRUE(near(text.front(), {0, 0, 153})) << "the cloud over the backdrop all about it";
}

TEST(FrameClock, PlaysTheTimeBetweenFramesButNotAPauseOrAStall)
{
    FrameClock clock(0xFFFFFFF0u);
    EXPECT_DOUBLE_EQ(clock.tick(0x10u), 0.032) << "across the counter's wrap";
    EXPECT_DOUBLE_EQ(clock.tick(0x10u), 0);
    clock.pause();
    EXPECT_DOUBLE_EQ(clock.tick(116), 0) << "hidden, or on a screen before play, however briefly";
    EXPECT_DOUBLE_EQ(clock.tick(133), 0.017) << "and from there on as before";
    EXPECT_DOUBLE_EQ(clock.tick(1'133), 1.0) << "a slow frame still counts";
    EXPECT_DOUBLE_EQ(clock.tick(2'134), 0) << "a stall does not";
    EXPECT_DOUBLE_EQ(clock.tick(2'150), 0.016);
    clock.pause();
    clock.restart(40'000);
    EXPECT_DOUBLE_EQ(clock.tick(40'016), 0.016) << "from a restart";
}

TEST(FramePacer, PlayRunsOnTheTimerTheScreensRedrawOnlyOnAChangeAndAHiddenWindowNotAtAll)
{
    FramePacer pacer = FramePacer::paced(60);
    EXPECT_EQ(pacer.wake(false), Wake::Redraw);
    EXPECT_FALSE(pacer.frameDue(false)) << "no timer on the screens";
    EXPECT_EQ(pacer.wake(true), Wake::StartFrames);
    EXPECT_EQ(pacer.wake(true), Wake::Nothing) << "one timer, however much input";
    EXPECT_TRUE(pacer.frameDue(true));

    pacer.setVisible(false);
    EXPECT_EQ(pacer.wake(true), Wake::Nothing);
    EXPECT_EQ(pacer.wake(false), Wake::Nothing);
    EXPECT_FALSE(pacer.frameDue(true)) << "the timer lapses";
    pacer.setVisible(true);
    EXPECT_EQ(pacer.wake(true), Wake::StartFrames);

    FramePacer old = FramePacer::uncapped();
    EXPECT_TRUE(!old.timed() && old.frameDue(false) && old.frameDue(true)) << "every idle moment draws";
}

TEST(FramePacer, KeepsToTheRefreshRateThroughRoundingLatenessAndStalls)
{
    FramePacer pacer = FramePacer::paced(60);
    EXPECT_EQ(drawFrames(pacer, 0xFFFFF000u, 600), 0xFFFFF000u + 10'000) << "600 frames in 10 s, across the wrap";
    std::uint32_t start = 50'000;
    EXPECT_EQ(drawFrames(pacer, start, 600, 2) - start, 10'000u + 2) << "a frame a little late, the next one sooner";
    FramePacer fast = FramePacer::paced(144);
    EXPECT_EQ(drawFrames(fast, start, 144), start + 1000);
    start = drawFrames(pacer, start, 60) + 500; // a stall
    EXPECT_EQ(pacer.nextDelayMs(start), 0u) << "behind: the next frame at once";
    EXPECT_EQ(pacer.nextDelayMs(start + 5), 12u) << "then on a schedule from there, with no burst to catch up";
}
