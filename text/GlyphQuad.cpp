#include "text/GlyphQuad.h"

#include <GL/gl.h>

namespace {

// The corners counter-clockwise from the top left, as two triangles split
// from the bottom left to the top right corner, the split Mesa makes of a
// quad the GL was given whole: split the other way, a few pixels of the text
// round to other shades.
constexpr int triangleCorners[] = {0, 1, 3, 1, 2, 3};

}

void drawGlyphQuad(unsigned texture, const GlyphQuad& glyph)
{
    const float corners[4][4] = {{0, 0, 0, glyph.rows},
                                 {0, glyph.textureBottom, 0, 0},
                                 {glyph.textureRight, glyph.textureBottom, glyph.width, 0},
                                 {glyph.textureRight, 0, glyph.width, glyph.rows}};
    glBindTexture(GL_TEXTURE_2D, texture);
    glPushMatrix();
    glTranslatef(glyph.left, 0, 0);
    glTranslatef(0, glyph.top - glyph.rows, 0);
    glBegin(GL_TRIANGLES);
    for (int corner : triangleCorners) {
        glTexCoord2f(corners[corner][0], corners[corner][1]);
        glVertex2f(corners[corner][2], corners[corner][3]);
    }
    glEnd();
    glPopMatrix();
    glTranslatef(glyph.advance, 0, 0);
}
