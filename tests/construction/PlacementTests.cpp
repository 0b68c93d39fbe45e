#include "app/View.h"
#include "construction/Placement.h"
#include "tests/construction/PlayWorld.h"
#include "text/MessageBoard.h"

#include <SDL2/SDL_mixer.h>
#include <cmath>

// Placement driven through the pointer as the toolkit drives it.
using Placement = PlayWorld;

TEST_F(Placement, ADropNextToTwoJoinedBallsBuildsABallWithTwoSpringsAndANewHeightIsShownAndHeard)
{
    Mass* left = addBall(-1, 2); // the first of two at the same distance
    join(left, addBall(1, 2));
    massList.topHeight = 2;
    Crawler* crawler = drag(0.25f, 3.3f, 0, 3);
    ASSERT_TRUE(heldCrawler == crawler && crawler->state == Held && !crawler->active);
    for (int wheelOrSide : {3, 4, 8, -1}) // no buttons of the game's: their releases end no hold
        press(wheelOrSide), release(wheelOrSide);
    ASSERT_EQ(heldCrawler, crawler);
    EXPECT_TRUE(previewA->massA == left && previewB->massA == massList.at(1)) << "the nearest first";
    crawler->velocityY = -3;
    crawler->mass = 0.3f;
    release();
    ASSERT_EQ(massList.size(), 3u);
    const Mass& ball = *massList.at(2);
    EXPECT_TRUE(ball.x == 0 && ball.y == 3 && ball.velocityY == -3 && ball.mass == 0.3f && ball.active);
    EXPECT_TRUE(crawlerList.size() == 0 && !crawlerList.hoveredCrawler && !heldCrawler && !previewA && !previewB);
    for (std::size_t built = 1; built < springList.size(); ++built) {
        const Spring& spring = *springList.at(built);
        EXPECT_TRUE(spring.active && spring.stiffness == 90 && spring.massA == massList.at(built - 1) &&
                    spring.massB == &ball);
        EXPECT_FLOAT_EQ(spring.restLength, std::sqrt(2.0f));
    }
    ASSERT_EQ(MessageBoard::instance().messages.size(), 1u);
    const Message& message = MessageBoard::instance().messages[0];
    EXPECT_TRUE(message.text == "3.0 meters!" && message.x == 0 && message.y == 3);

    massList.topHeight = 2.5f; // a drop at the top shows nothing
    drag(0, 5, 0, 2.5f);
    release();
    EXPECT_EQ(massList.size(), 4u);
    EXPECT_EQ(MessageBoard::instance().messages.size(), 1u);

    for (int drop = 0; drop < 100; ++drop) { // enough draws to reach both ends of each range
        Mix_HaltChannel(-1);
        drag(0, 5, 0, 3);
        std::vector<int> squeak = soundsPlaying();
        ASSERT_TRUE(squeak.size() == 1 && squeak[0] < firstWinSound) << drop;
        release();
        std::vector<int> heard = soundsPlaying();
        ASSERT_TRUE(heard.size() == 2 && heard[1] >= firstWinSound && heard[1] < musicIndex) << drop;
    }
}

TEST_F(Placement, BetweenTwoBallsNotYetJoinedTheCrawlerBecomesABridgeOfUpToSixMeters)
{
    addBall(-2.5f, 2);
    Mass* right = addBall(4, 2);
    join(addBall(-2.5f, 8), addBall(-0.5f, 8)); // a joined pair up above
    Crawler* crawler = drag(0, 4, 0, 2.5f);
    EXPECT_TRUE(!crawler->hidden && previewA->rejected) << "6.5 m is too long";
    right->setX(3.5f);
    moveTo(0, 2.5f);
    EXPECT_TRUE(crawler->hidden && !previewA->rejected && previewB->rejected) << "6 m is the limit";
    moveTo(-2, 7);
    EXPECT_TRUE(!crawler->hidden && !previewA->rejected && !previewB->rejected) << "over to a triangle";
    moveTo(0, 2.5f);
    moveTo(0, 2.5f); // the bridge's own preview does not count as joining its ends
    release();
    EXPECT_EQ(crawlerList.size(), 0u);
    ASSERT_EQ(springList.size(), 2u);
    const Spring& bridge = *springList.at(1);
    EXPECT_TRUE(bridge.active && bridge.stiffness == 90 && bridge.massA == massList.at(0) && bridge.massB == right);
    EXPECT_FLOAT_EQ(bridge.restLength, 6);
    EXPECT_TRUE(MessageBoard::instance().messages.empty()) << "whatever the height";
}

TEST_F(Placement, TriangleSpringsReachThreeMetersAndBeyondThemTheCrawlerDropsBackIntoPlay)
{
    join(addBall(-2, 0.5f), addBall(-2, 6.5f));
    Crawler* crawler = addCrawler(1, 3.8f, Walking);
    moveTo(1, 3.5f);
    press();
    EXPECT_TRUE(crawler->y == 3.5f && previewA->rejected && previewB->rejected) << "the press alone previews";
    const float cases[][3] = {{-2, 3.5f, 0}, {-2, 3.4f, 1}, {-2, 3.6f, 1}, {1, 3.5f, 1}}; // where, rejected
    for (const auto& c : cases) {
        moveTo(c[0], c[1]);
        EXPECT_TRUE(previewA->rejected == (c[2] > 0) && previewB->rejected == (c[2] > 0) && !crawler->hidden)
            << c[0] << ", " << c[1] << ": " << previewA->measure() << " and " << previewB->measure();
    }
    crawler->velocityY = -1;
    release();
    EXPECT_TRUE(crawler->state == Falling && crawler->active && crawler->x == 1 && crawler->velocityY == -1);
    EXPECT_EQ(springList.size(), 1u) << "both previews are gone";
}

TEST_F(Placement, HoverReachesExactly55CentimetersAndThePointerIsHeldInsideTheStage)
{
    Crawler* crawler = addCrawler(0.55f, 2);
    const float cases[][3] = {{0, 2, 1}, {-0.01f, 2, 0}, {0.55f, 2.54f, 1}, {0.55f, 2.56f, 0}}; // where, hovered
    for (const auto& c : cases) {
        hoverAndPreview(c[0], c[1], false);
        EXPECT_EQ(crawlerList.hoveredCrawler, c[2] > 0 ? crawler : nullptr) << c[0] << ", " << c[1];
    }
    hoverAndPreview(0, 2, false);
    join(addBall(-7, 29), addBall(-6, 28.5f));
    pointerButton(-20, 50, true, false, true);
    EXPECT_TRUE(heldCrawler == crawler && crawler->x == -8 && crawler->y == 30);
    hoverAndPreview(12, -3, true);
    EXPECT_TRUE(crawler->x == 8 && crawler->y == 0);
    hoverAndPreview(-20, 50, true);
    pointerButton(-20, 50, false, false, false);
    ASSERT_EQ(massList.size(), 3u);
    EXPECT_TRUE(massList.at(2)->x == -8 && massList.at(2)->y == 30);
    ASSERT_EQ(MessageBoard::instance().messages.size(), 1u);
    const Message& message = MessageBoard::instance().messages[0];
    EXPECT_TRUE(message.text == "30.0 meters!" && message.x == -8 && message.y == 30) << message.text;
}

TEST_F(Placement, OnlyTheLeftButtonPicksUpAndAnyReleaseOrTheNextPickUpEndsTheDrag)
{
    join(addBall(-1, 2), addBall(1, 2));
    drag(0, 4, 0, 3);
    press(GLUT_RIGHT_BUTTON);
    EXPECT_EQ(massList.size(), 2u) << "a right press builds nothing";
    release(GLUT_RIGHT_BUTTON);
    EXPECT_TRUE(massList.size() == 3u && heldCrawler == nullptr);

    drag(0, 5, 0, 4);
    Crawler* next = addCrawler(2, 5);
    Pointer::instance().buttons[GLUT_LEFT_BUTTON] = GLUT_UP; // its release never reached the game
    moveTo(2, 5);
    press();
    ASSERT_EQ(massList.size(), 4u);
    EXPECT_TRUE(massList.at(3)->x == 0 && massList.at(3)->y == 4) << "the first crawler was built where it was dragged to";
    EXPECT_EQ(heldCrawler, nullptr) << "hovering was off while it was held";
    moveTo(2, 5);
    press();
    EXPECT_EQ(heldCrawler, next);
}

TEST_F(Placement, ABallLeavingTheFieldBecomesAFallingCrawlerAndTakesTheWalkersAndPreviewsOnItAlong)
{
    View::instance().edgeScroll(800, 400, false); // over to the right side of the field
    View::instance().update(1);
    Mass* left = addBall(7, 2);
    Mass* right = addBall(7.9f, 2);
    join(left, right);
    Crawler* walker = addCrawler(7.5f, 2, Walking);
    walker->previous = left;
    walker->target = right;
    walker->progress = 0.5f;
    Crawler* crawler = drag(5, 5, 7.5f, 3);
    crawler->previous = right; // where it was going when it was picked up
    ASSERT_TRUE(heldCrawler == crawler && previewA->massA == right);
    right->setX(8.2f);
    right->mass = 0.3f;
    massList.advance(0, springList);
    EXPECT_TRUE(walker->state == Falling && !walker->target && !walker->previous && walker->progress == 0);
    EXPECT_TRUE(heldCrawler == crawler && crawler->state == Held && crawler->previous == nullptr);
    for (Spring* preview : {previewA, previewB})
        EXPECT_TRUE(preview->massA != right && preview->massB != right);
    ASSERT_EQ(crawlerList.size(), 3u);
    const Crawler& made = *crawlerList.at(2);
    EXPECT_TRUE(made.state == Falling && made.x == 8.2f && made.radius == radiusForMass(0.3f));
    release();
    EXPECT_EQ(massList.size(), 1u) << "with one ball left nothing is built";
}
