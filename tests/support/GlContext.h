#pragma once

#include <cstdint>
#include <vector>

constexpr int testWindowSide = 800;
void ensureGlContext(); // the tests' window, as large as the game's, opened once (under Xvfb) and kept
// Shows the square from (left, bottom), side wide, in the whole window; the model-view matrix reset.
void viewSquare(double left, double bottom, double side);

// One colour component (GL_RED, ...) of the back buffer, bottom row first.
std::vector<std::uint8_t> readTestWindow(unsigned component);

// What a tidy draw leaves as it found it: the colour, the game's switches, the matrix mode, model-view and depth.
std::vector<float> drawingState();
