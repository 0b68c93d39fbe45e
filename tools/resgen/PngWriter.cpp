#include "PngWriter.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr int bitDepth = 8;
constexpr int bytesPerPixel = 4;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// libpng reports a failure through its error handler, which must not return.
[[noreturn]] void failed(png_structp, png_const_charp message)
{
    throw std::runtime_error(message);
}

}

void writePng(const Canvas& canvas, const std::string& fileName)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "wb"));
    if (!file)
        throw std::runtime_error("cannot write " + fileName);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failed, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<unsigned char> pixels = canvas.rgbaBytes();
    std::vector<png_bytep> rows(static_cast<std::size_t>(canvas.height()));
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row] = pixels.data() + row * static_cast<std::size_t>(canvas.width()) * bytesPerPixel;
    try {
        png_init_io(png, file.get());
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
}
