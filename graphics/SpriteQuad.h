#pragma once

// Compiles a display list that binds the texture and draws a unit square centred
// on the origin, counter-clockwise as seen from +z, the picture upright. The
// caller sets colour and enables, then translates and scales it into place.
unsigned makeSpriteQuad(unsigned texture);
