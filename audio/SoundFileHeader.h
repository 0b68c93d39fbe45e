#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// An ID3 tag or an MPEG audio frame's sync bits at the start of a file.
bool startsLikeMp3(const std::uint8_t* start, std::size_t size);

// What is wrong with a sound effect file, judged by its header before it is
// decoded: not an MP3 or a WAV sound, or larger or shorter than its header
// says (the RIFF size of a WAV; the byte count an MP3's Xing or Info frame
// gives, with room for its ID3 tags). Empty when nothing is.
std::string soundFileProblem(const std::vector<std::uint8_t>& file);
