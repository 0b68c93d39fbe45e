#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A TGA picture decoded into memory: uncompressed true-colour or greyscale
// (types 2 and 3) and run-length true-colour (type 10), 8, 24 or 32 bits deep.
// Decoded rows run from the top of the picture down; 24-bit pictures gain an
// opaque alpha, so every decoded pixel is R, G, B, A (or one byte for 8-bit).
struct TgaImage {
    // The header as stored in the file.
    std::uint8_t idLength = 0;
    std::uint8_t colourMapType = 0;
    std::uint8_t imageType = 0;
    std::uint16_t colourMapFirstEntry = 0;
    std::uint16_t colourMapLength = 0;
    std::uint8_t colourMapEntrySize = 0;
    std::uint16_t xOrigin = 0;
    std::uint16_t yOrigin = 0;
    std::int16_t headerWidth = 0;
    std::int16_t headerHeight = 0;
    std::uint8_t pixelDepth = 0;
    std::uint8_t imageDescriptor = 0;

    // The decoded picture; pixels is empty until a load succeeds.
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    std::vector<std::uint8_t> pixels;
    // Why the last load refused the file, in words for the player.
    std::string problem;

    // Decodes the file. True when the picture was decoded, or was already held.
    // A file that is not a picture we read, is truncated or lies about its size
    // is refused without reading or writing past any buffer, and so is anything
    // but a regular file.
    bool load(const char* fileName);

    // Frees the pixels.
    void release();

private:
    bool refuse(std::string reason);
};

// The largest decoded picture we accept; nothing the game ships comes close.
constexpr std::size_t maxTgaPixelBytes = 64u * 1024u * 1024u;
