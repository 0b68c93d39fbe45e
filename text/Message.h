#pragma once

#include <cstdint>
#include <string>

// The life of a floating message: it spins and grows into view, pulses for a
// moment, shrinks away, and is done.
enum MessagePhase : std::int32_t { Grow = 0, Hold = 1, Fade = 2, Done = 3 };

// A short text standing at a place in the world. Each advance computes what
// the next frame draws from the time spent in the current phase; a phase ends
// on the first advance whose starting time has reached its duration.
struct Message {
    std::string text;
    float growTime = 0.15f;
    float holdTime = 0.5f;
    float fadeTime = 0.25f;
    float time = 0;
    float x = 0;
    float y = 0;
    float scale = 0;
    float alpha = 0;
    float angle = 0;
    std::int32_t phase = Grow;

    void advance(float dt);
    // Black text at the message's opacity, turned about its first character.
    void draw() const;

private:
    void grow(float t);
    void hold(float t);
    void fade(float t);
    void enter(MessagePhase next);
};
