#pragma once

// Opens the window, builds the scene, registers the toolkit's callbacks and runs
// its loop. Returns non-zero when the scene could not be built (the reason is on
// stderr); otherwise only if the loop ever returns. A benchmark may change the
// scene once it is built, before the loop starts.
int runGame(int argc, char** argv, void (*afterSetup)() = nullptr);

// Calls Game::idle after delayMs, once.
void setFrameTimer(unsigned delayMs);
