#pragma once

// The game's only source of chance: the C library's rand, seeded from the
// clock on the first call of either function and never again.

// An integer in [0, n); 0 without drawing for n of 0 or less.
int randomInt(int n);

// A value in [0, limit) in 10000 even steps.
float randomFloat(float limit);
