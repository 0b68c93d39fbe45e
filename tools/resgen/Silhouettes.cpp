#include "Silhouettes.h"

#include "Shapes.h"

#include <algorithm>
#include <cmath>

namespace {

const Colour silhouette = hexColour(0x000000);

}

void paintStructureBall(Canvas& canvas, float x, float y, float radius)
{
    canvas.fill(circle(x, y, radius), silhouette, Area::around(x, y, radius));
}

void paintStructureSpring(Canvas& canvas, float x0, float y0, float x1, float y1, float ballRadius, float opacity)
{
    float diameter = 2 * ballRadius;
    float reach = std::hypot(x1 - x0, y1 - y0) / 2 + diameter;
    canvas.fill(sinew(x0, y0, x1, y1, sinewEndHalfWidth * diameter, sinewMiddleHalfWidth * diameter),
                silhouette.withAlpha(opacity),
                Area::around((x0 + x1) / 2, (y0 + y1) / 2, reach));
}
