#include "app/StartingWindow.h"

#include "app/View.h"

#include <algorithm>

namespace {

constexpr int usualCorner = 100;
// What a window manager's frame adds: a title bar and borders, with a little
// to spare for thicker themes.
constexpr int frameHeight = 40;
constexpr int frameWidth = 10;
// Below this the game is no longer playable; the window manager may cut it.
constexpr int smallestSide = 200;

// From the area's start, the usual offset unless the window would then overrun its end.
int cornerWithin(int start, int length, int extent)
{
    return start + std::clamp(length - extent, 0, usualCorner);
}

}

StartingWindow startingWindow(const WorkArea& area)
{
    int side = std::min({View::windowSize, area.width - frameWidth, area.height - frameHeight});
    side = std::max(side, smallestSide);
    return {cornerWithin(area.x, area.width, side + frameWidth), cornerWithin(area.y, area.height, side + frameHeight),
            side};
}
