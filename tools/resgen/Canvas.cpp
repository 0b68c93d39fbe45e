#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

// How much of the unit span [i, i + 1) lies within [from, to).
float overlap(int i, float from, float to)
{
    return std::max(0.0f, std::min(i + 1.0f, to) - std::max(static_cast<float>(i), from));
}

unsigned char toByte(float channel)
{
    return static_cast<unsigned char>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

}

Area Area::around(float x, float y, float reach)
{
    return {static_cast<int>(std::floor(x - reach - 1)), static_cast<int>(std::floor(y - reach - 1)),
            static_cast<int>(std::ceil(x + reach + 1)), static_cast<int>(std::ceil(y + reach + 1))};
}

float edgeCoverage(float distance)
{
    return std::clamp(0.5f - distance, 0.0f, 1.0f);
}

Canvas::Canvas(int width, int height, Colour background)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, background)
{
}

void Canvas::blend(int x, int y, const Colour& colour, float coverage)
{
    float over = colour.a * coverage;
    if (over <= 0)
        return;
    Colour& under = pixels_[index(x, y)];
    float behind = under.a * (1 - over);
    float alpha = over + behind;
    under.r = (colour.r * over + under.r * behind) / alpha;
    under.g = (colour.g * over + under.g * behind) / alpha;
    under.b = (colour.b * over + under.b * behind) / alpha;
    under.a = alpha;
}

void Canvas::fill(const DistanceField& shape, const Colour& colour, Area area)
{
    fill(shape, [&colour](float, float) { return colour; }, area);
}

void Canvas::fill(const DistanceField& shape, const std::function<Colour(float x, float y)>& paint, Area area)
{
    int right = std::min(area.right, width_);
    int bottom = std::min(area.bottom, height_);
    for (int y = std::max(area.top, 0); y < bottom; ++y) {
        for (int x = std::max(area.left, 0); x < right; ++x) {
            float cx = x + 0.5f;
            float cy = y + 0.5f;
            float coverage = edgeCoverage(shape(cx, cy));
            if (coverage > 0)
                blend(x, y, paint(cx, cy), coverage);
        }
    }
}

void Canvas::scaleAlpha(const std::function<float(float x, float y)>& factor)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            pixels_[index(x, y)].a *= std::clamp(factor(x + 0.5f, y + 0.5f), 0.0f, 1.0f);
}

std::vector<unsigned char> Canvas::rgbaBytes() const
{
    std::vector<unsigned char> bytes;
    bytes.reserve(pixels_.size() * 4);
    for (const Colour& pixel : pixels_) {
        bytes.push_back(toByte(pixel.r));
        bytes.push_back(toByte(pixel.g));
        bytes.push_back(toByte(pixel.b));
        bytes.push_back(toByte(pixel.a));
    }
    return bytes;
}

namespace {

// The alpha-weighted average colour of the picture over a rectangle.
Colour averageOver(const Canvas& picture, float left, float top, float right, float bottom)
{
    Colour sum{0, 0, 0, 0};
    int lastX = std::min(static_cast<int>(std::ceil(right)), picture.width());
    int lastY = std::min(static_cast<int>(std::ceil(bottom)), picture.height());
    for (int y = static_cast<int>(top); y < lastY; ++y) {
        for (int x = static_cast<int>(left); x < lastX; ++x) {
            float weight = overlap(x, left, right) * overlap(y, top, bottom);
            Colour c = picture.at(x, y);
            sum.r += c.r * c.a * weight;
            sum.g += c.g * c.a * weight;
            sum.b += c.b * c.a * weight;
            sum.a += c.a * weight;
        }
    }
    if (sum.a <= 0)
        return sum;
    return {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / ((right - left) * (bottom - top))};
}

}

Canvas shrunk(const Canvas& picture, int width, int height)
{
    float stepX = static_cast<float>(picture.width()) / width;
    float stepY = static_cast<float>(picture.height()) / height;
    Canvas result(width, height, picture.at(0, 0).withAlpha(0));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            result.blend(x, y, averageOver(picture, x * stepX, y * stepY, (x + 1) * stepX, (y + 1) * stepY), 1);
    return result;
}
