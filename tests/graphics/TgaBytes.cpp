#include "tests/graphics/TgaBytes.h"

TgaBytes TgaBytes::header(std::uint8_t imageType, std::int16_t width, std::int16_t height, std::uint8_t depth,
                          std::uint8_t descriptor, std::uint8_t idLength, std::uint8_t colourMapType,
                          std::uint16_t colourMapLength, std::uint8_t colourMapEntrySize)
{
    auto low = [](int word) { return static_cast<std::uint8_t>(word & 0xFF); };
    auto high = [](int word) { return static_cast<std::uint8_t>((word >> 8) & 0xFF); };
    // ID length, colour map type, image type, colour map first entry, length and
    // entry size, x and y origin, width, height, depth, descriptor.
    return TgaBytes{{idLength, colourMapType, imageType, 0, 0, low(colourMapLength), high(colourMapLength),
                     colourMapEntrySize, 0, 0, 0, 0, low(width), high(width), low(height), high(height), depth,
                     descriptor}};
}

TgaBytes& TgaBytes::add(const std::vector<std::uint8_t>& more)
{
    bytes.insert(bytes.end(), more.begin(), more.end());
    return *this;
}
