#include "text/GlyphImage.h"
#include "text/TextFormat.h"
#include "text/TextLines.h"

#include <gtest/gtest.h>

namespace {

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* pattern, ...)
{
    std::va_list args;
    va_start(args, pattern);
    std::string text = formatText(pattern, args);
    va_end(args);
    return text;
}

using Lines = std::vector<std::string>;

}

TEST(TextFormat, ExpandsPrintfStyleAndCutsAt255Characters)
{
    EXPECT_EQ(format("%.1f meters!", 12.34), "12.3 meters!");
    const char* none = nullptr;
    EXPECT_EQ(format(none), "");
    std::string longText(300, 'x');
    EXPECT_EQ(format("%s", longText.c_str()), std::string(255, 'x'));
    EXPECT_EQ(format("%s!", std::string(255, 'y').c_str()), std::string(255, 'y'));
}

TEST(TextLines, EveryNewlineEndsALineAndTheRestIsOneMore)
{
    EXPECT_EQ(splitLines("a\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines(""), (Lines{""}));
    EXPECT_EQ(splitLines("\n\nc"), (Lines{"", "", "c"}));
    EXPECT_EQ(splitLines("12.3 meters!"), (Lines{"12.3 meters!"}));
}

TEST(TextLines, OnlyCodesUpTo127ReachTheGlyphs)
{
    EXPECT_EQ(glyphCodes("abc"), "abc");
    EXPECT_EQ(glyphCodes("a\x80" "b\xFF" "c\x7F"), "abc\x7F");
    EXPECT_EQ(glyphCodes("\xC3\xA9"), "");
    EXPECT_EQ(glyphCodes(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(GlyphImage, SidesArePowersOfTwoWithTheBitmapTopLeft)
{
    EXPECT_EQ(powerOfTwoAtLeast(0), 1u);
    EXPECT_EQ(powerOfTwoAtLeast(1), 1u);
    EXPECT_EQ(powerOfTwoAtLeast(33), 64u);
    EXPECT_EQ(powerOfTwoAtLeast(64), 64u);
    EXPECT_EQ(powerOfTwoAtLeast(0xFFFFFFFFu), 0x80000000u);

    constexpr unsigned width = 33;
    constexpr unsigned rows = 20;
    constexpr int pitch = 36; // FreeType may pad rows
    std::vector<std::uint8_t> bitmap(pitch * rows, 0xEE);
    for (unsigned j = 0; j < rows; ++j)
        for (unsigned i = 0; i < width; ++i)
            bitmap[j * pitch + i] = static_cast<std::uint8_t>(i + j);
    GlyphImage image = makeGlyphImage(bitmap.data(), width, rows, pitch);
    ASSERT_EQ(image.width, 64u);
    ASSERT_EQ(image.height, 32u);
    ASSERT_EQ(image.texels.size(), 64u * 32u * 2u);
    auto texel = [&](unsigned i, unsigned j) { return image.texels[(j * 64 + i) * 2]; };
    auto alpha = [&](unsigned i, unsigned j) { return image.texels[(j * 64 + i) * 2 + 1]; };
    EXPECT_EQ(texel(0, 0), 0);
    EXPECT_EQ(texel(32, 19), 51);
    EXPECT_EQ(alpha(32, 19), 51);
    EXPECT_EQ(texel(5, 7), 12);
    EXPECT_EQ(texel(33, 0), 0) << "the row padding is not copied";
    EXPECT_EQ(texel(0, 20), 0);
    EXPECT_EQ(alpha(63, 31), 0);
}

TEST(GlyphImage, EmptyOrUnsoundBitmapsBecomeOneClearTexel)
{
    std::vector<std::uint8_t> bitmap(16, 0xFF);
    const std::vector<std::uint8_t> clear{0, 0};
    for (GlyphImage image : {makeGlyphImage(nullptr, 0, 0, 0), makeGlyphImage(bitmap.data(), 0, 4, 4),
                             makeGlyphImage(bitmap.data(), 4, 4, 3), makeGlyphImage(bitmap.data(), 4, 4, -4),
                             makeGlyphImage(nullptr, 4, 4, 4), makeGlyphImage(bitmap.data(), 5000, 1, 5000)}) {
        EXPECT_EQ(image.width, 1u);
        EXPECT_EQ(image.height, 1u);
        EXPECT_EQ(image.texels, clear);
    }
}
