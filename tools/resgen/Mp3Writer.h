#pragma once

#include "Sound.h"

#include <string>

// Encodes the sound to MP3 with the LAME encoder (the `lame` program), at the
// given bit rate in kbit/s. LAME records its encoder delay and padding in the
// file, so decoders that honour it (mpg123, which the game's mixer uses) give
// back exactly the frames that went in, and a loop stays gapless.
// Throws when the encoder is missing or fails.
void writeMp3(const Sound& sound, int kilobitsPerSecond, const std::string& fileName);
