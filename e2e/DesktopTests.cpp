// The game on screens of common sizes with openbox (e2e/on-desktop.sh); skipped on a bare display.
#include "e2e/GameTest.h"

#include <algorithm>
#include <thread>

namespace {

constexpr auto minimisedFor = 30s;
constexpr double mostOfACore = 0.02;
// Zoomed out, the camera sees 30 m across, the field's 16 in the middle, a metre's grace for a crawler's size.
constexpr int zoomSteps = 20;
constexpr Camera farthest{0, 15, 15};
constexpr int pixelsPerMeterFarthest = pictureSide / 30, besideTheField = (15 - 8 - 1) * pixelsPerMeterFarthest;
// The usual wait holds for a million pixels; more are drawn and read back slower, as is all under sanitizers.
constexpr double usualScreenPixels = 1024 * 1024;
#ifdef __SANITIZE_ADDRESS__
constexpr double builtSlower = 3;
#else
constexpr double builtSlower = 1;
#endif

class OnADesktop : public GameTest {
protected:
    void SetUp() override
    {
        if (!windowManagerRuns())
            GTEST_SKIP() << "no window manager on this display";
        Rectangle all = screen();
        patience = std::chrono::duration_cast<std::chrono::milliseconds>(
            reactionLimit * builtSlower * std::max(1.0, all.width * all.height / usualScreenPixels));
    }

    // From the title into play, where the crawlers then land: a click a screen, once it shows, as a player clicks.
    // Two clicks in the same instant can lose the second in the window manager while the first focuses the window.
    void play() const
    {
        movePointer(centre, centre);
        click();
        EXPECT_TRUE(shows(seen(instructionsPicture, startingView, startingCamera), patience));
        click();
        std::this_thread::sleep_for(lastLanding);
    }

    // Once the window manager settles it; the pointer put back off the scrolling bands, as the window grew under it.
    void expectTheStartingViewInItsSquare() const
    {
        movePointer(centre, centre);
        EXPECT_TRUE(eventually([this] { return whollyOnScreen(); }, patience));
        EXPECT_TRUE(showsCamera(startingCamera, patience));
        EXPECT_TRUE(eventually([this] { return marginsAreBlack(); }, patience));
    }
};

}

// The window opens wholly in the work area, black beside its view; maximised and full screen, a crawler is picked up
// where drawn.
TEST_F(OnADesktop, OpensWhollyOnTheScreenAndMaximisedOrFullScreenPlaysInTheLargestSquare)
{
    ASSERT_TRUE(start());
    play();
    expectTheStartingViewInItsSquare();

    Rectangle all = screen();
    askWindowManager(Asked::Maximised);
    EXPECT_TRUE(eventually([&] { return windowSize().first == all.width; }, patience)) << "maximised";
    expectTheStartingViewInItsSquare();
    EXPECT_TRUE(buildsABall({0, 3.5}, {-1, 2.2}, {1, 2.2}));

    askWindowManager(Asked::FullScreen);
    EXPECT_TRUE(eventually([&] { return windowSize() == std::pair{all.width, all.height}; }, patience)) << "full screen";
    expectTheStartingViewInItsSquare();
    // Beside the right side of the starting structure, whose four balls are all joined.
    EXPECT_TRUE(buildsABall({2.5, 2.1}, {1, 2.2}, {2, 0}));
}

// Minimised, the game uses next to no processor; restored, it has not played the time away, throwing crawlers out.
TEST_F(OnADesktop, MinimisedItRestsAndRestoredNoCrawlerHasLeftTheField)
{
    ASSERT_TRUE(start());
    play();
    askWindowManager(Asked::Minimised);
    ASSERT_TRUE(eventually([&] { return grab().empty(); })) << "minimised";
    double before = cpuSeconds();
    std::this_thread::sleep_for(minimisedFor);
    double share = (cpuSeconds() - before) / std::chrono::duration<double>(minimisedFor).count();
    EXPECT_LT(share, mostOfACore) << "of a core while minimised";

    askWindowManager(Asked::Restored);
    ASSERT_TRUE(eventually([&] { return !grab().empty(); })) << "restored";
    ASSERT_TRUE(showsCamera(startingCamera, patience)) << "play drawn again where it was left";
    for (int step = 0; step < zoomSteps; ++step)
        key("w");
    ASSERT_TRUE(showsCamera(farthest, patience));
    Picture shown = grab();
    auto outside = find(shown, 0, 0, besideTheField, side, orange).size() +
                   find(shown, side - besideTheField, 0, besideTheField, side, orange).size();
    EXPECT_EQ(outside, 0u) << "crawler pixels beside the field";
}
