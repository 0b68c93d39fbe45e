#include "construction/Crawler.h"

#include "audio/SoundBank.h"
#include "construction/Random.h"
#include "graphics/CloudBand.h"
#include "graphics/SpriteQuad.h"
#include "physics/MassList.h"
#include "physics/SpringList.h"

#include <GL/gl.h>
#include <cmath>

MassList* linkedMassList = nullptr;
SpringList* linkedSpringList = nullptr;

namespace {

constexpr float gravity = -9.81f; // a crawler falls on its own, without drag
constexpr float wobbleCentre = 1.2f;
constexpr float wobbleDepth = 0.25f;
constexpr float fullTurnAbout = 6.28f;
constexpr float slowestWobble = 5;
constexpr float wobbleSpread = 5;
constexpr float crawlSpeed = 0.5f; // meters per second, on the ground and on springs
constexpr float onBallShare = 0.25f; // of the target's radius: close enough to jump on
constexpr float arrived = 0.99f;
constexpr unsigned mostNeighbours = 10;
constexpr int upwardsOdds = 10; // a draw from 0 to 99 above this heads upwards
constexpr float noHeight = -1e10f;
constexpr float vanishedPhase = 90; // holds the wobble nearly still
constexpr float vanishGrowth = 5;
constexpr float vanishStartAlpha = 0.5f;

}

Crawler::Crawler()
{
    phase = randomFloat(fullTurnAbout);
    wobbleRate = randomFloat(wobbleSpread) + slowestWobble;
}

void Crawler::update(float dt)
{
    phase += dt;
    wobble = wobbleCentre + wobbleDepth * std::sin(phase * wobbleRate);
    switch (state) {
    case Falling:
        fall(dt);
        break;
    case Landed:
        headForTheStructure();
        break;
    case Approaching:
        if (approachStep(dt))
            state = AtMass;
        break;
    case AtMass:
        chooseTheNextBall();
        break;
    case Walking:
        walk(dt);
        break;
    case Held:
        phase += dt; // carried, it wobbles twice as fast
        break;
    case Vanishing:
        vanish(dt);
        break;
    case Gone:
        break;
    }
}

void Crawler::fall(float dt)
{
    float dv = gravity * dt;
    y = y + velocityY * dt + 0.5f * dv * dt;
    velocityY = velocityY + dv;
    if (y - radius < 0) {
        setY(radius);
        velocityY = 0;
        state = Landed;
    }
}

// Goes for the lower of the two nearest balls, the second on equal heights.
// Without two balls to choose from it waits where it landed.
void Crawler::headForTheStructure()
{
    Mass* nearest = nullptr;
    Mass* second = nullptr;
    linkedMassList->nearestTwo(x, y, nearest, second);
    if (second == nullptr)
        return;
    progress = 0;
    previous = target;
    target = nearest->y < second->y ? nearest : second;
    state = Approaching;
}

bool Crawler::approachStep(float dt)
{
    float gap = target->x - x;
    if (std::fabs(gap) < onBallShare * target->radius) {
        moveOnto(*target); // whatever the ball's height
        return true;
    }
    x = x + gap * dt * crawlSpeed / std::fabs(gap);
    return false;
}

// Mostly the highest neighbour (the first of equal ones); now and then any
// neighbour at all, the way back included. No neighbour, no choice: the walk
// then finds no target and the crawler falls.
void Crawler::chooseTheNextBall()
{
    Mass* neighbours[mostNeighbours] = {};
    unsigned count = linkedSpringList->neighbours(target, neighbours, mostNeighbours);
    Mass* choice = nullptr;
    if (randomInt(100) > upwardsOdds) {
        float best = noHeight;
        for (unsigned i = 0; i < count; ++i) {
            if (neighbours[i] != target && neighbours[i]->y > best) {
                best = neighbours[i]->y;
                choice = neighbours[i];
            }
        }
    } else if (count > 0) {
        choice = neighbours[randomInt(static_cast<int>(count))];
    }
    previous = target;
    target = choice;
    progress = 0;
    state = Walking;
}

void Crawler::walk(float dt)
{
    if (walkStep(dt))
        state = AtMass;
    if (y > CloudBand::instance().height) {
        state = Vanishing;
        SoundBank::instance().play(firstWinSound + randomInt(res::winSoundCount));
    }
}

// Keeps its share of the spring while the balls move under it, and walks on.
bool Crawler::walkStep(float dt)
{
    if (target == nullptr || previous == nullptr) {
        target = nullptr;
        previous = nullptr;
        progress = 0;
        state = Falling;
        return false;
    }
    float dx = target->x - previous->x;
    float dy = target->y - previous->y;
    float length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) { // two balls on one spot: there is no way to walk, only to be there
        moveOnto(*target);
        progress = 1;
        return true;
    }
    float inverse = 1 / length;
    float alongX = dx * inverse;
    float alongY = dy * inverse;
    float walked = progress * length;
    float step = crawlSpeed * dt;
    setX(previous->x + alongX * walked + alongX * step);
    setY(previous->y + alongY * walked + alongY * step);
    float fromX = x - previous->x;
    float fromY = y - previous->y;
    progress = std::sqrt(fromX * fromX + fromY * fromY) / length;
    if (progress > arrived) {
        moveOnto(*target);
        progress = 1;
        return true;
    }
    return false;
}

void Crawler::vanish(float dt)
{
    phase = vanishedPhase;
    vanishTimer += dt;
    float done = vanishTimer / vanishDuration;
    scale = 1 + vanishGrowth * done;
    alpha = vanishStartAlpha * (1 - done);
    if (!(vanishTimer < vanishDuration)) {
        vanishTimer = 0;
        state = Gone;
    }
}

void Crawler::moveOnto(const Mass& ball)
{
    setX(ball.x);
    setY(ball.y);
}

void Crawler::draw()
{
    if (hidden)
        return;
    glColor4f(brightness, brightness, brightness, alpha);
    float size = 2 * radius * scale;
    glPushMatrix();
    glTranslatef(x, y, 0);
    glScalef(size / wobble, size * wobble, 1);
    drawSpriteQuad(sprite);
    glPopMatrix();
}
