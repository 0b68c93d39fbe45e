#pragma once

#include "Sound.h"

// The game's music: sixteen calm, cheerful bars in C major at 100 beats a
// minute (38.4 s) for bass, chords, a bell melody and light percussion. It is
// made as a circle: every note or echo that rings past the last bar is added
// into the first, so played end to start it loops with no seam.
Sound makeMusicLoop();
