#pragma once

#include <cstdint>
#include <vector>

// A glyph's coverage bitmap laid into a texture whose sides are powers of two,
// two bytes a texel (luminance and alpha, both the coverage), the bitmap in the
// top-left corner and zeros around it. An empty bitmap gives one zero texel.
struct GlyphImage {
    unsigned width = 1;
    unsigned height = 1;
    std::vector<std::uint8_t> texels;
};

// The smallest power of two not below n, and at least 1 (at most 2^31).
unsigned powerOfTwoAtLeast(unsigned n);

// rows of width coverage bytes, pitch bytes apart. A bitmap that does not fit
// its own pitch, or is larger than any glyph we render, is taken as empty.
GlyphImage makeGlyphImage(const std::uint8_t* bitmap, unsigned width, unsigned rows, int pitch);
