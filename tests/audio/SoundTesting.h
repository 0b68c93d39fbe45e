#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A mono 16-bit WAV at the mix rate holding one constant level, written to the
// test folder, so that the mixed output can be searched for exact sums.
std::string levelWavFile(const std::string& name, std::int16_t level, int milliseconds);
int framesIn(int milliseconds);

// Opens the game's mixer, one channel per sound, on SDL's "disk" driver: a
// device that mixes as a sound card plays, in real time, or when told not to
// wait, as fast as it can.
void openMixerOnDisk(bool realTime);

// The stereo frames, interleaved, mixed from just before start is called until
// at least the given number of frames.
std::vector<std::int16_t> heardWhile(const std::function<void()>& start, std::size_t frames);

// The most frames the mixer has mixed at once: a sound asked for waits for
// the next buffer.
std::size_t largestMixBufferFrames();

// Everything the mixer has told on stderr in this program, what the action
// makes it tell included. It tells once a process, so a test must not count
// on being the first to make it.
const std::string& toldSoFar(const std::function<void()>& action);
