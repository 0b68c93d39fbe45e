#include "graphics/CloudBand.h"

#include "graphics/SpritePass.h"
#include "graphics/SpriteQuad.h"
#include "graphics/Texture.h"
#include "res/ResourceFiles.h"

#include <GL/gl.h>

namespace {

constexpr float bandWidth = 12.0f;
constexpr float bandThickness = 0.75f;
constexpr float bandDepth = 0.01f; // just in front of the structure
constexpr float bandOpacity = 0.8f;

}

CloudBand& CloudBand::instance()
{
    static CloudBand* band = new CloudBand();
    return *band;
}

void CloudBand::load()
{
    sprite = loadTexture(res::cloudImage);
}

void CloudBand::draw() const
{
    beginSpritePass();
    glColor4f(1, 1, 1, bandOpacity);
    glPushMatrix();
    glTranslatef(0, height, bandDepth);
    glScalef(bandWidth, bandThickness, 1);
    drawSpriteQuad(sprite);
    glPopMatrix();
    endSpritePass();
    glColor4f(1, 1, 1, 1);
}
