#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A sound file decoded by the game's mixer (SDL2_mixer) into the interleaved
// 16-bit frames it plays, with the measures the shipped sounds are held to.
struct DecodedSound {
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;

    std::size_t frames() const { return channels ? samples.size() / channels : 0; }
    double seconds() const { return rate ? static_cast<double>(frames()) / rate : 0; }
    double peakDecibels() const;
    // The loudest sample of the first and of the last frame: a sound that
    // starts or stops away from silence clicks.
    int startLevel() const;
    int endLevel() const;
};

// Opens the mixer as the game does, on SDL's silent "dummy" device unless
// another driver is asked for: enough to decode. False when it does not open.
bool openMixerForDecoding();

// Decodes through SDL2_mixer's sample loader, the one the sound layer uses.
// The mixer must be open; a file that does not decode gives no frames.
DecodedSound decodeWithMixer(const std::string& fileName);

// A level in decibels against full scale; silence gives the floor of one step.
double decibels(int level);
