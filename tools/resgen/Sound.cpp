#include "Sound.h"

#include <algorithm>
#include <cmath>

#include "Angles.h"

Sound::Sound(int channels, std::size_t frames, SoundEnd end)
    : channels_(channels), frames_(frames), end_(end), samples_(frames * channels, 0.0f)
{
}

void Sound::add(long frame, int channel, float value)
{
    long length = static_cast<long>(frames_);
    if (end_ == SoundEnd::WrapsAround)
        frame = ((frame % length) + length) % length;
    if (frame < 0 || frame >= length)
        return;
    samples_[static_cast<std::size_t>(frame) * channels_ + channel] += value;
}

void Sound::addPanned(long frame, float value, float pan)
{
    if (channels_ == 1) {
        add(frame, 0, value);
        return;
    }
    // Equal-power panning keeps a voice equally loud wherever it stands.
    float angle = (pan + 1) * 0.25f * pi;
    add(frame, 0, value * std::cos(angle) * std::sqrt(2.0f));
    add(frame, 1, value * std::sin(angle) * std::sqrt(2.0f));
}

float Sound::peak() const
{
    float loudest = 0;
    for (float sample : samples_)
        loudest = std::max(loudest, std::abs(sample));
    return loudest;
}

void Sound::scale(float factor)
{
    for (float& sample : samples_)
        sample *= factor;
}

long framesOf(double seconds)
{
    return static_cast<long>(seconds * sampleRate);
}

void normalise(Sound& sound, float peakDecibels)
{
    float loudest = sound.peak();
    if (loudest > 0)
        sound.scale(std::pow(10.0f, peakDecibels / 20) / loudest);
}
