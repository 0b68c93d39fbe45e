#include "text/GlyphImage.h"

#include <gtest/gtest.h>

#include <tuple>

// 3 x 2 coverage bytes, rows padded to 4 as FreeType may pad them, land in a
// 4 x 2 texture, luminance and alpha both the coverage, the rest clear. An
// empty or unsound bitmap is one clear texel.
TEST(GlyphImage, LaysTheBitmapTopLeftRowByRowInATextureOfPowerOfTwoSides)
{
    const std::uint8_t bitmap[] = {1, 2, 3, 0xEE, 4, 5, 6, 0xEE};
    GlyphImage image = makeGlyphImage(bitmap, 3, 2, 4);
    EXPECT_EQ(std::tie(image.width, image.height, image.texels),
              std::make_tuple(4u, 2u, std::vector<std::uint8_t>{1, 1, 2, 2, 3, 3, 0, 0, 4, 4, 5, 5, 6, 6, 0, 0}));
    for (GlyphImage unsound : {makeGlyphImage(nullptr, 3, 2, 4), makeGlyphImage(bitmap, 0, 2, 4),
                               makeGlyphImage(bitmap, 3, 2, 2), makeGlyphImage(bitmap, 3, 2, -4),
                               makeGlyphImage(bitmap, 5000, 1, 5000)})
        EXPECT_EQ(std::tie(unsound.width, unsound.height, unsound.texels),
                  std::make_tuple(1u, 1u, std::vector<std::uint8_t>{0, 0}));
}
