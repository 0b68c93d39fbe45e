#pragma once

#include "Canvas.h"

// The world behind the tower, shared by the backdrop and the two screens so
// they look like one place: warm pale air at the ground, deepening to a
// clear blue far up, where the first stars show.

// The sky's colour at a height given as a fraction of the playing field's
// height: 0 at the ground, 1 at its top.
Colour skyColour(float heightFraction);

// Fills every row with the sky, from the given height fraction at the bottom
// row to the one at the top row.
void paintSky(Canvas& canvas, float bottomFraction, float topFraction);

// Soft distant hills standing on the row groundY, scaled by pixels per metre.
void paintHills(Canvas& canvas, float groundY, float pixelsPerMetre);

// A strip of grass from the row topY to the bottom edge.
void paintGrass(Canvas& canvas, float topY);

// Little sparkles in the rows from top to bottom, brighter higher up.
void paintStars(Canvas& canvas, float top, float bottom, int count);
