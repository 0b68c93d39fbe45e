#pragma once

#include <cstdint>
#include <vector>

// The tests' window, as wide and high as the game's: opened once (under Xvfb in
// the test run) and kept for the rest of the program, so that tests can make
// textures and display lists and read back what they draw.
constexpr int testWindowSide = 800;
void ensureGlContext();

// One colour component (GL_RED, GL_BLUE, ...) of every pixel of the window's
// back buffer, bottom row first.
std::vector<std::uint8_t> readTestWindow(unsigned component);

// What a draw may change and a tidy one leaves as it found it: the colour, the
// switches the game's draws use, the matrix mode, the model-view matrix and its
// stack depth, and the list base.
std::vector<float> drawingState();
