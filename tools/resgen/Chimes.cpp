#include "Chimes.h"

#include "Instruments.h"
#include "Random.h"

#include <algorithm>
#include <iterator>

namespace {

// C major pentatonic from C5 upwards, as MIDI note numbers.
constexpr float pentatonic[] = {72, 74, 76, 79, 81, 84, 86, 88, 91, 93, 96, 98, 100};
constexpr int pentatonicSize = static_cast<int>(std::size(pentatonic));

constexpr double longestSeconds = 1.4;
constexpr double tailSeconds = 0.08; // room for the last note's release
constexpr float finalRingFactor = 2.2f;

struct ChimeShape {
    int noteCount;
    int firstStep;
    int stepSize;
    double spacing;
    float ring;
    bool sparkle;
};

ChimeShape shapeOf(int number)
{
    Random random(static_cast<unsigned>(500 + number * 104729));
    ChimeShape shape;
    shape.noteCount = 3 + number % 4;
    shape.firstStep = static_cast<int>(random.between(0, 3.99f));
    shape.stepSize = number % 3 == 1 ? 2 : 1;
    shape.spacing = random.between(0.055f, 0.105f);
    shape.ring = random.between(0.22f, 0.4f);
    shape.sparkle = number % 3 == 2;
    return shape;
}

}

Sound makeChime(int number)
{
    ChimeShape shape = shapeOf(number);
    double lastOnset = (shape.noteCount - 1) * shape.spacing;
    double finalLength = std::min<double>(shape.ring * finalRingFactor, longestSeconds - tailSeconds - lastOnset);
    Sound sound(1, static_cast<std::size_t>(framesOf(lastOnset + finalLength + tailSeconds)), SoundEnd::Stops);
    int step = shape.firstStep;
    for (int i = 0; i < shape.noteCount; ++i) {
        bool last = i == shape.noteCount - 1;
        Note note;
        note.start = i * shape.spacing;
        note.length = last ? finalLength : std::min<double>(3 * shape.ring, finalLength + lastOnset - note.start);
        note.frequency = noteFrequency(pentatonic[std::min(step, pentatonicSize - 1)]);
        note.gain = last ? 1.0f : 0.7f;
        playBell(sound, note, last ? shape.ring * finalRingFactor : shape.ring);
        if (last && shape.sparkle) {
            note.frequency *= 2; // the same note an octave up, quieter, for shimmer
            note.gain = 0.3f;
            playBell(sound, note, shape.ring);
        }
        step += shape.stepSize;
    }
    return sound;
}
