#include "physics/MassList.h"

#include "graphics/Stage.h"
#include "graphics/Texture.h"
#include "physics/SpringList.h"
#include "physics/StrayBallHandler.h"
#include "res/ResourceFiles.h"

MassList massList;

namespace {

// Farther than any point of the field: a ball at this squared distance or more
// is never the nearest.
constexpr double noDistance = 1e10;

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
    sprite = loadTexture(res::ballImage);
}

Mass* MassList::addBallAt(float x, float y)
{
    auto* ball = new Mass();
    ball->setX(x);
    ball->setY(y);
    add(ball);
    return ball;
}

void MassList::clearForces()
{
    for (Mass* mass : elements_) {
        mass->forceX = 0;
        mass->forceY = 0;
    }
}

void MassList::advance(float dt, SpringList& springs)
{
    const auto left = static_cast<float>(Stage::instance().left);
    const auto right = static_cast<float>(Stage::instance().right);
    float top = 0;
    std::size_t position = 0;
    // Each ball in turn: its own step, the ground rule, the side rule, then
    // the top. A detached ball's place is taken by the next one, which is
    // stepped next without moving on.
    while (position < elements_.size()) {
        Mass& ball = *elements_[position];
        ball.update(dt);
        applyGroundRule(ball);
        if (ball.x < left || ball.x > right) {
            detach(&ball, springs);
            continue;
        }
        if (ball.y > top)
            top = ball.y;
        ++position;
    }
    topHeight = top;
}

void MassList::detach(Mass* ball, SpringList& springs)
{
    // Each search starts from the front again; previews are not the ball's.
    while (Spring* spring = springs.findAttached(ball))
        springs.remove(spring);
    std::unique_ptr<Mass> leaving = takeOut(ball);
    if (leaving && strayBallHandler != nullptr)
        strayBallHandler->takeStrayBall(*leaving);
}

void MassList::nearestTwo(float px, float py, Mass*& nearest, Mass*& second) const
{
    nearest = nullptr;
    second = nullptr;
    if (elements_.size() < 2)
        return;
    // Held in double precision like the distances themselves: rounded to
    // single, a kept distance could come out above an equal one met later,
    // and the later ball would win the tie.
    double nearestDistance = noDistance;
    double secondDistance = noDistance;
    for (Mass* ball : elements_) {
        if (!ball->active)
            continue;
        double distance = squaredDistance(px, py, *ball);
        if (distance < nearestDistance) {
            second = nearest;
            secondDistance = nearestDistance;
            nearest = ball;
            nearestDistance = distance;
        } else if (distance < secondDistance) {
            second = ball;
            secondDistance = distance;
        }
    }
}
