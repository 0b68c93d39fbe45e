#include "graphics/SpriteQuad.h"

#include <GL/gl.h>

namespace {

struct Corner {
    float s, t; // the picture's top row is t = 0
    float x, y;
};

// Counter-clockwise from the bottom left.
constexpr Corner corners[] = {{0, 1, -0.5f, -0.5f}, {1, 1, 0.5f, -0.5f}, {1, 0, 0.5f, 0.5f}, {0, 0, -0.5f, 0.5f}};

// The square as two triangles split from the bottom right to the top left
// corner, the split Mesa makes of a quad the GL was given whole: split the
// other way, a few pixels round to other colours.
constexpr int triangleCorners[] = {0, 1, 3, 1, 2, 3};

void drawTexturedSquare(unsigned texture)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_TRIANGLES);
    for (int corner : triangleCorners) {
        glTexCoord2f(corners[corner].s, corners[corner].t);
        glVertex2f(corners[corner].x, corners[corner].y);
    }
    glEnd();
}

void drawBareSquare()
{
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_TRIANGLES);
    for (int corner : triangleCorners)
        glVertex2f(corners[corner].x, corners[corner].y);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

}

void drawSpriteQuad(unsigned texture)
{
    if (texture == 0)
        drawBareSquare();
    else
        drawTexturedSquare(texture);
}
