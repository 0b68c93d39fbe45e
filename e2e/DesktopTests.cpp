// The game on a desktop: a screen of a common size, with openbox managing the windows (e2e/on-desktop.sh runs
// these on one). On a bare display they are skipped.
#include "e2e/GameTest.h"

#include <algorithm>
#include <thread>

namespace {

constexpr auto minimisedFor = 30s;
constexpr double mostOfACore = 0.02;
// Zoomed fully out the camera sees 30 m across, the field's 16 in the middle; the rest is black, and a crawler
// there is one that left the field. A metre's grace for a crawler's own size at the field's sides.
constexpr int zoomSteps = 20;
constexpr Camera farthest{0, 15, 15};
constexpr int pixelsPerMeterFarthest = pictureSide / 30, besideTheField = (15 - 8 - 1) * pixelsPerMeterFarthest;
// The usual wait holds for a screen of about a million pixels; a larger one is drawn and read back that much slower,
// and the sanitizer build draws slower at any size.
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

    // From the title into play, where the crawlers then land.
    void play() const
    {
        movePointer(centre, centre);
        click();
        click();
        std::this_thread::sleep_for(lastLanding);
    }
};

}

// The window opens wholly inside the work area the window manager leaves, the view in the largest square of it
// with black beside it; maximised, a crawler is picked up where it is drawn; closed from its frame, the game ends
// well.
TEST_F(OnADesktop, OpensWhollyOnTheScreenAndMaximisedPlaysInTheLargestSquare)
{
    ASSERT_TRUE(start());
    play();
    movePointer(centre, centre);
    EXPECT_TRUE(eventually([this] { return whollyOnScreen(); }, patience)); // once the window manager settles it
    EXPECT_TRUE(showsCamera(startingCamera, patience));
    EXPECT_TRUE(eventually([this] { return marginsAreBlack(); }, patience));

    askWindowManager(Asked::Maximised);
    EXPECT_TRUE(eventually([this] { return windowWidth() == screen().width; }, patience)) << "maximised";
    movePointer(centre, centre); // off the scrolling bands: the window grew under the pointer
    EXPECT_TRUE(showsCamera(startingCamera, patience));
    EXPECT_TRUE(buildsABall({0, 3.5}, {-1, 2.2}, {1, 2.2}));
}

// Minimised, the game draws nothing and so uses next to no processor; restored, its world has not played the time
// away at once, so no crawler was thrown out of the field.
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
    // Should a key go astray while the window manager still restores the window, they are sent once more: more
    // zoom at the farthest changes nothing.
    auto zoomedOut = [&] {
        for (int step = 0; step < zoomSteps; ++step)
            key("w");
        return showsCamera(farthest, patience);
    };
    ASSERT_TRUE(zoomedOut() || zoomedOut());
    Picture shown = grab();
    auto outside = find(shown, 0, 0, besideTheField, side, orange).size() +
                   find(shown, side - besideTheField, 0, besideTheField, side, orange).size();
    EXPECT_EQ(outside, 0u) << "crawler pixels beside the field";
}
