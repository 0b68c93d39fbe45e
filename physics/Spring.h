#pragma once

class Mass;

// A link between two balls that pulls them together when stretched, pushes them
// apart when compressed and brakes any motion of one end against the other.
// It does not own its balls. An inactive spring is a preview of a link the
// player may build: drawn at half opacity, exerting nothing. A rejected one is
// neither drawn nor felt.
class Spring {
public:
    Spring() = default;
    virtual ~Spring() = default;

    // Adds this spring's force to both balls; the step length plays no part.
    virtual void update(float dt);
    // Refreshes the cached geometry and draws the strip between the centres.
    virtual void draw();

    void attach(Mass* a, Mass* b);
    // Refreshes the cached geometry and returns the distance between centres.
    float measure();

    float stiffness = 100;
    float restLength = 1;
    Mass* massA = nullptr;
    Mass* massB = nullptr;
    bool active = true;
    bool rejected = false;
    // The geometry the force works from: massA's centre minus massB's, and the
    // distance. Refreshed only by attach, measure and draw (and so by the
    // structure's step, which measures before it pushes).
    float deltaX = 0;
    float deltaY = 0;
    float length = 0;
    unsigned sprite = 0; // the texture its sprite quad shows
};
