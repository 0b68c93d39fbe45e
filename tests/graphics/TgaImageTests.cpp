#include "graphics/TgaImage.h"
#include "tests/graphics/TgaFile.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <tuple>

// A 2x2 picture stored as B, G, R, A either row first, and as it decodes: R,
// G, B, A from the top row down, red and green over blue and grey.
TEST(TgaImage, DecodesEveryKindWeReadIntoRowsFromTheTopDown)
{
    const Bytes topDown = {0, 0, 255, 200, 0, 255, 0, 100, 255, 0, 0, 50, 7, 8, 9, 7};
    const Bytes bottomUp = {255, 0, 0, 50, 7, 8, 9, 7, 0, 0, 255, 200, 0, 255, 0, 100};
    const Bytes twoByTwo = {255, 0, 0, 200, 0, 255, 0, 100, 0, 0, 255, 50, 9, 8, 7, 7};
    // What each file decodes to: width, height, bits per pixel and pixels.
    const std::tuple<const char*, Bytes, int, int, int, Bytes> cases[] = {
        {"32 bits, bottom row first", tgaFile(2, 2, 2, 32, bottomUp), 2, 2, 32, twoByTwo},
        {"32 bits, top row first", tgaFile(2, 2, 2, 32, topDown, 0x20), 2, 2, 32, twoByTwo},
        {"24 bits gain an opaque alpha", tgaFile(2, 2, 1, 24, {1, 2, 3, 4, 5, 6}), 2, 1, 32,
         {3, 2, 1, 255, 6, 5, 4, 255}},
        {"8-bit greyscale", tgaFile(3, 2, 2, 8, {10, 20, 30, 40}), 2, 2, 8, {30, 40, 10, 20}},
        // 0x83: one pixel stored for four; 0x02: three pixels stored in turn.
        {"run and raw packets",
         tgaFile(10, 7, 1, 32, {0x83, 1, 2, 3, 4, 0x02, 10, 11, 12, 13, 20, 21, 22, 23, 30, 31, 32, 33}), 7, 1, 32,
         {3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 12, 11, 10, 13, 22, 21, 20, 23, 32, 31, 30, 33}},
        {"a 24-bit run, then a footer", tgaFile(10, 3, 1, 24, {0x82, 1, 2, 3, 'T', 'R', 'U', 'E', 'V', 'I', 'S', 0}),
         3, 1, 32, {3, 2, 1, 255, 3, 2, 1, 255, 3, 2, 1, 255}},
        {"an ID field and a colour map before the pixels",
         tgaFile(2, 1, 1, 24, {'i', 'd', '!', 9, 9, 9, 9, 9, 9, 1, 2, 3}, 0, 3, 2), 1, 1, 32, {3, 2, 1, 255}},
    };
    for (const auto& [what, file, width, height, bitsPerPixel, pixels] : cases) {
        TgaImage image;
        EXPECT_TRUE(image.load(writeTempFile("decoded.tga", file).c_str())) << what;
        EXPECT_EQ(std::tie(image.width, image.height, image.bitsPerPixel, image.pixels),
                  std::tie(width, height, bitsPerPixel, pixels))
            << what;
        EXPECT_TRUE(image.load("")) << what << ": a decoded picture is held until released";
    }
}

// Refused by what load returns, so an overrun fails in every build, not only
// under the address sanitizer; the largest picture we take is 4096 pixels square.
// Each refusal says why, and anything but a regular file is refused unopened.
TEST(TgaImage, RefusesMalformedFilesAndSpecialFilesWithoutReadingOrWritingPastABufferSayingWhy)
{
    Bytes largest = tgaFile(10, 4096, 4096, 32, blackRuns(4096 * 4096));
    EXPECT_TRUE(TgaImage().load(writeTempFile("largest.tga", largest).c_str())) << "the largest picture we take";
    const std::tuple<const char*, Bytes, const char*> cases[] = {
        {"a header a byte short", Bytes(17, 0), "truncated: shorter than a TGA header"},
        {"colour-mapped", tgaFile(1, 1, 1, 8, {0}), "not a TGA picture we read (type 1, 8 bits a pixel)"},
        {"16 bits", tgaFile(2, 1, 1, 16, {0, 0}), "not a TGA picture we read (type 2, 16 bits a pixel)"},
        {"no width", tgaFile(2, 0, 4, 24), "a TGA picture without pixels (0 by 4)"},
        {"no height", tgaFile(2, 4, 0, 24), "a TGA picture without pixels (4 by 0)"},
        {"a whole picture a row larger than we take", tgaFile(10, 4096, 4097, 32, blackRuns(4096 * 4097)),
         "larger than the 64 MiB of pixels we take (4096 by 4097)"},
        {"truncated pixels", tgaFile(2, 2, 2, 24, Bytes(11, 1)), "truncated"},
        {"an ID field past the end", tgaFile(2, 1, 1, 24, {1, 2, 3}, 0, 200), "truncated"},
        {"run-length grey", tgaFile(10, 4, 1, 8, {0x83, 9}), "not a TGA picture we read (type 10, 8 bits a pixel)"},
        {"a run one pixel longer than the picture", tgaFile(10, 2, 1, 32, {0x82, 1, 2, 3, 4}),
         "a run-length packet runs past the end of the picture"},
        {"a raw packet whose pixels run past the end of the file", tgaFile(10, 4, 1, 24, {0x03, 1, 2, 3}),
         "truncated"},
        {"packets missing", tgaFile(10, 4, 1, 24, {0x81, 1, 2, 3}), "truncated"},
        {"more bytes than its header can need", tgaFile(2, 1, 1, 24, Bytes(3 + 70000, 0)),
         "larger than its header can need (70021 bytes)"},
    };
    for (const auto& [what, file, reason] : cases) {
        TgaImage image;
        EXPECT_FALSE(image.load(writeTempFile("refused.tga", file).c_str())) << what;
        EXPECT_TRUE(image.pixels.empty()) << what;
        EXPECT_EQ(image.problem, reason) << what;
    }
    std::string fifo = tempPath("fifo.tga");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (auto [path, reason] :
         {std::pair{fifo, "a FIFO, not a regular file"}, {tempPath(""), "a folder, not a regular file"},
          {"/dev/zero", "a device, not a regular file"}, {tempPath("missing.tga"), "No such file or directory"}}) {
        TgaImage image;
        EXPECT_FALSE(image.load(path.c_str())) << path;
        EXPECT_EQ(image.problem, reason) << path;
    }
}
