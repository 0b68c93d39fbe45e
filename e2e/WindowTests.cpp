// The window as the X server sees it, and the screens a player goes through.
#include "app/Game.h"
#include "e2e/GameTest.h"

#include <array>
#include <thread>

namespace {

using GameWindow = GameTest;

}

TEST_F(GameWindow, IsTitledAndKeepsItsSize)
{
    ASSERT_TRUE(start()); // found by its title
    const std::pair<int, int> windowSize{side, side};
    EXPECT_EQ(x.size(window), windowSize);
    for (std::pair<int, int> size : {std::pair{640, 480}, std::pair{900, 1000}}) {
        x.resize(window, size.first, size.second);
        EXPECT_TRUE(eventually([&] { return x.size(window) == windowSize; })) << size.first << "x" << size.second;
    }
    EXPECT_TRUE(showsScreen(screenPicture(titlePicture)));
}

TEST_F(GameWindow, ShowsTitleThenInstructionsThenPlayOnAnyButton)
{
    Picture title = screenPicture(titlePicture);
    Picture instructions = screenPicture(instructionsPicture);
    Picture field = fieldSeenFrom(backdropPicture, startingCamera);
    const std::array<std::function<bool(const Picture&)>, 3> looksLike{
        [&](const Picture& shown) { return looksLikeScreen(shown, title); },
        [&](const Picture& shown) { return looksLikeScreen(shown, instructions); },
        [&](const Picture& shown) { return looksLikeField(shown, field); }};
    // The title comes by itself; then the left button, then the right one.
    const std::array<unsigned, 3> pressBefore{0, 1, 3};
    ASSERT_TRUE(start());
    for (std::size_t now = Title; now <= Play; ++now) {
        if (pressBefore[now] != 0)
            click(pressBefore[now]);
        ASSERT_TRUE(eventually([&] { return looksLike[now](grab()); })) << "screen " << now;
        Picture shown = grab();
        for (std::size_t other = Title; other <= Play; ++other)
            EXPECT_TRUE(other == now || !looksLike[other](shown)) << "screen " << now << " looks like " << other;
        // Before play not a pixel moves.
        if (now != Play) {
            std::this_thread::sleep_for(300ms);
            EXPECT_EQ(meanDifference(shown, grab()), 0) << "screen " << now;
        }
    }
}
