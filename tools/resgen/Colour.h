#pragma once

// A straight (not premultiplied) colour, every channel from 0 to 1.
struct Colour {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;

    Colour withAlpha(float alpha) const { return {r, g, b, alpha}; }
};

// Reads "#rrggbb" style hexadecimal colours as they come from a paint program.
constexpr Colour hexColour(unsigned rgb, float alpha = 1)
{
    return {((rgb >> 16) & 0xff) / 255.0f, ((rgb >> 8) & 0xff) / 255.0f, (rgb & 0xff) / 255.0f, alpha};
}

// The colour a fraction t of the way from a to b.
Colour mix(const Colour& a, const Colour& b, float t);
