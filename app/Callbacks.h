#pragma once

// Opens the window, builds the scene, registers the toolkit's callbacks and runs
// its loop. Returns non-zero when the scene could not be built (the reason is on
// stderr); otherwise only if the loop ever returns.
int runGame(int argc, char** argv);
