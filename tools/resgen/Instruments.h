#pragma once

#include "Sound.h"

// One note for an instrument: when it starts and how long it is held, both in
// seconds, its pitch in hertz, its loudness and its place between the speakers.
struct Note {
    double start = 0;
    double length = 0;
    float frequency = 440;
    float gain = 1;
    float pan = 0;
};

// The frequency of a MIDI note number (69 is A above middle C).
float noteFrequency(float midiNote);

// Every instrument starts and ends its notes with short smooth fades, so no
// note begins or stops with a click.

// A bell or glockenspiel: bright partials that ring away, the higher ones faster.
void playBell(Sound& sound, const Note& note, float ringSeconds);

// A round plucked bass.
void playPluck(Sound& sound, const Note& note);

// A soft sustained chord voice, two slightly detuned tones swelling in and out.
void playPad(Sound& sound, const Note& note);

// A soft bass drum: a thump falling in pitch.
void playKick(Sound& sound, double start, float gain);

// A shaker or closed hi-hat: a short hiss. The seed keeps each hit the same on
// every run while making hits differ from one another.
void playShaker(Sound& sound, double start, float gain, float pan, unsigned seed);
