#include "DecodedSound.h"

#include "res/ResourceFiles.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double fullScale = 32768;
constexpr int outputChannels = 2;
constexpr int mixBufferFrames = 512;

int loudestOfFrame(const DecodedSound& sound, std::size_t frame)
{
    int loudest = 0;
    for (int channel = 0; channel < sound.channels; ++channel)
        loudest = std::max(loudest, std::abs(static_cast<int>(sound.samples[frame * sound.channels + channel])));
    return loudest;
}

}

double decibels(int level)
{
    return 20 * std::log10(std::max(level, 1) / fullScale);
}

double DecodedSound::peakDecibels() const
{
    int loudest = 0;
    for (std::int16_t sample : samples)
        loudest = std::max(loudest, std::abs(static_cast<int>(sample)));
    return decibels(loudest);
}

int DecodedSound::startLevel() const
{
    return frames() ? loudestOfFrame(*this, 0) : 0;
}

int DecodedSound::endLevel() const
{
    return frames() ? loudestOfFrame(*this, frames() - 1) : 0;
}

bool openMixerForDecoding()
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_AUDIO) != 0)
        return false;
    Mix_Init(MIX_INIT_MP3);
    return Mix_OpenAudio(res::mixRate, AUDIO_S16SYS, outputChannels, mixBufferFrames) == 0;
}

DecodedSound decodeWithMixer(const std::string& fileName)
{
    DecodedSound sound;
    Uint16 format = 0;
    if (Mix_QuerySpec(&sound.rate, &format, &sound.channels) == 0 || format != AUDIO_S16SYS)
        return sound;
    Mix_Chunk* chunk = Mix_LoadWAV(fileName.c_str());
    if (chunk == nullptr)
        return sound;
    const auto* samples = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    sound.samples.assign(samples, samples + chunk->alen / sizeof(std::int16_t));
    Mix_FreeChunk(chunk);
    return sound;
}
