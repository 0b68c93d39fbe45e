#include "graphics/TgaImage.h"
#include "tests/graphics/TgaBytes.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using Pixels = std::vector<std::uint8_t>;

// A 2x2 picture, top row red then green, bottom row blue then white-ish with
// alpha 7, as R, G, B, A from the top row down.
const Pixels twoByTwo = {255, 0, 0, 200, 0, 255, 0, 100, 0, 0, 255, 50, 9, 8, 7, 7};

// The same picture stored as 32-bit B, G, R, A rows: top row first or bottom row first.
TgaBytes storedTwoByTwo(bool topRowFirst)
{
    TgaBytes file = TgaBytes::header(2, 2, 2, 32, topRowFirst ? 0x20 : 0x00);
    TgaBytes top = TgaBytes{}.add({0, 0, 255, 200, 0, 255, 0, 100});
    TgaBytes bottom = TgaBytes{}.add({255, 0, 0, 50, 7, 8, 9, 7});
    for (const TgaBytes& row : topRowFirst ? std::vector<TgaBytes>{top, bottom} : std::vector<TgaBytes>{bottom, top})
        file.bytes.insert(file.bytes.end(), row.bytes.begin(), row.bytes.end());
    return file;
}

TgaImage decode(const std::string& name, const TgaBytes& file)
{
    TgaImage image;
    EXPECT_TRUE(image.load(writeTempFile(name, file.bytes).c_str())) << name;
    return image;
}

bool refuses(const std::string& name, const TgaBytes& file)
{
    TgaImage image;
    bool loaded = image.load(writeTempFile(name, file.bytes).c_str());
    return !loaded && image.pixels.empty();
}

}

TEST(TgaImage, DecodesTrueColourToTopDownRgbaWhateverTheStoredRowOrder)
{
    TgaImage bottomUp = decode("bottom-up.tga", storedTwoByTwo(false));
    TgaImage topDown = decode("top-down.tga", storedTwoByTwo(true));
    EXPECT_EQ(bottomUp.pixels, twoByTwo);
    EXPECT_EQ(topDown.pixels, twoByTwo);
    EXPECT_EQ(topDown.width, 2);
    EXPECT_EQ(topDown.height, 2);
    EXPECT_EQ(topDown.bitsPerPixel, 32);

    // 24-bit pixels become opaque 32-bit ones.
    TgaImage rgb = decode("rgb.tga", TgaBytes::header(2, 2, 1, 24, 0x20).add({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(rgb.bitsPerPixel, 32);
    EXPECT_EQ(rgb.pixels, (Pixels{3, 2, 1, 255, 6, 5, 4, 255}));
}

TEST(TgaImage, DecodesEightBitPicturesByteForByteWhicheverUncompressedType)
{
    for (std::uint8_t type : {2, 3}) {
        TgaImage grey = decode("grey" + std::to_string(type) + ".tga",
                               TgaBytes::header(type, 2, 2, 8).add({10, 20, 30, 40}));
        EXPECT_EQ(grey.bitsPerPixel, 8);
        EXPECT_EQ(grey.pixels, (Pixels{30, 40, 10, 20})) << "type " << int(type);
    }
}

TEST(TgaImage, DecodesRunLengthPacketsAndRawPackets)
{
    // 0x83: one pixel stored four times; 0x02: three pixels stored in turn.
    TgaBytes file = TgaBytes::header(10, 7, 1, 32, 0x20)
                        .add({0x83, 1, 2, 3, 4})
                        .add({0x02, 10, 11, 12, 13, 20, 21, 22, 23, 30, 31, 32, 33});
    TgaImage image = decode("runs.tga", file);
    Pixels expected = {3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 12, 11, 10, 13, 22, 21, 20, 23, 32, 31, 30, 33};
    EXPECT_EQ(image.pixels, expected);

    TgaImage rgb = decode("runs24.tga", TgaBytes::header(10, 3, 1, 24, 0x20).add({0x82, 1, 2, 3}));
    EXPECT_EQ(rgb.pixels, (Pixels{3, 2, 1, 255, 3, 2, 1, 255, 3, 2, 1, 255}));

    // Bottom-up run-length rows are turned the right way up too.
    TgaImage flipped = decode("runs-up.tga", TgaBytes::header(10, 1, 2, 24).add({0x00, 1, 1, 1, 0x00, 2, 2, 2}));
    EXPECT_EQ(flipped.pixels, (Pixels{2, 2, 2, 255, 1, 1, 1, 255}));
}

TEST(TgaImage, SkipsTheIdFieldAndColourMapBeforeThePixels)
{
    TgaBytes file = TgaBytes::header(2, 1, 1, 24, 0x20, 3, 1, 2, 24).add({'i', 'd', '!'}).repeat(0xEE, 6).add({1, 2, 3});
    EXPECT_EQ(decode("with-id.tga", file).pixels, (Pixels{3, 2, 1, 255}));
}

TEST(TgaImage, RefusesMalformedFilesWithoutReadingOrWritingPastABuffer)
{
    EXPECT_TRUE(refuses("empty.tga", TgaBytes{}));
    EXPECT_TRUE(refuses("short-header.tga", TgaBytes{}.repeat(0, 10)));
    EXPECT_TRUE(refuses("colour-mapped.tga", TgaBytes::header(1, 1, 1, 8).add({0})));
    EXPECT_TRUE(refuses("sixteen-bit.tga", TgaBytes::header(2, 1, 1, 16).add({0, 0})));
    EXPECT_TRUE(refuses("zero-width.tga", TgaBytes::header(2, 0, 4, 24)));
    EXPECT_TRUE(refuses("zero-height.tga", TgaBytes::header(2, 4, 0, 24)));
    EXPECT_TRUE(refuses("negative-width.tga", TgaBytes::header(2, -5, 4, 24).repeat(0, 60)));
    EXPECT_TRUE(refuses("absurd.tga", TgaBytes::header(2, 32767, 32767, 32)));
    EXPECT_TRUE(refuses("just-too-large.tga", TgaBytes::header(10, 4097, 4097, 32).add({0xFF, 0, 0, 0, 0})));
    EXPECT_TRUE(refuses("truncated.tga", TgaBytes::header(2, 2, 2, 24).repeat(1, 11)));
    EXPECT_TRUE(refuses("id-past-end.tga", TgaBytes::header(2, 1, 1, 24, 0, 200).add({1, 2, 3})));
    EXPECT_TRUE(refuses("run-past-end.tga", TgaBytes::header(10, 2, 1, 32).add({0x83, 1, 2, 3, 4})));
    EXPECT_TRUE(refuses("raw-past-end.tga", TgaBytes::header(10, 2, 1, 24).add({0x05}).repeat(7, 18)));
    EXPECT_TRUE(refuses("run-missing-pixel.tga", TgaBytes::header(10, 4, 1, 32).add({0x83, 1, 2})));
    EXPECT_TRUE(refuses("packets-missing.tga", TgaBytes::header(10, 4, 1, 24).add({0x81, 1, 2, 3})));
    EXPECT_TRUE(refuses("run-length-grey.tga", TgaBytes::header(10, 4, 1, 8).add({0x83, 9})));

    TgaImage missing;
    EXPECT_FALSE(missing.load(tempPath("no-such-file.tga").c_str()));
}

TEST(TgaImage, ASecondLoadKeepsThePixelsWithoutReadingTheFile)
{
    std::string path = writeTempFile("once.tga", storedTwoByTwo(true).bytes);
    TgaImage image;
    ASSERT_TRUE(image.load(path.c_str()));
    std::remove(path.c_str());
    EXPECT_TRUE(image.load(path.c_str()));
    EXPECT_EQ(image.pixels, twoByTwo);

    image.release();
    EXPECT_TRUE(image.pixels.empty());
    image.release();
    EXPECT_FALSE(image.load(path.c_str()));
}
