#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A TGA file byte by byte, malformed ones included: the 18-byte header, then
// the bytes after it. An ID field or a map of 24-bit colours is only announced.
inline Bytes tgaFile(std::uint8_t type, int width, int height, std::uint8_t depth, const Bytes& after = {},
                     std::uint8_t descriptor = 0, std::uint8_t idLength = 0, std::uint8_t mapEntries = 0)
{
    auto low = [](int word) { return static_cast<std::uint8_t>(word); };
    auto high = [](int word) { return static_cast<std::uint8_t>(word >> 8); };
    std::uint8_t mapped = mapEntries > 0;
    Bytes file{idLength, mapped, type, 0, 0, mapEntries, 0, static_cast<std::uint8_t>(mapped * 24), 0, 0, 0, 0,
               low(width), high(width), low(height), high(height), depth, descriptor};
    file.insert(file.end(), after.begin(), after.end());
    return file;
}

// Run-length packets of that many black 32-bit pixels, up to 128 a packet.
inline Bytes blackRuns(std::size_t pixels)
{
    Bytes runs;
    for (std::size_t run = 0; pixels > 0; pixels -= run) {
        run = std::min<std::size_t>(pixels, 128);
        runs.insert(runs.end(), {static_cast<std::uint8_t>(0x80 | (run - 1)), 0, 0, 0, 0});
    }
    return runs;
}
