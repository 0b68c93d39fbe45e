// Feeds the picture reader any bytes at all, under any name. An input is a file name, a zero byte, then the file's
// contents. Whatever comes in, the reader must refuse or decode it without reading or writing past a buffer, and what
// it decodes must be as large as it says.
#include "graphics/Texture.h"
#include "graphics/TgaImage.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The reader opens files by name, so the contents go to a file in memory.
const std::string& memoryFile()
{
    static const std::string path = "/proc/self/fd/" + std::to_string(memfd_create("picture", 0));
    return path;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto* end = static_cast<const std::uint8_t*>(std::memchr(data, 0, size));
    std::size_t nameLength = end ? static_cast<std::size_t>(end - data) : size;
    std::string name(reinterpret_cast<const char*>(data), nameLength);
    hasTgaExtension(name.c_str());

    std::FILE* file = std::fopen(memoryFile().c_str(), "w");
    std::size_t contentStart = end ? nameLength + 1 : size;
    std::fwrite(data + contentStart, 1, size - contentStart, file);
    std::fclose(file);
    TgaImage image;
    if (image.load(memoryFile().c_str())) {
        std::size_t bytesPerPixel = image.bitsPerPixel == 8 ? 1 : 4;
        if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * bytesPerPixel)
            __builtin_trap();
    }
    return 0;
}
