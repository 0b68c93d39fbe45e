#include "physics/Mass.h"

#include "graphics/SpriteQuad.h"

#include <GL/gl.h>
#include <cmath>

namespace {

constexpr float defaultMass = 0.25f;
constexpr float radiusPerRootMass = 0.43f;
constexpr float defaultDamping = 0.05f;
constexpr float defaultGravityY = -9.81f;
// However hard the springs pull, one step never accelerates a ball by more
// than this along either axis, which keeps a badly stretched structure from
// flinging balls out of the field.
constexpr float maxAcceleration = 45.0f;

float clampAcceleration(float value)
{
    if (value > maxAcceleration)
        return maxAcceleration;
    if (value < -maxAcceleration)
        return -maxAcceleration;
    return value;
}

}

float radiusForMass(float mass)
{
    return std::sqrt(mass) * radiusPerRootMass;
}

Mass::Mass()
    : mass(defaultMass), radius(radiusForMass(defaultMass)), damping(defaultDamping), gravityX(0),
      gravityY(defaultGravityY)
{
}

void Mass::update(float dt)
{
    if (active && !hidden && !grounded)
        integrate(dt);
}

void Mass::integrate(float dt)
{
    forceX = forceX + gravityX * mass - damping * velocityX;
    forceY = forceY + gravityY * mass - damping * velocityY;
    float inverseMass = 1.0f / mass;
    float accelerationX = clampAcceleration(forceX * inverseMass);
    float accelerationY = clampAcceleration(forceY * inverseMass);
    // Position first, from the velocity the ball had at the start of the step.
    x = x + velocityX * dt + 0.5f * accelerationX * dt * dt;
    y = y + velocityY * dt + 0.5f * accelerationY * dt * dt;
    velocityX = velocityX + accelerationX * dt;
    velocityY = velocityY + accelerationY * dt;
}

void Mass::draw()
{
    if (hidden)
        return;
    // Black modulates the sprite down to its alpha: a silhouette.
    glColor4f(0, 0, 0, 1);
    glEnable(GL_TEXTURE_2D);
    glPushMatrix();
    glTranslatef(x, y, 0);
    glScalef(2 * radius, 2 * radius, 1);
    drawSpriteQuad(sprite);
    glPopMatrix();
}

void Mass::setX(float value)
{
    x = value;
}

void Mass::setY(float value)
{
    y = value;
}

void Mass::copyFrom(const Mass& other)
{
    mass = other.mass;
    radius = radiusForMass(mass);
    setX(other.x);
    setY(other.y);
    velocityX = other.velocityX;
    velocityY = other.velocityY;
}
