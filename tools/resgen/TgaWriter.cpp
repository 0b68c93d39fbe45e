#include "TgaWriter.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr std::uint8_t runLengthTrueColour = 10;
constexpr std::uint8_t topLeftOrigin = 0x20;
constexpr std::uint8_t alphaBits = 8;
constexpr int maxPacketPixels = 128;
constexpr std::uint8_t repeatPacket = 0x80;

using Bytes = std::vector<std::uint8_t>;

void putLittleEndian16(Bytes& out, int value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

Bytes header(const Canvas& canvas, int pixelBytes, TgaAlpha alpha)
{
    Bytes out(3, 0);
    out[2] = runLengthTrueColour;
    out.resize(12, 0);
    putLittleEndian16(out, canvas.width());
    putLittleEndian16(out, canvas.height());
    out.push_back(static_cast<std::uint8_t>(pixelBytes * 8));
    out.push_back(topLeftOrigin | (alpha == TgaAlpha::Keep ? alphaBits : 0));
    return out;
}

// Pixels as stored: blue, green, red, then alpha when kept.
std::vector<Bytes> storedPixels(const Canvas& canvas, int pixelBytes)
{
    std::vector<unsigned char> rgba = canvas.rgbaBytes();
    std::vector<Bytes> pixels;
    pixels.reserve(rgba.size() / 4);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        Bytes pixel{rgba[i + 2], rgba[i + 1], rgba[i]};
        if (pixelBytes == 4)
            pixel.push_back(rgba[i + 3]);
        pixels.push_back(pixel);
    }
    return pixels;
}

std::size_t runLength(const std::vector<Bytes>& pixels, std::size_t start, std::size_t rowEnd)
{
    std::size_t end = start + 1;
    while (end < rowEnd && end - start < maxPacketPixels && pixels[end] == pixels[start])
        ++end;
    return end - start;
}

// Repeats of two or more become one run packet; everything else goes into raw
// packets, so the file is never much larger than the uncompressed picture.
// Packets stay within their row, as other TGA readers expect.
void encodeRow(const std::vector<Bytes>& pixels, std::size_t rowStart, std::size_t rowEnd, Bytes& out)
{
    std::size_t i = rowStart;
    while (i < rowEnd) {
        std::size_t run = runLength(pixels, i, rowEnd);
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(repeatPacket | (run - 1)));
            out.insert(out.end(), pixels[i].begin(), pixels[i].end());
            i += run;
            continue;
        }
        std::size_t rawEnd = i + 1;
        while (rawEnd < rowEnd && rawEnd - i < maxPacketPixels && runLength(pixels, rawEnd, rowEnd) < 2)
            ++rawEnd;
        out.push_back(static_cast<std::uint8_t>(rawEnd - i - 1));
        for (; i < rawEnd; ++i)
            out.insert(out.end(), pixels[i].begin(), pixels[i].end());
    }
}

}

void writeTga(const Canvas& canvas, TgaAlpha alpha, const std::string& fileName)
{
    int pixelBytes = alpha == TgaAlpha::Keep ? 4 : 3;
    Bytes out = header(canvas, pixelBytes, alpha);
    std::vector<Bytes> pixels = storedPixels(canvas, pixelBytes);
    std::size_t rowLength = static_cast<std::size_t>(canvas.width());
    for (std::size_t rowStart = 0; rowStart < pixels.size(); rowStart += rowLength)
        encodeRow(pixels, rowStart, rowStart + rowLength, out);
    std::ofstream file(fileName, std::ios::binary);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file)
        throw std::runtime_error("cannot write " + fileName);
}
