#include "Instruments.h"

#include "Angles.h"
#include "Ramp.h"
#include "Random.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double attackSeconds = 0.005;
constexpr double releaseSeconds = 0.06;

// Rises over the attack, holds for the note's length, then fades over the release.
float noteEnvelope(double t, double length, double attack, double release)
{
    return ramp(t, attack) * ramp(length + release - t, release);
}

struct Partial {
    float ratio;
    float level;
    float decayFactor; // how much faster than the note this partial dies away
};

void playPartials(Sound& sound, const Note& note, const Partial* partials, int count, float ringSeconds,
                  double attack)
{
    double end = std::min(note.length + releaseSeconds, 8.0 * ringSeconds);
    long first = framesOf(note.start);
    long frames = framesOf(end);
    for (long i = 0; i < frames; ++i) {
        double t = static_cast<double>(i) / sampleRate;
        float envelope = noteEnvelope(t, end - releaseSeconds, attack, releaseSeconds);
        float value = 0;
        for (int p = 0; p < count; ++p) {
            const Partial& partial = partials[p];
            float decay = std::exp(static_cast<float>(-t) * partial.decayFactor / ringSeconds);
            value += partial.level * decay * std::sin(fullTurn * static_cast<float>(std::fmod(note.frequency * partial.ratio * t, 1.0)));
        }
        sound.addPanned(first + i, note.gain * envelope * value, note.pan);
    }
}

}

float noteFrequency(float midiNote)
{
    return 440.0f * std::pow(2.0f, (midiNote - 69) / 12);
}

void playBell(Sound& sound, const Note& note, float ringSeconds)
{
    static const Partial partials[] = {
        {1.0f, 1.0f, 1.0f}, {2.0f, 0.35f, 1.8f}, {3.0f, 0.12f, 2.6f}, {4.16f, 0.08f, 4.0f},
    };
    playPartials(sound, note, partials, 4, ringSeconds, attackSeconds);
}

void playPluck(Sound& sound, const Note& note)
{
    static const Partial partials[] = {
        {1.0f, 1.0f, 1.0f}, {2.0f, 0.3f, 2.0f}, {3.0f, 0.12f, 3.0f},
    };
    constexpr float pluckRing = 0.45f;
    playPartials(sound, note, partials, 3, pluckRing, attackSeconds);
}

void playPad(Sound& sound, const Note& note)
{
    static const Partial partials[] = {
        {1.0f, 0.5f, 0.0f}, {1.003f, 0.5f, 0.0f}, {2.0f, 0.12f, 0.0f},
    };
    constexpr float neverFades = 1;
    constexpr double swell = 0.25;
    playPartials(sound, note, partials, 3, neverFades, swell);
}

void playKick(Sound& sound, double start, float gain)
{
    constexpr double length = 0.35;
    constexpr double fallSeconds = 0.03;
    constexpr double decaySeconds = 0.11;
    constexpr double lowHertz = 48;
    constexpr double dropHertz = 90;
    long first = framesOf(start);
    double phase = 0;
    for (long i = 0; i < framesOf(length); ++i) {
        double t = static_cast<double>(i) / sampleRate;
        phase += (lowHertz + dropHertz * std::exp(-t / fallSeconds)) / sampleRate;
        float envelope = ramp(t, 0.002) * ramp(length - t, 0.05) * static_cast<float>(std::exp(-t / decaySeconds));
        sound.addPanned(first + i, gain * envelope * std::sin(fullTurn * static_cast<float>(std::fmod(phase, 1.0))), 0);
    }
}

void playShaker(Sound& sound, double start, float gain, float pan, unsigned seed)
{
    constexpr double length = 0.12;
    constexpr double decaySeconds = 0.022;
    Random random(seed);
    long first = framesOf(start);
    float previous = 0;
    for (long i = 0; i < framesOf(length); ++i) {
        double t = static_cast<double>(i) / sampleRate;
        float noise = random.between(-1, 1);
        float hiss = noise - previous; // keeps only the high, airy part of the noise
        previous = noise;
        float envelope = ramp(t, 0.002) * ramp(length - t, 0.03) * static_cast<float>(std::exp(-t / decaySeconds));
        sound.addPanned(first + i, gain * envelope * hiss, pan);
    }
}
