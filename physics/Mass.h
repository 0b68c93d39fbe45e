#pragma once

// The radius of a ball of the given mass: its size grows with the square root
// of its mass. Whoever gives a ball a new mass applies this; writing `mass`
// alone leaves the radius as it was.
float radiusForMass(float mass);

// One simulated ball: a point mass with a radius, moved by explicit integration
// under gravity, drag and whatever the springs attached to it add to its force
// accumulators. Crawlers derive from it and replace update, draw and the
// destructor; springs read and write its fields directly.
class Mass {
public:
    Mass();
    virtual ~Mass() = default;

    // Integrates when the ball is active and neither hidden nor grounded.
    virtual void update(float dt);
    // A black silhouette of the sprite, as wide as the ball; nothing if hidden.
    virtual void draw();
    virtual void setX(float value);
    virtual void setY(float value);

    void integrate(float dt);
    // Takes another ball's mass (with a radius to match), position and
    // velocity; keeps its own forces, flags, physics constants and sprite.
    void copyFrom(const Mass& other);

    float mass;
    float radius;
    float forceX = 0;
    float forceY = 0;
    float x = 0;
    float y = 0;
    float velocityX = 0;
    float velocityY = 0;
    float damping;
    float gravityX;
    float gravityY;
    bool active = true;
    bool grounded = false; // touched the ground: frozen there for good
    bool hidden = false;
    unsigned sprite = 0; // the texture its sprite quad shows
};
