#include "IcoWriter.h"

#include "PngWriter.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace {

constexpr int headerBytes = 6;
constexpr int entryBytes = 16;
constexpr int iconType = 1;
constexpr int planes = 1;
constexpr int bitsPerPixel = 32;

// How much of source pixel i lies within the span [from, to).
float overlap(int i, float from, float to)
{
    return std::max(0.0f, std::min<float>(i + 1, to) - std::max<float>(i, from));
}

// The picture averaged down to size by size, each pixel the area it covers,
// weighted by alpha so transparent pixels lend no colour to the edges.
Canvas shrunk(const Canvas& picture, int size)
{
    float scale = static_cast<float>(picture.width()) / size;
    Canvas result(size, size, picture.at(0, 0).withAlpha(0));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float r = 0, g = 0, b = 0, a = 0, area = 0;
            for (int sy = static_cast<int>(y * scale); sy < std::min<float>((y + 1) * scale, picture.height()); ++sy)
                for (int sx = static_cast<int>(x * scale); sx < std::min<float>((x + 1) * scale, picture.width());
                     ++sx) {
                    float weight = overlap(sx, x * scale, (x + 1) * scale) * overlap(sy, y * scale, (y + 1) * scale);
                    Colour c = picture.at(sx, sy);
                    r += c.r * c.a * weight;
                    g += c.g * c.a * weight;
                    b += c.b * c.a * weight;
                    a += c.a * weight;
                    area += weight;
                }
            if (a > 0)
                result.blend(x, y, Colour{r / a, g / a, b / a, a / area}, 1);
        }
    }
    return result;
}

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
        std::vector<unsigned char> png = pngBytes(size == picture.width() ? picture : shrunk(picture, size));
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
