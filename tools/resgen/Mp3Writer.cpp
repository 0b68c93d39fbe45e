#include "Mp3Writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr int bitsPerSample = 16;
constexpr float fullScale = 32767;

void putLittleEndian(std::ofstream& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

void writeWav(const Sound& sound, const std::filesystem::path& file)
{
    std::uint32_t blockAlign = sound.channels() * bitsPerSample / 8;
    std::uint32_t dataBytes = static_cast<std::uint32_t>(sound.frames()) * blockAlign;
    std::ofstream out(file, std::ios::binary);
    out.write("RIFF", 4);
    putLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLittleEndian(out, 16, 4);
    putLittleEndian(out, 1, 2); // plain PCM
    putLittleEndian(out, sound.channels(), 2);
    putLittleEndian(out, sampleRate, 4);
    putLittleEndian(out, sampleRate * blockAlign, 4);
    putLittleEndian(out, blockAlign, 2);
    putLittleEndian(out, bitsPerSample, 2);
    out.write("data", 4);
    putLittleEndian(out, dataBytes, 4);
    for (std::size_t frame = 0; frame < sound.frames(); ++frame) {
        for (int channel = 0; channel < sound.channels(); ++channel) {
            float sample = std::clamp(sound.at(frame, channel), -1.0f, 1.0f);
            auto value = static_cast<std::int16_t>(std::lround(sample * fullScale));
            putLittleEndian(out, static_cast<std::uint16_t>(value), 2);
        }
    }
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

// A scratch file for the encoder's input, unique to this run of the generator.
std::filesystem::path scratchWav()
{
    return std::filesystem::temp_directory_path() / ("vorlund-resgen-" + std::to_string(getpid()) + ".wav");
}

}

void writeMp3(const Sound& sound, int kilobitsPerSecond, const std::string& fileName)
{
    std::filesystem::path wav = scratchWav();
    writeWav(sound, wav);
    // Constant bit rate, best quality search, no ReplayGain scan: the same input
    // always gives the same bytes.
    std::string mode = sound.channels() == 1 ? "-m m" : "-m j";
    std::string command = "lame --quiet --noreplaygain -q 2 --cbr -b " + std::to_string(kilobitsPerSecond) + " " +
                          mode + " '" + wav.string() + "' '" + fileName + "'";
    int status = std::system(command.c_str());
    std::filesystem::remove(wav);
    if (status != 0)
        throw std::runtime_error("lame failed to encode " + fileName);
}
