#include "tests/graphics/TgaBytes.h"

namespace {

void putWord(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

}

TgaBytes TgaBytes::header(std::uint8_t imageType, std::int16_t width, std::int16_t height, std::uint8_t depth,
                          std::uint8_t descriptor, std::uint8_t idLength, std::uint8_t colourMapType,
                          std::uint16_t colourMapLength, std::uint8_t colourMapEntrySize)
{
    TgaBytes file;
    auto& out = file.bytes;
    out.push_back(idLength);
    out.push_back(colourMapType);
    out.push_back(imageType);
    putWord(out, 0);
    putWord(out, colourMapLength);
    out.push_back(colourMapEntrySize);
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, static_cast<std::uint16_t>(width));
    putWord(out, static_cast<std::uint16_t>(height));
    out.push_back(depth);
    out.push_back(descriptor);
    return file;
}

TgaBytes& TgaBytes::add(std::initializer_list<std::uint8_t> more)
{
    bytes.insert(bytes.end(), more);
    return *this;
}

TgaBytes& TgaBytes::repeat(std::uint8_t value, std::size_t count)
{
    bytes.insert(bytes.end(), count, value);
    return *this;
}
