#include "graphics/SpriteQuad.h"

#include <GL/gl.h>

unsigned makeSpriteQuad(unsigned texture)
{
    GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glTexCoord2f(0, 1);
    glVertex2f(-0.5f, -0.5f);
    glTexCoord2f(1, 1);
    glVertex2f(0.5f, -0.5f);
    glTexCoord2f(1, 0);
    glVertex2f(0.5f, 0.5f);
    glTexCoord2f(0, 0);
    glVertex2f(-0.5f, 0.5f);
    glEnd();
    glEndList();
    return list;
}
