#pragma once

// The part of the screen that windows may use: the whole screen less the panels
// and docks a window manager keeps clear, in pixels from its top-left corner.
struct WorkArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Asks the windowing system; each platform has its own file (DesktopX11.cpp).
// The screen's size where no window manager says more, and an empty area when
// there is no screen to ask.
WorkArea desktopWorkArea();
