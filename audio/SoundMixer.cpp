#include "audio/SoundMixer.h"

#include "audio/SoundFileHeader.h"
#include "res/ResourceFiles.h"
#include "resfile/ResourceFile.h"
#include "resfile/UnusableFile.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <cstdio>
#include <string>

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

// SDL's own words for what went wrong, or ours when it has none.
std::string sdlReason(const char* ours)
{
    const char* sdl = SDL_GetError();
    return sdl != nullptr && *sdl != '\0' ? sdl : ours;
}

// Read whole and checked against its header before the mixer decodes it, so
// that a file far larger than a sound effect never reaches the decoder.
Mix_Chunk* decodeSample(const char* fileName, std::string& problem)
{
    ResourceFile file(fileName);
    std::vector<std::uint8_t> bytes;
    if (!file.readAll(bytes, res::largestSoundEffectBytes)) {
        problem = file.problem();
        return nullptr;
    }
    problem = soundFileProblem(bytes);
    if (!problem.empty())
        return nullptr;
    SDL_ClearError();
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), SDL_TRUE);
    if (chunk == nullptr)
        problem = sdlReason("the mixer could not decode it");
    return chunk;
}

// The music is an MP3 and is opened as nothing else: guessed from its bytes, a
// MIDI file would be handed to a player that restarts a song that fails,
// forever, inside the mixing thread, and all sound would stop. It is streamed
// from the open file, so there is no bound on its size, only on its kind.
Mix_Music* openMusic(const char* fileName, std::string& problem)
{
    ResourceFile file(fileName);
    std::uint8_t start[3] = {};
    if (!file.read(start, sizeof start)) {
        problem = file.problem();
        return nullptr;
    }
    if (!startsLikeMp3(start, sizeof start)) {
        problem = "not an MP3 sound";
        return nullptr;
    }
    SDL_ClearError();
    Mix_Music* music = Mix_LoadMUSType_RW(SDL_RWFromFP(file.release(), SDL_TRUE), MUS_MP3, SDL_TRUE);
    if (music == nullptr)
        problem = sdlReason("the mixer could not decode it");
    return music;
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
        reportSoundOff("no audio device");
        return false;
    }
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(mixRate, AUDIO_S16SYS, outputChannels, mixBufferFrames) != 0) {
        reportSoundOff("the audio device would not open");
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
    std::string problem;
    Mix_Chunk* chunk = decodeSample(fileName, problem);
    if (chunk == nullptr) {
        reportUnusableFile("sound", fileName, problem);
        return noSound;
    }
    return handleFor(samples_, chunk);
}

SoundHandle SoundMixer::openLoopingStream(const char* fileName)
{
    if (!on_ || fileName == nullptr)
        return noSound;
    std::string problem;
    Mix_Music* music = openMusic(fileName, problem);
    if (music == nullptr) {
        reportUnusableFile("music", fileName, problem);
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

void SoundMixer::reportSoundOff(const char* what)
{
    std::fprintf(stderr, "Vorlund!: sound is off: %s (%s)\n", what, sdlReason("SDL gave no reason").c_str());
}
