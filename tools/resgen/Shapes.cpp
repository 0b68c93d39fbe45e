#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "Angles.h"

DistanceField circle(float centreX, float centreY, float radius)
{
    return [=](float x, float y) { return std::hypot(x - centreX, y - centreY) - radius; };
}

DistanceField ellipse(float centreX, float centreY, float radiusX, float radiusY)
{
    return [=](float x, float y) {
        float u = (x - centreX) / radiusX;
        float v = (y - centreY) / radiusY;
        float k = std::hypot(u, v);
        float gradient = std::hypot(u / radiusX, v / radiusY);
        if (gradient <= 0)
            return -std::min(radiusX, radiusY);
        return (k * k - 1) / (2 * gradient);
    };
}

DistanceField stroke(float x0, float y0, float x1, float y1, float halfWidth)
{
    return [=](float x, float y) {
        float dx = x1 - x0;
        float dy = y1 - y0;
        float lengthSquared = dx * dx + dy * dy;
        float t = lengthSquared > 0 ? ((x - x0) * dx + (y - y0) * dy) / lengthSquared : 0;
        t = std::clamp(t, 0.0f, 1.0f);
        return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy)) - halfWidth;
    };
}

DistanceField roundedBox(float left, float top, float right, float bottom, float cornerRadius)
{
    float centreX = (left + right) / 2;
    float centreY = (top + bottom) / 2;
    float halfWidth = (right - left) / 2 - cornerRadius;
    float halfHeight = (bottom - top) / 2 - cornerRadius;
    return [=](float x, float y) {
        float qx = std::abs(x - centreX) - halfWidth;
        float qy = std::abs(y - centreY) - halfHeight;
        float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        float inside = std::min(std::max(qx, qy), 0.0f);
        return outside + inside - cornerRadius;
    };
}

DistanceField arc(float centreX, float centreY, float radius, float halfWidth, float fromAngle, float toAngle)
{
    float middle = (fromAngle + toAngle) / 2;
    float halfSpan = (toAngle - fromAngle) / 2;
    float startX = centreX + radius * std::cos(fromAngle);
    float startY = centreY + radius * std::sin(fromAngle);
    float endX = centreX + radius * std::cos(toAngle);
    float endY = centreY + radius * std::sin(toAngle);
    return [=](float x, float y) {
        float angle = std::atan2(y - centreY, x - centreX);
        float offset = std::remainder(angle - middle, fullTurn);
        if (std::abs(offset) <= halfSpan)
            return std::abs(std::hypot(x - centreX, y - centreY) - radius) - halfWidth;
        float toStart = std::hypot(x - startX, y - startY);
        float toEnd = std::hypot(x - endX, y - endY);
        return std::min(toStart, toEnd) - halfWidth;
    };
}

DistanceField unite(DistanceField a, DistanceField b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

DistanceField subtract(DistanceField shape, DistanceField hole)
{
    return [shape = std::move(shape), hole = std::move(hole)](float x, float y) {
        return std::max(shape(x, y), -hole(x, y));
    };
}

DistanceField grow(DistanceField shape, float pixels)
{
    return [shape = std::move(shape), pixels](float x, float y) { return shape(x, y) - pixels; };
}

DistanceField sinew(float x0, float y0, float x1, float y1, float endHalfWidth, float middleHalfWidth)
{
    return [=](float x, float y) {
        float dx = x1 - x0;
        float dy = y1 - y0;
        float length = std::hypot(dx, dy);
        float along = ((x - x0) * dx + (y - y0) * dy) / length;
        float across = std::abs((x - x0) * dy - (y - y0) * dx) / length;
        float t = std::clamp(along / length, 0.0f, 1.0f);
        float fromMiddle = 2 * t - 1;
        float halfWidth = middleHalfWidth + (endHalfWidth - middleHalfWidth) * fromMiddle * fromMiddle;
        float beyondEnds = std::max(-along, along - length);
        return std::max(across - halfWidth, beyondEnds);
    };
}

DistanceField scaleVertically(DistanceField shape, float centreY, float ratio)
{
    // Scaling the distance by the smaller of the two scales keeps it a safe
    // underestimate, which is all a one-pixel anti-aliased edge needs.
    float distanceScale = std::min(ratio, 1.0f);
    return [shape = std::move(shape), centreY, ratio, distanceScale](float x, float y) {
        return shape(x, centreY + (y - centreY) / ratio) * distanceScale;
    };
}
