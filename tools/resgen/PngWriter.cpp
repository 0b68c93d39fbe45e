#include "PngWriter.h"

#include <png.h>

#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr int bitDepth = 8;
constexpr int bytesPerPixel = 4;

// libpng reports a failure through its error handler, which must not return.
[[noreturn]] void failed(png_structp, png_const_charp message)
{
    throw std::runtime_error(message);
}

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* bytes = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + length);
}

// Memory needs no flushing; libpng's default would take the vector for a FILE.
void flushNothing(png_structp)
{
}

}

std::vector<unsigned char> pngBytes(const Canvas& canvas)
{
    std::vector<unsigned char> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failed, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<unsigned char> pixels = canvas.rgbaBytes();
    std::vector<png_bytep> rows(static_cast<std::size_t>(canvas.height()));
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row] = pixels.data() + row * static_cast<std::size_t>(canvas.width()) * bytesPerPixel;
    try {
        png_set_write_fn(png, &bytes, appendBytes, flushNothing);
        png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.width()), static_cast<png_uint_32>(canvas.height()),
                     bitDepth, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_set_rows(png, info, rows.data());
        png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    } catch (...) {
        png_destroy_write_struct(&png, &info);
        throw;
    }
    png_destroy_write_struct(&png, &info);
    return bytes;
}

void writePng(const Canvas& canvas, const std::string& fileName)
{
    std::vector<unsigned char> bytes = pngBytes(canvas);
    std::ofstream file(fileName, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush())
        throw std::runtime_error("cannot write " + fileName);
}
