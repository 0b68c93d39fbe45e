#pragma once

// The largest square centred in the window: the game draws its one square view
// there at any window size, leaving black margins on the longer side, and reads
// the pointer through it. Pixels from the window's top-left corner, y down.
struct FittedSquare {
    int left = 0;
    int top = 0;
    int side = 1;

    static FittedSquare within(int windowWidth, int windowHeight);

    // The square's bottom edge from the window's bottom, where GL counts from.
    int bottomFrom(int windowHeight) const { return windowHeight - top - side; }

    // A window position in the square's own terms: -1 at its left and bottom
    // edges, 1 at its right and top edges, and beyond them outside it.
    double across(double x) const;
    double up(double y) const;
};
