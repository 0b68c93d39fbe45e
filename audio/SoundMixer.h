#pragma once

#include <cstdint>
#include <vector>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// A sound the mixer has loaded; 0 stands for "nothing", and playing it is silent.
using SoundHandle = std::uint32_t;
constexpr SoundHandle noSound = 0;

// The game's small sound layer on top of SDL2_mixer: short samples played at
// once on numbered channels, and a looping music stream. Without an audio
// device, or for a file that does not load, the handles are 0 and everything
// stays silent; the player is told on stderr, a line for the device or for
// each file. Only regular files are opened, and a sample only if its header
// accounts for its size and it is no larger than a sound effect can be.
class SoundMixer {
public:
    static SoundMixer& instance();

    // Opens the audio device at the mixing rate with the number of sample
    // channels. True when sound is on; a second call changes nothing.
    bool init(int mixRate, int channelCount);

    SoundHandle loadSample(const char* fileName);
    // An MP3 file as a stream; anything else gives 0.
    SoundHandle openLoopingStream(const char* fileName);

    // Starts the sample at once on the channel, cutting off whatever that
    // channel was playing; other channels keep sounding.
    void playSample(int channel, SoundHandle sample);
    // Starts the stream; a looping stream plays on by itself for good. The music
    // has its own voice, so the channel number only has to be a valid one.
    void playStream(int channel, SoundHandle stream);

private:
    SoundMixer() = default;
    void reportSoundOff(const char* what);
    bool isChannel(int channel) const { return channel >= 0 && channel < channelCount_; }

    bool initialised_ = false;
    bool on_ = false;
    int channelCount_ = 0;
    std::vector<Mix_Chunk*> samples_;
    std::vector<Mix_Music*> streams_;
};
