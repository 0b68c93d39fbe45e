#include "tests/audio/SoundFiles.h"

#include "audio/SoundBank.h"

#include <fstream>

namespace {

constexpr std::uint32_t sampleRate = 44100;
constexpr std::uint16_t bitsPerSample = 16;
constexpr std::uint16_t bytesPerFrame = bitsPerSample / 8;
constexpr std::uint32_t fmtChunkSize = 16;
constexpr std::uint16_t pcmFormat = 1;
constexpr std::uint32_t headerBytesAfterRiffSize = 36;
constexpr int bankFileFrames = 2205; // 50 ms

void put16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

void putTag(std::vector<std::uint8_t>& out, const char* tag)
{
    out.insert(out.end(), tag, tag + 4);
}

}

std::vector<std::uint8_t> levelWav(std::int16_t level, int frames)
{
    std::uint32_t dataBytes = static_cast<std::uint32_t>(frames) * bytesPerFrame;
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    put32(out, headerBytesAfterRiffSize + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, fmtChunkSize);
    put16(out, pcmFormat);
    put16(out, 1);
    put32(out, sampleRate);
    put32(out, sampleRate * bytesPerFrame);
    put16(out, bytesPerFrame);
    put16(out, bitsPerSample);
    putTag(out, "data");
    put32(out, dataBytes);
    for (int i = 0; i < frames; ++i)
        put16(out, static_cast<std::uint16_t>(level));
    return out;
}

int framesIn(int milliseconds)
{
    return static_cast<int>(sampleRate) * milliseconds / 1000;
}

void writeSoundBankFiles(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder / "res" / "audio");
    std::vector<std::uint8_t> wav = levelWav(1000, bankFileFrames);
    for (int index = 0; index < soundCount; ++index) {
        std::ofstream out(folder / soundFileName(index), std::ios::binary);
        out.write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
    }
}

WorkingFolder::WorkingFolder(const std::filesystem::path& folder) : previous_(std::filesystem::current_path())
{
    std::filesystem::current_path(folder);
}

WorkingFolder::~WorkingFolder()
{
    std::filesystem::current_path(previous_);
}
