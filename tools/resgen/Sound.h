#pragma once

#include "res/ResourceFiles.h"

#include <cstddef>
#include <vector>

constexpr int sampleRate = res::mixRate;

// Whether sound that runs past the end comes back in at the start, as it must
// in a piece of music that loops: its last notes ring on into its first.
enum class SoundEnd { Stops, WrapsAround };

// Sound being synthesised: frames of one sample per channel, floating point,
// full scale at plus and minus 1.
class Sound {
public:
    Sound(int channels, std::size_t frames, SoundEnd end);

    int channels() const { return channels_; }
    std::size_t frames() const { return frames_; }
    float at(std::size_t frame, int channel) const { return samples_[frame * channels_ + channel]; }

    // Adds to one channel; frames outside the sound are dropped or wrapped.
    void add(long frame, int channel, float value);

    // Adds a mono sample placed between the channels: pan -1 left, 0 centre, 1 right.
    void addPanned(long frame, float value, float pan);

    float peak() const;
    void scale(float factor);

private:
    int channels_;
    std::size_t frames_;
    SoundEnd end_;
    std::vector<float> samples_;
};

// Seconds to frames, rounded down.
long framesOf(double seconds);

// Scales the sound so its loudest sample sits at the given level in dBFS.
void normalise(Sound& sound, float peakDecibels);
