#include "text/GlyphImage.h"

namespace {

// Far above the 64-pixel em the game renders at; guards against a font whose
// glyph claims an absurd size.
constexpr unsigned maxGlyphSide = 4096;
constexpr unsigned bytesPerTexel = 2;
constexpr unsigned largestPowerOfTwo = 1u << 31;

bool isUsable(const std::uint8_t* bitmap, unsigned width, unsigned rows, int pitch)
{
    return bitmap != nullptr && width > 0 && rows > 0 && width <= maxGlyphSide && rows <= maxGlyphSide &&
           pitch >= static_cast<int>(width);
}

}

unsigned powerOfTwoAtLeast(unsigned n)
{
    unsigned power = 1;
    while (power < n && power < largestPowerOfTwo)
        power *= 2;
    return power;
}

GlyphImage makeGlyphImage(const std::uint8_t* bitmap, unsigned width, unsigned rows, int pitch)
{
    GlyphImage image;
    if (!isUsable(bitmap, width, rows, pitch)) {
        image.texels.assign(bytesPerTexel, 0);
        return image;
    }
    image.width = powerOfTwoAtLeast(width);
    image.height = powerOfTwoAtLeast(rows);
    image.texels.assign(std::size_t{image.width} * image.height * bytesPerTexel, 0);
    for (unsigned j = 0; j < rows; ++j) {
        for (unsigned i = 0; i < width; ++i) {
            std::uint8_t coverage = bitmap[std::size_t{j} * static_cast<unsigned>(pitch) + i];
            std::size_t texel = (std::size_t{j} * image.width + i) * bytesPerTexel;
            image.texels[texel] = coverage;
            image.texels[texel + 1] = coverage;
        }
    }
    return image;
}
