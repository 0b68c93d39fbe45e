#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A TGA file byte by byte, so tests can say exactly what a file holds, malformed
// ones included: the 18-byte header, then the bytes after it. An ID field or a
// colour map of 24-bit entries is only announced; the bytes after hold them.
inline Bytes tgaFile(std::uint8_t type, int width, int height, std::uint8_t depth, const Bytes& after = {},
                     std::uint8_t descriptor = 0, std::uint8_t idLength = 0, std::uint8_t mapEntries = 0)
{
    auto low = [](int word) { return static_cast<std::uint8_t>(word); };
    auto high = [](int word) { return static_cast<std::uint8_t>(word >> 8); };
    std::uint8_t mapped = mapEntries > 0;
    // ID length, colour map type, image type, the map's first entry, length and
    // entry size, x and y origin, width, height, depth, descriptor.
    Bytes file{idLength, mapped, type, 0, 0, mapEntries, 0, static_cast<std::uint8_t>(mapped * 24), 0, 0, 0, 0,
               low(width), high(width), low(height), high(height), depth, descriptor};
    file.insert(file.end(), after.begin(), after.end());
    return file;
}

// Run-length packets of that many black 32-bit pixels, up to 128 a packet.
inline Bytes blackRuns(std::size_t pixels)
{
    constexpr std::size_t longestRun = 128;
    Bytes runs;
    while (pixels > 0) {
        std::size_t run = std::min(pixels, longestRun);
        runs.insert(runs.end(), {static_cast<std::uint8_t>(0x80 | (run - 1)), 0, 0, 0, 0});
        pixels -= run;
    }
    return runs;
}
