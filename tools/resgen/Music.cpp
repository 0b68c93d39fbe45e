#include "Music.h"

#include "Instruments.h"

#include <iterator>

namespace {

constexpr double beatSeconds = 0.6; // 100 beats a minute
constexpr int beatsPerBar = 4;
constexpr int bars = 16;
constexpr double barSeconds = beatsPerBar * beatSeconds;
constexpr double loopSeconds = bars * barSeconds;

// Chords as MIDI notes: the three voices of the pad and the bass's root.
struct Chord {
    float voices[3];
    float root;
};
constexpr Chord C{{60, 64, 67}, 48};
constexpr Chord Am{{57, 60, 64}, 45};
constexpr Chord F{{57, 60, 65}, 41};
constexpr Chord G{{55, 59, 62}, 43};
constexpr Chord Em{{55, 59, 64}, 40};
constexpr Chord Dm{{57, 62, 65}, 50};

// Two chords a bar, one for each half.
constexpr Chord progression[bars][2] = {
    {C, C}, {Am, Am}, {F, F}, {G, G}, {C, C}, {Em, Em}, {F, G}, {C, C},
    {F, F}, {G, G}, {Em, Em}, {Am, Am}, {Dm, Dm}, {G, G}, {C, C}, {C, C},
};

struct MelodyNote {
    int bar;
    double beat;
    float pitch;
    double beats;
};
constexpr MelodyNote melody[] = {
    {0, 0, 76, 1}, {0, 1, 79, 1}, {0, 2, 84, 2},
    {1, 0, 81, 1.5}, {1, 1.5, 79, 0.5}, {1, 2, 76, 2},
    {2, 0, 77, 1}, {2, 1, 81, 1}, {2, 2, 84, 1}, {2, 3, 81, 1},
    {3, 0, 79, 3}, {3, 3, 74, 1},
    {4, 0, 76, 0.5}, {4, 0.5, 79, 0.5}, {4, 1, 84, 1}, {4, 2, 86, 1}, {4, 3, 84, 1},
    {5, 0, 83, 2}, {5, 2, 79, 2},
    {6, 0, 81, 1}, {6, 1, 77, 1}, {6, 2, 79, 1}, {6, 3, 83, 1},
    {7, 0, 84, 3},
    {8, 0, 84, 1}, {8, 1, 81, 1}, {8, 2, 77, 1}, {8, 3, 81, 1},
    {9, 0, 83, 1.5}, {9, 1.5, 81, 0.5}, {9, 2, 79, 2},
    {10, 0, 79, 1}, {10, 1, 76, 1}, {10, 2, 79, 1}, {10, 3, 83, 1},
    {11, 0, 84, 2}, {11, 2, 81, 2},
    {12, 0, 86, 1}, {12, 1, 84, 1}, {12, 2, 81, 1}, {12, 3, 77, 1},
    {13, 0, 79, 1}, {13, 1, 83, 1}, {13, 2, 86, 2},
    {14, 0, 88, 1.5}, {14, 1.5, 86, 0.5}, {14, 2, 84, 2},
    {15, 0, 79, 2}, {15, 2, 76, 1},
};

constexpr float padGain = 0.05f;
constexpr float padSpread = 0.45f;
constexpr float bassGain = 0.42f;
constexpr float offbeatGain = 0.07f;
constexpr float offbeatRing = 0.18f;
constexpr float melodyGain = 0.26f;
constexpr float melodyRing = 0.55f;
constexpr float melodyPan = 0.1f;
constexpr float kickGain = 0.35f;
constexpr float shakerOnBeatGain = 0.05f;
constexpr float shakerOffBeatGain = 0.09f;
constexpr float shakerPan = 0.35f;

// The melody's echo answers from the other side, three eighths later.
constexpr double echoSeconds = 1.5 * beatSeconds;
constexpr float firstEcho = 0.24f;
constexpr float secondEcho = 0.1f;

double timeOf(int bar, double beat)
{
    return bar * barSeconds + beat * beatSeconds;
}

Sound emptyLoop()
{
    return Sound(2, static_cast<std::size_t>(framesOf(loopSeconds)), SoundEnd::WrapsAround);
}

void playChords(Sound& sound)
{
    constexpr double halfBarBeats = beatsPerBar / 2.0;
    for (int bar = 0; bar < bars; ++bar) {
        for (int half = 0; half < 2; ++half) {
            const Chord& chord = progression[bar][half];
            double start = timeOf(bar, half * halfBarBeats);
            for (int voice = 0; voice < 3; ++voice) {
                float pan = (voice - 1) * padSpread;
                float pitch = noteFrequency(chord.voices[voice]);
                playPad(sound, {start, halfBarBeats * beatSeconds, pitch, padGain, pan});
                // A light bell stab on the off-beats gives the chords a lilt.
                double stab = timeOf(bar, half * halfBarBeats + 1);
                playBell(sound, {stab, 3 * offbeatRing, pitch * 2, offbeatGain, -pan}, offbeatRing);
            }
        }
    }
}

void playBass(Sound& sound)
{
    constexpr float fifth = 7;
    for (int bar = 0; bar < bars; ++bar) {
        float firstRoot = progression[bar][0].root;
        float secondRoot = progression[bar][1].root;
        playPluck(sound, {timeOf(bar, 0), 1.2 * beatSeconds, noteFrequency(firstRoot), bassGain, 0});
        playPluck(sound, {timeOf(bar, 2), 0.8 * beatSeconds, noteFrequency(secondRoot), bassGain, 0});
        playPluck(sound, {timeOf(bar, 3.5), 0.4 * beatSeconds, noteFrequency(secondRoot + fifth), 0.7f * bassGain, 0});
    }
}

void playDrums(Sound& sound)
{
    unsigned hit = 0;
    for (int bar = 0; bar < bars; ++bar) {
        playKick(sound, timeOf(bar, 0), kickGain);
        playKick(sound, timeOf(bar, 2), kickGain);
        for (int eighth = 0; eighth < 2 * beatsPerBar; ++eighth) {
            float gain = eighth % 2 == 0 ? shakerOnBeatGain : shakerOffBeatGain;
            playShaker(sound, timeOf(bar, eighth / 2.0), gain, shakerPan, ++hit);
        }
    }
}

Sound playMelody()
{
    Sound voice = emptyLoop();
    for (const MelodyNote& note : melody) {
        Note bell{timeOf(note.bar, note.beat), note.beats * beatSeconds + melodyRing, noteFrequency(note.pitch),
                  melodyGain, melodyPan};
        playBell(voice, bell, melodyRing);
    }
    return voice;
}

void addWithEcho(Sound& mix, const Sound& voice)
{
    long echo = framesOf(echoSeconds);
    for (std::size_t frame = 0; frame < voice.frames(); ++frame) {
        long at = static_cast<long>(frame);
        for (int channel = 0; channel < 2; ++channel) {
            float dry = voice.at(frame, channel);
            mix.add(at, channel, dry);
            mix.add(at + echo, 1 - channel, firstEcho * dry);
            mix.add(at + 2 * echo, channel, secondEcho * dry);
        }
    }
}

}

Sound makeMusicLoop()
{
    Sound mix = emptyLoop();
    playChords(mix);
    playBass(mix);
    playDrums(mix);
    addWithEcho(mix, playMelody());
    return mix;
}
