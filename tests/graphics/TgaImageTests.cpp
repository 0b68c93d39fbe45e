#include "graphics/TgaImage.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

namespace {

using Pixels = std::vector<std::uint8_t>;

constexpr std::uint8_t topRowFirst = 0x20;
// A 2x2 picture stored as B, G, R, A rows: red and green over blue and grey,
// each with an alpha of its own; and how it decodes, R, G, B, A from the top.
const Pixels storedTop = {0, 0, 255, 200, 0, 255, 0, 100};
const Pixels storedBottom = {255, 0, 0, 50, 7, 8, 9, 7};
const Pixels decodedTwoByTwo = {255, 0, 0, 200, 0, 255, 0, 100, 0, 0, 255, 50, 9, 8, 7, 7};

// Whole 32-bit runs of 128 black pixels.
Pixels blackRuns(std::size_t count)
{
    Pixels bytes;
    for (std::size_t run = 0; run < count; ++run)
        bytes.insert(bytes.end(), {0xFF, 0, 0, 0, 0});
    return bytes;
}

}

TEST(TgaImage, DecodesEveryKindWeReadIntoRowsFromTheTopDown)
{
    // What each file decodes to: width, height, bits per pixel and pixels.
    const std::tuple<const char*, TgaBytes, int, int, int, Pixels> cases[] = {
        {"32 bits, bottom row first", TgaBytes::header(2, 2, 2, 32).add(storedBottom).add(storedTop), 2, 2, 32,
         decodedTwoByTwo},
        {"32 bits, top row first", TgaBytes::header(2, 2, 2, 32, topRowFirst).add(storedTop).add(storedBottom), 2, 2,
         32, decodedTwoByTwo},
        {"24 bits gain an opaque alpha", TgaBytes::header(2, 2, 1, 24, topRowFirst).add({1, 2, 3, 4, 5, 6}), 2, 1, 32,
         {3, 2, 1, 255, 6, 5, 4, 255}},
        {"8 bits stored as true colour", TgaBytes::header(2, 2, 2, 8).add({10, 20, 30, 40}), 2, 2, 8,
         {30, 40, 10, 20}},
        {"8 bits stored as greyscale", TgaBytes::header(3, 2, 2, 8).add({10, 20, 30, 40}), 2, 2, 8, {30, 40, 10, 20}},
        // 0x83: one pixel stored for four; 0x02: three pixels stored in turn.
        {"run and raw packets",
         TgaBytes::header(10, 7, 1, 32, topRowFirst)
             .add({0x83, 1, 2, 3, 4, 0x02, 10, 11, 12, 13, 20, 21, 22, 23, 30, 31, 32, 33}),
         7, 1, 32, {3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 12, 11, 10, 13, 22, 21, 20, 23, 32, 31, 30, 33}},
        {"a 24-bit run, then a footer", TgaBytes::header(10, 3, 1, 24, topRowFirst).add({0x82, 1, 2, 3}).add(Pixels(26, 7)),
         3, 1, 32, {3, 2, 1, 255, 3, 2, 1, 255, 3, 2, 1, 255}},
        {"run-length rows bottom first", TgaBytes::header(10, 1, 2, 24).add({0x00, 1, 1, 1, 0x00, 2, 2, 2}), 1, 2, 32,
         {2, 2, 2, 255, 1, 1, 1, 255}},
        {"an ID field and a colour map before the pixels",
         TgaBytes::header(2, 1, 1, 24, topRowFirst, 3, 1, 2, 24).add({'i', 'd', '!'}).add(Pixels(6, 0xEE)).add({1, 2, 3}),
         1, 1, 32, {3, 2, 1, 255}},
    };
    for (const auto& [what, file, width, height, bitsPerPixel, pixels] : cases) {
        TgaImage image;
        EXPECT_TRUE(image.load(writeTempFile("decoded.tga", file.bytes).c_str())) << what;
        EXPECT_EQ(std::tie(image.width, image.height, image.bitsPerPixel, image.pixels),
                  std::tie(width, height, bitsPerPixel, pixels))
            << what;
    }
}

// Each is refused by what load returns, so an overrun fails in every build, not
// only where the address sanitizer watches.
TEST(TgaImage, RefusesMalformedFilesWithoutReadingOrWritingPastABuffer)
{
    const std::pair<const char*, TgaBytes> cases[] = {
        {"empty", TgaBytes{}},
        {"a short header", TgaBytes{Pixels(10, 0)}},
        {"colour-mapped", TgaBytes::header(1, 1, 1, 8).add({0})},
        {"16 bits", TgaBytes::header(2, 1, 1, 16).add({0, 0})},
        {"no width", TgaBytes::header(2, 0, 4, 24)},
        {"no height", TgaBytes::header(2, 4, 0, 24)},
        {"a negative width", TgaBytes::header(2, -5, 4, 24).add(Pixels(60, 0))},
        {"absurdly large", TgaBytes::header(2, 32767, 32767, 32)},
        {"a whole picture a row too large", TgaBytes::header(10, 4096, 4097, 32).add(blackRuns(4096 * 4097 / 128))},
        {"truncated pixels", TgaBytes::header(2, 2, 2, 24).add(Pixels(11, 1))},
        {"an ID field past the end", TgaBytes::header(2, 1, 1, 24, 0, 200).add({1, 2, 3})},
        {"run-length grey", TgaBytes::header(10, 4, 1, 8).add({0x83, 9})},
        {"a run one pixel longer than the picture", TgaBytes::header(10, 2, 1, 32).add({0x82, 1, 2, 3, 4})},
        {"a raw packet one pixel longer than the picture",
         TgaBytes::header(10, 2, 1, 24).add({0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9})},
        {"a raw packet that fits but whose pixels run past the end", TgaBytes::header(10, 4, 1, 24).add({0x03, 1, 2, 3})},
        {"a run whose pixel runs past the end", TgaBytes::header(10, 4, 1, 32).add({0x83, 1, 2})},
        {"packets missing", TgaBytes::header(10, 4, 1, 24).add({0x81, 1, 2, 3})},
        {"more bytes than its header can need", TgaBytes::header(2, 1, 1, 24).add({1, 2, 3}).add(Pixels(70000, 0))},
    };
    for (const auto& [what, file] : cases) {
        TgaImage image;
        EXPECT_FALSE(image.load(writeTempFile("refused.tga", file.bytes).c_str())) << what;
        EXPECT_TRUE(image.pixels.empty()) << what;
    }
}

TEST(TgaImage, ASecondLoadKeepsThePixelsWithoutReadingTheFileUntilReleased)
{
    std::string path = writeTempFile("once.tga", TgaBytes::header(2, 2, 2, 32).add(storedBottom).add(storedTop).bytes);
    TgaImage image;
    ASSERT_TRUE(image.load(path.c_str()));
    std::remove(path.c_str());
    EXPECT_TRUE(image.load(path.c_str()));
    EXPECT_EQ(image.pixels, decodedTwoByTwo);
    image.release();
    EXPECT_FALSE(image.load(path.c_str())) << "released, and the file is gone";
}
