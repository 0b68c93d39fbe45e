// Prints how the game's mixer hears each sound file: its length after
// decoding (encoder delay and padding removed), its peak, and the level of its
// first and last frames, which must be near silence for a click-free start
// and end.
//   vorlund_soundmeter res/audio/*.mp3

#include "tools/sounds/DecodedSound.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (!openMixerForDecoding()) {
        std::fprintf(stderr, "%s: the mixer does not open\n", argv[0]);
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        DecodedSound sound = decodeWithMixer(argv[i]);
        if (sound.frames() == 0) {
            std::printf("%s: does not decode\n", argv[i]);
            continue;
        }
        std::printf("%-44s %8zu frames %7.3f s  peak %6.2f dBFS  first frame %6.1f dBFS  last frame %6.1f dBFS\n",
                    argv[i], sound.frames(), sound.seconds(), sound.peakDecibels(), decibels(sound.startLevel()),
                    decibels(sound.endLevel()));
    }
    return 0;
}
