#pragma once

// What the game asks of the display its window is on. These need the window's
// GL context current; each platform has a file of its own behind them.

// Asks the driver to hold every buffer swap until the display's next refresh,
// where the driver offers that. True if it was asked.
bool requestVsync();

// How many times a second the display the window is on refreshes (the
// primary display if the window's cannot be told), or 0 if it cannot be read.
double displayRefreshRate();
