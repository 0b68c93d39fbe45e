#pragma once

#include "app/Desktop.h"

// Where the window opens and how big: a square, its frame's top-left corner at
// (x, y) on the screen.
struct StartingWindow {
    int x = 0;
    int y = 0;
    int side = 0;
};

// The usual 800x800 at (100, 100) where the work area has room for it and its
// frame; else the largest square that fits, moved in so that it stays whole.
StartingWindow startingWindow(const WorkArea& area);
