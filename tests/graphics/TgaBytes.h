#pragma once

#include <cstdint>
#include <vector>

// Builds TGA files byte by byte, so tests can say exactly what a file holds,
// malformed ones included.
struct TgaBytes {
    std::vector<std::uint8_t> bytes;

    // An 18-byte header; the ID field, colour map and pixels are appended after.
    static TgaBytes header(std::uint8_t imageType, std::int16_t width, std::int16_t height, std::uint8_t depth,
                           std::uint8_t descriptor = 0, std::uint8_t idLength = 0, std::uint8_t colourMapType = 0,
                           std::uint16_t colourMapLength = 0, std::uint8_t colourMapEntrySize = 0);

    TgaBytes& add(const std::vector<std::uint8_t>& more);
};
