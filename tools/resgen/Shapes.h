#pragma once

#include "Canvas.h"

// Distance fields of the few shapes the pictures are built from, in pixels.

DistanceField circle(float centreX, float centreY, float radius);

// An axis-aligned ellipse. The distance is exact on the axes and close enough
// elsewhere for a one-pixel anti-aliased edge.
DistanceField ellipse(float centreX, float centreY, float radiusX, float radiusY);

// A line segment with round ends, as a pen of the given half width draws it.
DistanceField stroke(float x0, float y0, float x1, float y1, float halfWidth);

DistanceField roundedBox(float left, float top, float right, float bottom, float cornerRadius);

// The part of an annulus between two angles (radians, clockwise from +x on a
// y-down picture), with round ends.
DistanceField arc(float centreX, float centreY, float radius, float halfWidth, float fromAngle, float toAngle);

DistanceField unite(DistanceField a, DistanceField b);
DistanceField subtract(DistanceField shape, DistanceField hole);

// The shape grown outwards by the given number of pixels (an outline around it).
DistanceField grow(DistanceField shape, float pixels);

// A band between two points that is wider at its ends than in its middle,
// like a stretched sinew: its half width goes from endHalfWidth at the ends
// to middleHalfWidth halfway along.
DistanceField sinew(float x0, float y0, float x1, float y1, float endHalfWidth, float middleHalfWidth);

// The shape flattened (ratio below 1) or stretched towards or away from the
// row centreY, keeping its width.
DistanceField scaleVertically(DistanceField shape, float centreY, float ratio);
