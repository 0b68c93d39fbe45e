#include "physics/MassList.h"

#include "graphics/SpriteQuad.h"
#include "graphics/Texture.h"
#include "res/ResourceFiles.h"

MassList massList;

namespace {

// Farther than any point of the field: a ball at this squared distance or more
// is never the nearest.
constexpr float noDistance = 1e10f;

// The ground is the line y = 0. A ball that touches it stops dead, resting on
// it, and stays there for good: that is what anchors the structure.
void applyGroundRule(Mass& ball)
{
    if (ball.y - ball.radius > 0)
        return;
    ball.setY(ball.radius);
    ball.grounded = true;
    ball.velocityX = 0;
    ball.velocityY = 0;
}

double squaredDistance(float px, float py, const Mass& ball)
{
    double dx = static_cast<double>(px) - ball.x;
    double dy = static_cast<double>(py) - ball.y;
    return dx * dx + dy * dy;
}

}

void MassList::loadSprite()
{
    sprite = makeSpriteQuad(loadTexture(res::ballImage));
}

void MassList::clearForces()
{
    for (Mass* mass : elements_) {
        mass->forceX = 0;
        mass->forceY = 0;
    }
}

void MassList::advance(float dt)
{
    float top = 0;
    std::size_t position = 0;
    // Each ball in turn: its own step, the ground rule, then the top.
    while (position < elements_.size()) {
        Mass& ball = *elements_[position];
        ball.update(dt);
        applyGroundRule(ball);
        if (ball.y > top)
            top = ball.y;
        ++position;
    }
    topHeight = top;
}

void MassList::nearestTwo(float px, float py, Mass*& nearest, Mass*& second) const
{
    nearest = nullptr;
    second = nullptr;
    if (elements_.size() < 2)
        return;
    float nearestDistance = noDistance;
    float secondDistance = noDistance;
    for (Mass* ball : elements_) {
        if (!ball->active)
            continue;
        double distance = squaredDistance(px, py, *ball);
        if (distance < nearestDistance) {
            second = nearest;
            secondDistance = nearestDistance;
            nearest = ball;
            nearestDistance = static_cast<float>(distance);
        } else if (distance < secondDistance) {
            second = ball;
            secondDistance = static_cast<float>(distance);
        }
    }
}
