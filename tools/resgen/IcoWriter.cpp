#include "IcoWriter.h"

#include "PngWriter.h"

#include <fstream>
#include <stdexcept>

namespace {

constexpr int headerBytes = 6;
constexpr int entryBytes = 16;
constexpr int iconType = 1;
constexpr int planes = 1;
constexpr int bitsPerPixel = 32;

void put16(std::string& bytes, unsigned value)
{
    bytes += static_cast<char>(value & 0xff);
    bytes += static_cast<char>(value >> 8 & 0xff);
}

void put32(std::string& bytes, unsigned value)
{
    put16(bytes, value & 0xffff);
    put16(bytes, value >> 16);
}

}

void writeIco(const Canvas& picture, const std::vector<int>& sizes, const std::string& fileName)
{
    std::string header, images;
    put16(header, 0);
    put16(header, iconType);
    put16(header, static_cast<unsigned>(sizes.size()));
    unsigned offset = headerBytes + entryBytes * static_cast<unsigned>(sizes.size());
    for (int size : sizes) {
        std::vector<unsigned char> png = pngBytes(size == picture.width() ? picture : shrunk(picture, size, size));
        // A width and height of 0 stand for 256, which a byte cannot hold.
        header += static_cast<char>(size & 0xff);
        header += static_cast<char>(size & 0xff);
        header += std::string(2, '\0'); // no palette, reserved
        put16(header, planes);
        put16(header, bitsPerPixel);
        put32(header, static_cast<unsigned>(png.size()));
        put32(header, offset + static_cast<unsigned>(images.size()));
        images.append(png.begin(), png.end());
    }
    std::ofstream file(fileName, std::ios::binary);
    file << header << images;
    if (!file.flush())
        throw std::runtime_error("cannot write " + fileName);
}
