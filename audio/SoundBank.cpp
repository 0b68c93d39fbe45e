#include "audio/SoundBank.h"

namespace {

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
    if (index >= 0 && index < firstWinSound)
        return res::squeakFile(index + 1);
    if (index >= firstWinSound && index < musicIndex)
        return res::winSoundFile(index - firstWinSound + 1);
    if (index == musicIndex)
        return res::musicFile;
    return "";
}

SoundBank& SoundBank::instance()
{
    static SoundBank* bank = new SoundBank();
    return *bank;
}

void SoundBank::load()
{
    SoundMixer& mixer = SoundMixer::instance();
    // Every sample plays on the channel of its own index, so there is one
    // channel for each sound.
    mixer.init(res::mixRate, soundCount);
    finishLoading();
    handles.fill(noSound);
    // The music first: the mixer sets up its MP3 decoder on the first MP3 it
    // opens, and two threads doing that at once lose a sound now and then.
    handles[musicIndex] = mixer.openLoopingStream(soundFileName(musicIndex).c_str());
    sampleLoading_.start([this, &mixer] {
        for (int index = 0; index < musicIndex; ++index)
            handles[index] = mixer.loadSample(soundFileName(index).c_str());
    });
}

void SoundBank::finishLoading()
{
    sampleLoading_.finish();
}

void SoundBank::play(int index)
{
    finishLoading();
    if (isSampleIndex(index))
        SoundMixer::instance().playSample(index, handles[index]);
}

void SoundBank::playMusic(int index)
{
    int stream = musicIndex + index;
    if (isStreamIndex(stream))
        SoundMixer::instance().playStream(stream, handles[stream]);
}
