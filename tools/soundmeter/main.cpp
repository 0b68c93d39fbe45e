// Prints how the game's mixer hears each sound file: its length after
// decoding (encoder delay and padding removed), its peak, and the level of its
// first and last frames, which must be near silence for a click-free start
// and end.
//   vorlund_soundmeter res/audio/*.mp3

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int mixRate = 44100;
constexpr int outputChannels = 2;
constexpr int mixBufferFrames = 512;
constexpr double fullScale = 32768;

double decibels(int level)
{
    return 20 * std::log10(std::max(level, 1) / fullScale);
}

int frameLevel(const Sint16* frame)
{
    return std::max(std::abs(static_cast<int>(frame[0])), std::abs(static_cast<int>(frame[1])));
}

void measure(const char* fileName)
{
    Mix_Chunk* chunk = Mix_LoadWAV(fileName);
    if (chunk == nullptr) {
        std::printf("%s: does not load (%s)\n", fileName, Mix_GetError());
        return;
    }
    const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
    std::size_t count = chunk->alen / sizeof(Sint16);
    std::size_t frames = count / outputChannels;
    int peak = 0;
    for (std::size_t i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    std::printf("%-44s %8zu frames %7.3f s  peak %6.2f dBFS  first frame %6.1f dBFS  last frame %6.1f dBFS\n",
                fileName, frames, static_cast<double>(frames) / mixRate, decibels(peak),
                decibels(frameLevel(samples)), decibels(frameLevel(samples + count - outputChannels)));
    Mix_FreeChunk(chunk);
}

}

int main(int argc, char** argv)
{
    // No sound needs to be heard: SDL's dummy device is enough to decode.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(mixRate, AUDIO_S16SYS, outputChannels, mixBufferFrames) != 0) {
        std::fprintf(stderr, "%s: the mixer does not open: %s\n", argv[0], SDL_GetError());
        return 1;
    }
    Mix_Init(MIX_INIT_MP3);
    for (int i = 1; i < argc; ++i)
        measure(argv[i]);
    Mix_CloseAudio();
    SDL_Quit();
    return 0;
}
