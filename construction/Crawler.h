#pragma once

#include "physics/Mass.h"

#include <cstdint>

class MassList;
class SpringList;

// What a crawler is doing. Landed and AtMass last one update each: the
// crawler chooses where to go next and is on its way.
enum CrawlerState : std::int32_t {
    Falling = 0,     // drops straight down until it touches the ground
    Landed = 1,      // picks the lower of the two structure balls nearest to it
    Approaching = 2, // slides along the ground to that ball
    AtMass = 3,      // sits on a ball and picks the next one
    Walking = 4,     // walks along a spring from previous to target
    Held = 5,        // carried by the player
    Vanishing = 6,   // climbed above the clouds: swells and fades out
    Gone = 7,        // finished; its list removes it
};

// A free ball: the raw material of the structure. It falls from the sky,
// lands, slides to the structure and climbs it ball to ball along the springs,
// mostly upwards, until the player picks it up or it climbs above the clouds.
// It is never integrated like a structure ball: its own behaviour moves it.
class Crawler : public Mass {
public:
    Crawler();

    void update(float dt) override;
    // The crawler's sprite squashed and stretched by its wobble, at its
    // opacity and size; nothing while hidden.
    void draw() override;

    // One step along the spring from previous to target; true on arrival.
    bool walkStep(float dt);
    // One step along the ground towards target; true once on it.
    bool approachStep(float dt);

    CrawlerState state = Falling;
    float phase;      // seconds on the wobble's clock
    float wobbleRate; // radians per second of the wobble
    float wobble = 1; // height over width factor of the drawing
    float progress = 0;
    Mass* target = nullptr;
    Mass* previous = nullptr;
    float scale = 1;
    float alpha = 1;
    float brightness = 1;
    float vanishDuration = 0.25f;
    float vanishTimer = 0;

private:
    void fall(float dt);
    void headForTheStructure();
    void chooseTheNextBall();
    void walk(float dt);
    void vanish(float dt);
    void moveOnto(const Mass& ball);
};

// The structure every crawler walks on, linked by the crawler list's set-up.
extern MassList* linkedMassList;
extern SpringList* linkedSpringList;
