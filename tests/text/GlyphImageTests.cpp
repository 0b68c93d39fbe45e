#include "text/GlyphImage.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(GlyphImage, LaysTheBitmapTopLeftInATextureOfPowerOfTwoSides)
{
    for (auto [n, power] : {std::pair{0u, 1u}, {1u, 1u}, {33u, 64u}, {64u, 64u}})
        EXPECT_EQ(powerOfTwoAtLeast(n), power) << n;
    // 33 x 20 coverage bytes, rows padded to 36 as FreeType may do.
    constexpr unsigned width = 33;
    constexpr unsigned rows = 20;
    constexpr int pitch = 36;
    std::vector<std::uint8_t> bitmap(pitch * rows, 0xEE);
    for (unsigned j = 0; j < rows; ++j)
        for (unsigned i = 0; i < width; ++i)
            bitmap[j * pitch + i] = static_cast<std::uint8_t>(i + j);
    GlyphImage image = makeGlyphImage(bitmap.data(), width, rows, pitch);
    ASSERT_EQ(std::make_tuple(image.width, image.height, image.texels.size()), std::make_tuple(64u, 32u, 64u * 32u * 2u));
    // Luminance and alpha both carry the coverage; the row padding and the rest are clear.
    for (auto [i, j, coverage] : {std::tuple{0u, 0u, 0}, {32u, 19u, 51}, {5u, 7u, 12}, {33u, 0u, 0}, {0u, 20u, 0},
                                  {63u, 31u, 0}}) {
        std::size_t texel = (j * image.width + i) * 2;
        EXPECT_EQ(image.texels[texel], coverage) << i << ", " << j;
        EXPECT_EQ(image.texels[texel + 1], coverage) << i << ", " << j;
    }
    std::vector<std::uint8_t> tiny(16, 0xFF);
    for (GlyphImage unsound : {makeGlyphImage(nullptr, 4, 4, 4), makeGlyphImage(tiny.data(), 0, 4, 4),
                               makeGlyphImage(tiny.data(), 4, 4, 3), makeGlyphImage(tiny.data(), 4, 4, -4),
                               makeGlyphImage(tiny.data(), 5000, 1, 5000)})
        EXPECT_EQ(std::tie(unsound.width, unsound.height, unsound.texels), std::make_tuple(1u, 1u, std::vector<std::uint8_t>{0, 0}))
            << "an empty or unsound bitmap is one clear texel";
}
