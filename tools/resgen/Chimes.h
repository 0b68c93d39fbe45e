#pragma once

#include "Sound.h"

// The win sound, number 1 to 13: a bright rising arpeggio of bells on the
// C major pentatonic scale, which sits over every chord of the music. Each one
// climbs differently: more or fewer notes, faster or slower, in bigger or
// smaller steps, some with a sparkle on top.
Sound makeChime(int number);
