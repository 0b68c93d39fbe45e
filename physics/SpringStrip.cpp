#include "physics/SpringStrip.h"

#include "physics/Mass.h"
#include "physics/Spring.h"

#include <cmath>

namespace {

constexpr float degreesPerHalfTurn = 180.0f;
constexpr float inversePi = 0.3183098861837907f;
// The quad's length runs along its y axis, so it turns a quarter turn further
// than the spring's own angle from the x axis.
constexpr float quadQuarterTurn = 90.0f;

}

SpringStrip stripOf(const Spring& spring)
{
    const Mass& a = *spring.massA;
    const Mass& b = *spring.massB;
    // A vertical spring divides by zero here and comes out at +-90 degrees.
    float angle = std::atan(spring.deltaY / spring.deltaX) * degreesPerHalfTurn * inversePi;
    float smallerRadius = a.radius < b.radius ? a.radius : b.radius;
    return {b.x + 0.5f * spring.deltaX, b.y + 0.5f * spring.deltaY, angle + quadQuarterTurn, 2 * smallerRadius,
            spring.length};
}
