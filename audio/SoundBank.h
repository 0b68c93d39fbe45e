#pragma once

#include "audio/SampleLoading.h"
#include "audio/SoundMixer.h"
#include "res/ResourceFiles.h"

#include <array>
#include <string>

// Sound indices: 0 to 15 squeaks, 16 to 28 win sounds, 29 the music.
constexpr int firstWinSound = res::squeakCount;
constexpr int musicIndex = firstWinSound + res::winSoundCount;
constexpr int soundCount = musicIndex + 1;

// The file each sound index is loaded from, relative to the game's folder.
std::string soundFileName(int index);

// Every sound effect and the music, loaded once at start-up and then played by
// sound index. Each sample sounds on the channel of its own index, so a second
// squeak of the same index restarts it while different sounds overlap.
class SoundBank {
public:
    static SoundBank& instance();

    // Opens the device and the music at once; the samples are decoded on a
    // thread of their own meanwhile where there are threads, so the game shows
    // its title without waiting for them.
    void load();
    // Waits until every sample is decoded (play does that itself).
    void finishLoading();
    void play(int index);
    void playMusic(int index);

    std::array<SoundHandle, soundCount> handles{};

private:
    SoundBank() = default;

    SampleLoading sampleLoading_;
};
