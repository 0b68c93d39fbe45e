#include "audio/SoundMixer.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <cstdio>

namespace {

// 512 frames at 44.1 kHz is under 12 ms: a squeak follows the click at once,
// and the buffer is still large enough not to stutter on a busy machine.
constexpr int mixBufferFrames = 512;
constexpr int outputChannels = 2;
constexpr int loopForever = -1;
constexpr int playOnce = 0;

// Handle n names element n - 1 of a table, so that 0 never names anything.
template <typename T>
SoundHandle handleFor(std::vector<T*>& table, T* item)
{
    table.push_back(item);
    return static_cast<SoundHandle>(table.size());
}

template <typename T>
T* lookUp(const std::vector<T*>& table, SoundHandle handle)
{
    if (handle == noSound || handle > table.size())
        return nullptr;
    return table[handle - 1];
}

}

SoundMixer& SoundMixer::instance()
{
    static SoundMixer* mixer = new SoundMixer();
    return *mixer;
}

bool SoundMixer::init(int mixRate, int channelCount)
{
    if (initialised_)
        return on_;
    initialised_ = true;
    // SDL would otherwise turn SIGINT and SIGTERM into quit events that the
    // game never reads, and the game could no longer be stopped that way.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        reportOnce("no audio device", nullptr);
        return false;
    }
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, outputChannels, mixBufferFrames) != 0) {
        reportOnce("the audio device would not open", nullptr);
        return false;
    }
    channelCount_ = Mix_AllocateChannels(channelCount);
    on_ = true;
    return true;
}

SoundHandle SoundMixer::loadSample(const char* fileName)
{
    if (!on_ || fileName == nullptr)
        return noSound;
    Mix_Chunk* chunk = Mix_LoadWAV(fileName);
    if (chunk == nullptr) {
        reportOnce("cannot load", fileName);
        return noSound;
    }
    return handleFor(samples_, chunk);
}

SoundHandle SoundMixer::openLoopingStream(const char* fileName)
{
    if (!on_ || fileName == nullptr)
        return noSound;
    // Recognised by its bytes, like the samples, rather than by its name.
    Mix_Music* music = Mix_LoadMUS_RW(SDL_RWFromFile(fileName, "rb"), SDL_TRUE);
    if (music == nullptr) {
        reportOnce("cannot load", fileName);
        return noSound;
    }
    return handleFor(streams_, music);
}

void SoundMixer::playSample(int channel, SoundHandle sample)
{
    Mix_Chunk* chunk = lookUp(samples_, sample);
    if (chunk != nullptr && isChannel(channel))
        Mix_PlayChannel(channel, chunk, playOnce);
}

void SoundMixer::playStream(int channel, SoundHandle stream)
{
    Mix_Music* music = lookUp(streams_, stream);
    if (music != nullptr && isChannel(channel))
        Mix_PlayMusic(music, loopForever);
}

void SoundMixer::reportOnce(const char* what, const char* fileName)
{
    if (reported_)
        return;
    reported_ = true;
    if (fileName == nullptr)
        std::fprintf(stderr, "Vorlund!: sound is off: %s (%s)\n", what, SDL_GetError());
    else
        std::fprintf(stderr, "Vorlund!: some sounds are off: %s %s (%s)\n", what, fileName, Mix_GetError());
}
