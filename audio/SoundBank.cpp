#include "audio/SoundBank.h"

#include <cstdio>

namespace {

constexpr int mixRate = 44100;
constexpr int channelCount = 30;
constexpr int fileNameCapacity = 64;

bool isSampleIndex(int index)
{
    return index >= 0 && index < musicIndex;
}

bool isStreamIndex(int index)
{
    return index >= musicIndex && index < soundCount;
}

}

std::string soundFileName(int index)
{
    char name[fileNameCapacity] = "";
    if (index >= 0 && index < squeakCount)
        std::snprintf(name, sizeof name, "./res/audio/batsqueak%02d.mp3", index + 1);
    else if (index >= firstWinSound && index < firstWinSound + winSoundCount)
        std::snprintf(name, sizeof name, "./res/audio/win%02d.mp3", index - firstWinSound + 1);
    else if (index == musicIndex)
        std::snprintf(name, sizeof name, "./res/audio/loop_Marvessant_Tundravel.mp3");
    return name;
}

SoundBank& SoundBank::instance()
{
    static SoundBank* bank = new SoundBank();
    return *bank;
}

void SoundBank::load()
{
    SoundMixer& mixer = SoundMixer::instance();
    mixer.init(mixRate, channelCount);
    handles.fill(noSound);
    for (int i = 0; i < squeakCount; ++i)
        handles[i] = mixer.loadSample(soundFileName(i).c_str());
    for (int i = 0; i < winSoundCount; ++i)
        handles[firstWinSound + i] = mixer.loadSample(soundFileName(firstWinSound + i).c_str());
    handles[musicIndex] = mixer.openLoopingStream(soundFileName(musicIndex).c_str());
}

void SoundBank::play(int index)
{
    if (isSampleIndex(index))
        SoundMixer::instance().playSample(index, handles[index]);
}

void SoundBank::playMusic(int index)
{
    int stream = musicIndex + index;
    if (isStreamIndex(stream))
        SoundMixer::instance().playStream(stream, handles[stream]);
}
