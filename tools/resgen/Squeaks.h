#pragma once

#include "Sound.h"

// The squeak a crawler gives when picked up. Number 1 to 16: each is a short,
// high chirp, but they rise, fall, wobble or double up differently, so a run
// of pick-ups never sounds like one sample played again and again.
Sound makeSqueak(int number);
