#include "text/Message.h"

#include "text/Font.h"

#include <GL/gl.h>
#include <cmath>

namespace {

constexpr float degreesPerTurn = 360;
constexpr float pulseRate = 10; // radians per second
constexpr float pulseDepth = 0.25f;
constexpr float pulseCentre = 2;
constexpr float pulseSize = 0.5f; // the size swings between 0.875 and 1.125
constexpr float metersPerGlyphPixel = 0.01f;

}

void Message::advance(float dt)
{
    float t = time;
    if (phase == Grow)
        grow(t);
    else if (phase == Hold)
        hold(t);
    else if (phase == Fade)
        fade(t);
    time += dt;
}

// The angle is set only here, so the later phases keep the last grow step's,
// overshoot and all: a message may hang slightly tilted.
void Message::grow(float t)
{
    scale = t / growTime;
    angle = scale * degreesPerTurn;
    alpha = scale;
    if (t >= growTime)
        enter(Hold);
}

void Message::hold(float t)
{
    alpha = 1;
    scale = (std::sin(t * pulseRate) * pulseDepth + pulseCentre) * pulseSize;
    if (t >= holdTime)
        enter(Fade);
}

void Message::fade(float t)
{
    float remaining = 1 - t / fadeTime;
    scale = remaining;
    alpha = remaining;
    if (t >= fadeTime)
        enter(Done);
}

void Message::enter(MessagePhase next)
{
    phase = next;
    time = 0;
}

void Message::draw() const
{
    float size = scale * metersPerGlyphPixel;
    glPushMatrix();
    glTranslatef(x, y, 0);
    glColor4f(0, 0, 0, alpha);
    glScalef(size, size, size);
    glRotatef(angle, 0, 0, 1);
    Font::instance().print("%s", text.c_str());
    glPopMatrix();
}
