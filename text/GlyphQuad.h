#pragma once

// Where one character's glyph is drawn from the pen, in pixels of the
// rendered size: its bitmap's place by the glyph's bearings, the share of its
// texture that the bitmap fills, and how far the pen then moves.
struct GlyphQuad {
    float left = 0;  // from the pen to the bitmap's left edge
    float top = 0;   // from the baseline up to the bitmap's top row
    float width = 0; // of the bitmap
    float rows = 0;
    float textureRight = 0;  // s of the bitmap's right edge
    float textureBottom = 0; // t of its bottom row; t = 0 is its top row
    float advance = 0;
};

// Draws the glyph as a quad textured with its bitmap, sitting on the baseline,
// then moves the pen, the model-view matrix, on by its advance. The caller
// turns texturing on.
void drawGlyphQuad(unsigned texture, const GlyphQuad& glyph);
