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

// An ID3 tag or an MPEG audio frame's sync bits. Anything else is not given
// to the MP3 decoder at all, which would fill stderr with its complaints.
bool startsLikeMp3(const char* fileName)
{
    unsigned char start[3] = {};
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr)
        return false;
    std::size_t got = std::fread(start, 1, sizeof start, file);
    std::fclose(file);
    bool tagged = got == 3 && start[0] == 'I' && start[1] == 'D' && start[2] == '3';
    bool synced = got >= 2 && start[0] == 0xFF && (start[1] & 0xE0) == 0xE0;
    return tagged || synced;
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
    // The music is an MP3 and is opened as nothing else: guessed from its
    // bytes, a MIDI file would be handed to a player that restarts a song
    // that fails, forever, inside the mixing thread, and all sound would stop.
    Mix_Music* music = startsLikeMp3(fileName)
        ? Mix_LoadMUSType_RW(SDL_RWFromFile(fileName, "rb"), MUS_MP3, SDL_TRUE) : nullptr;
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
    if (reported_.exchange(true))
        return;
    if (fileName == nullptr)
        std::fprintf(stderr, "Vorlund!: sound is off: %s (%s)\n", what, SDL_GetError());
    else
        std::fprintf(stderr, "Vorlund!: some sounds are off: %s %s (%s)\n", what, fileName, Mix_GetError());
}
