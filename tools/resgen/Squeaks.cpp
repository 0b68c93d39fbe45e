#include "Squeaks.h"

#include "Angles.h"
#include "Ramp.h"
#include "Random.h"

#include <algorithm>
#include <cmath>

namespace {

enum class Contour { Rising, RisingFalling, Falling, Double };
constexpr int contourCount = 4;

constexpr double fadeInSeconds = 0.006;
constexpr double fadeOutSeconds = 0.03;
constexpr double doubleGapSeconds = 0.035;
constexpr double longestDoubleChirp = 0.12; // keeps a double squeak under 0.3 s
constexpr float trillHertz = 38;

struct SqueakShape {
    Contour contour;
    double chirpSeconds;
    float baseHertz;
    float bend;       // how far the pitch moves, as a fraction of the base pitch
    float trillDepth; // a fast flutter, as a fraction of the pitch
};

SqueakShape shapeOf(int number)
{
    Random random(static_cast<unsigned>(1000 + number * 7919));
    SqueakShape shape;
    shape.contour = static_cast<Contour>(number % contourCount);
    shape.chirpSeconds = random.between(0.08f, 0.17f);
    shape.baseHertz = random.between(1700, 2900);
    shape.bend = random.between(0.25f, 0.65f);
    shape.trillDepth = random.between(0.0f, 0.05f);
    return shape;
}

// The pitch multiplier at a fraction of the way through one chirp.
float bendAt(Contour contour, float progress, float bend)
{
    switch (contour) {
    case Contour::Rising:
        return 1 + bend * progress * progress;
    case Contour::Falling:
        return 1 + bend * (1 - progress);
    case Contour::RisingFalling:
    case Contour::Double:
        return 1 + bend * std::sin(pi * progress);
    }
    return 1;
}

// One chirp into the sound from the given frame on; returns where it ended.
long addChirp(Sound& sound, long first, const SqueakShape& shape, float loudness)
{
    long frames = framesOf(shape.chirpSeconds);
    double phase = 0;
    for (long i = 0; i < frames; ++i) {
        double t = static_cast<double>(i) / sampleRate;
        float progress = static_cast<float>(t / shape.chirpSeconds);
        float trill = 1 + shape.trillDepth * std::sin(fullTurn * trillHertz * static_cast<float>(t));
        phase += shape.baseHertz * bendAt(shape.contour, progress, shape.bend) * trill / sampleRate;
        float cycle = fullTurn * static_cast<float>(std::fmod(phase, 1.0));
        // A touch of second and third harmonic makes it a voice, not a test tone.
        float voice = std::sin(cycle) + 0.25f * std::sin(2 * cycle) + 0.08f * std::sin(3 * cycle);
        float envelope = ramp(t, fadeInSeconds) * ramp(shape.chirpSeconds - t, fadeOutSeconds);
        sound.add(first + i, 0, loudness * envelope * voice);
    }
    return first + frames;
}

}

Sound makeSqueak(int number)
{
    SqueakShape shape = shapeOf(number);
    bool twice = shape.contour == Contour::Double;
    if (twice)
        shape.chirpSeconds = std::min(shape.chirpSeconds, longestDoubleChirp);
    double total = twice ? 2 * shape.chirpSeconds + doubleGapSeconds : shape.chirpSeconds;
    Sound sound(1, static_cast<std::size_t>(framesOf(total)), SoundEnd::Stops);
    long end = addChirp(sound, 0, shape, 1);
    if (twice) {
        SqueakShape echo = shape;
        echo.baseHertz *= 1.12f; // the second chirp answers a little higher
        addChirp(sound, end + framesOf(doubleGapSeconds), echo, 0.8f);
    }
    return sound;
}
