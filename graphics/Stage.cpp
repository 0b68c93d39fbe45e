#include "graphics/Stage.h"

#include "graphics/SpritePass.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Texture.h"
#include "res/ResourceFiles.h"

#include <GL/gl.h>
#include <cmath>

namespace {

// Just behind the structure's plane, so the structure always covers it.
constexpr float backgroundDepth = -0.002f;

// Places a unit sprite quad as a w x h rectangle centred on (x, y, z).
void drawQuad(unsigned texture, double x, double y, double z, double w, double h)
{
    glPushMatrix();
    glTranslated(x, y, z);
    glScaled(w, h, 1);
    drawSpriteQuad(texture);
    glPopMatrix();
}

}

Stage& Stage::instance()
{
    static Stage* stage = new Stage();
    return *stage;
}

void Stage::loadScreens()
{
    backgroundTexture = loadTexture(res::backgroundImage);
    titleTexture = loadTexture(res::titleImage);
    cloudTexture = loadTexture(res::cloudImage);
}

void Stage::setBounds(double top, double right, double bottom, double left)
{
    this->top = top;
    this->right = right;
    this->bottom = bottom;
    this->left = left;
    placeScenery();
}

void Stage::setBounds(const StageBounds& bounds)
{
    setBounds(bounds.top, bounds.right, bounds.bottom, bounds.left);
}

void Stage::placeScenery()
{
    // Two thin clouds just behind the structure, five between it and the camera.
    scenery = {{
        {-2.5f, 3.0f, -0.001f, 2.0f, 0.5f, 0.15f, cloudTexture},
        {3.5f, 6.5f, -0.001f, 5.0f, 1.0f, 0.16f, cloudTexture},
        {2.5f, 15.5f, 1.6f, 4.0f, 2.0f, 0.26f, cloudTexture},
        {-1.5f, 13.5f, 3.0f, 8.0f, 3.0f, 0.26f, cloudTexture},
        {-3.5f, 23.5f, 1.6f, 8.0f, 2.0f, 0.26f, cloudTexture},
        {3.5f, 25.5f, 3.6f, 8.0f, 2.0f, 0.46f, cloudTexture},
        {-4.5f, 8.0f, 1.6f, 8.0f, 2.0f, 0.36f, cloudTexture},
    }};
}

void Stage::drawBackground() const
{
    beginSpritePass();
    glColor4f(1, 1, 1, 1);
    drawQuad(backgroundTexture, (right + left) * 0.5, (bottom + top) * 0.5, backgroundDepth, std::fabs(left - right),
             std::fabs(top - bottom));
    endSpritePass();
    glColor4f(1, 1, 1, 1);
}

void Stage::drawScenery() const
{
    beginSpritePass();
    for (const SceneryCloud& cloud : scenery) {
        glColor4f(1, 1, 1, cloud.alpha);
        drawQuad(cloud.sprite, cloud.x, cloud.y, cloud.z, cloud.scaleX, cloud.scaleY);
    }
    endSpritePass();
    glColor4f(1, 1, 1, 1);
}

void Stage::drawTitle(double halfExtent) const
{
    drawScreen(titleTexture, halfExtent);
}

// The instructions picture is loaded the first time it is shown: the title
// shows that much sooner after start-up, and nobody sees the difference.
void Stage::drawInstructions(double halfExtent)
{
    if (!instructionsTexture)
        instructionsTexture = loadTexture(res::instructionsImage);
    drawScreen(*instructionsTexture, halfExtent);
}

// The screens fill the square the camera sees at its starting place, drawn
// opaque under whatever matrix the last reshape loaded.
void Stage::drawScreen(unsigned texture, double halfExtent) const
{
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    drawQuad(texture, 0, halfExtent, 0, 2 * halfExtent, 2 * halfExtent);
    glDisable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
}
