#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A sound file decoded by the game's mixer into the interleaved 16-bit frames
// it plays, with the measures the shipped sounds are held to.
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

// Decodes through SDL2_mixer's sample loader, the one the sound layer uses.
// The mixer must be open.
DecodedSound decodeWithMixer(const std::string& fileName);

// The largest jump between neighbouring frames of one channel.
int largestStep(const std::vector<std::int16_t>& samples, int channels, std::size_t from, std::size_t to);
