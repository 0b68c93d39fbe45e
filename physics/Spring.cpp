#include "physics/Spring.h"

#include "graphics/SpriteQuad.h"
#include "physics/Mass.h"
#include "physics/SpringStrip.h"

#include <GL/gl.h>
#include <cmath>

namespace {

// The same for every spring whatever its stiffness: brakes the whole relative
// velocity of the two ends, sideways as well as along the spring.
constexpr float endDamping = 1.55f;
constexpr float previewOpacity = 0.5f;

}

void Spring::update(float)
{
    if (!active || rejected)
        return;
    float stretchX = 0;
    float stretchY = 0;
    // Two coincident centres give no direction to push along: only the
    // damping acts until they part.
    if (length > 0) {
        float stretchForce = -stiffness * (length - restLength);
        stretchX = stretchForce * deltaX / length;
        stretchY = stretchForce * deltaY / length;
    }
    float forceX = stretchX - endDamping * (massA->velocityX - massB->velocityX);
    float forceY = stretchY - endDamping * (massA->velocityY - massB->velocityY);
    massA->forceX += forceX;
    massA->forceY += forceY;
    massB->forceX -= forceX;
    massB->forceY -= forceY;
}

void Spring::draw()
{
    if (rejected)
        return;
    glColor4f(0, 0, 0, active ? 1.0f : previewOpacity);
    measure();
    if (length == 0)
        return;
    SpringStrip strip = stripOf(*this);
    glPushMatrix();
    glTranslatef(strip.centreX, strip.centreY, 0);
    glRotatef(strip.angle, 0, 0, 1);
    glScalef(strip.width, strip.length, 1);
    drawSpriteQuad(sprite);
    glPopMatrix();
}

void Spring::attach(Mass* a, Mass* b)
{
    massA = a;
    massB = b;
    measure();
}

float Spring::measure()
{
    deltaX = massA->x - massB->x;
    deltaY = massA->y - massB->y;
    length = std::sqrt(deltaX * deltaX + deltaY * deltaY);
    return length;
}
