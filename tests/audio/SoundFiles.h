#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Tests make their own sounds: a mono 16-bit WAV at 44.1 kHz holding one
// constant level, so that the mixed output can be searched for exact sums.
std::vector<std::uint8_t> levelWav(std::int16_t level, int frames);

// Frames at 44.1 kHz in the given number of milliseconds.
int framesIn(int milliseconds);

// Writes the 30 sound files the bank reads under folder/res/audio/, each a
// short constant-level WAV (the decoder goes by the bytes, not the name).
void writeSoundBankFiles(const std::filesystem::path& folder);

// Switches the working folder for the life of the object, as the game reads
// its sounds relative to it.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& folder);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};
