#pragma once

#include "Canvas.h"

// Balls and springs as the game shows them during play, black shapes with the
// proportions of their sprites, for the pictures on the screens.

void paintStructureBall(Canvas& canvas, float x, float y, float radius);

// A spring between two ball centres, as wide as a ball of this radius. A
// preview spring, still to be built, shows at half opacity.
void paintStructureSpring(Canvas& canvas, float x0, float y0, float x1, float y1, float ballRadius,
                          float opacity = 1);

// The sinew's outline as a fraction of the ball diameter: full where it grips
// the balls, slim between. The spring sprite uses the same proportions.
constexpr float sinewEndHalfWidth = 0.36f;
constexpr float sinewMiddleHalfWidth = 0.2f;
