#pragma once

#include "Colour.h"

#include <functional>
#include <vector>

// Distance in pixels from a point to the edge of a shape: negative inside.
using DistanceField = std::function<float(float x, float y)>;

// A rectangle of pixels, from (left, top) up to but not including (right, bottom).
// Painting a small shape only within its area saves visiting the whole picture.
struct Area {
    int left = 0;
    int top = 0;
    int right = 1 << 30;
    int bottom = 1 << 30;

    // The pixels within reach of a circle, plus a pixel of anti-aliasing.
    static Area around(float x, float y, float reach);
};

// A picture being painted, pixel centres at (x + 0.5, y + 0.5), y growing
// downwards, with straight alpha. Shapes are given as distance fields, so every
// edge is anti-aliased over about one pixel whatever the shape.
class Canvas {
public:
    // The background colour matters even where it is fully transparent: linear
    // texture filtering blends the colour of transparent texels into the edges.
    Canvas(int width, int height, Colour background);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour at(int x, int y) const { return pixels_[index(x, y)]; }

    // Lays colour over the pixel, covering the given fraction of it.
    void blend(int x, int y, const Colour& colour, float coverage);

    // Paints the inside of the shape in one colour.
    void fill(const DistanceField& shape, const Colour& colour, Area area = {});

    // Paints the inside of the shape with a colour that varies over the picture.
    void fill(const DistanceField& shape, const std::function<Colour(float x, float y)>& paint, Area area = {});

    // Replaces every pixel's alpha by the given fraction of it, keeping its colour.
    void scaleAlpha(const std::function<float(float x, float y)>& factor);

    // Top row first, four bytes per pixel: red, green, blue, alpha.
    std::vector<unsigned char> rgbaBytes() const;

private:
    int index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

// The fraction of a pixel covered by a shape whose edge lies at this distance.
float edgeCoverage(float distance);

// The picture made smaller, each new pixel the average of the area it covers.
// Colours are weighted by alpha, so transparent pixels lend none to the edges.
Canvas shrunk(const Canvas& picture, int width, int height);
