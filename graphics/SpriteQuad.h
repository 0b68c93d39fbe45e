#pragma once

// Draws a unit square centred on the origin, counter-clockwise as seen from +z,
// with the texture upright on it. The caller turns texturing on (a sprite pass
// or a screen), sets the colour, then translates and scales it into place.
// Texture 0, a picture that would not load, draws the bare square in the
// current colour: texturing is switched off for it and no texture coordinates
// are given, as the GL would draw a texture it cannot use.
void drawSpriteQuad(unsigned texture);
