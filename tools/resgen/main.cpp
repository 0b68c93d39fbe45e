// Makes every picture and sound of the game from code: run it with the folder
// to write into (the repository's res/ to remake the shipped files) and the
// game's font, which the screens are lettered with.

#include "BackdropPicture.h"
#include "Chimes.h"
#include "CloudPicture.h"
#include "InstructionsPicture.h"
#include "Mp3Writer.h"
#include "Music.h"
#include "Squeaks.h"
#include "SpritePictures.h"
#include "TextPainter.h"
#include "TgaWriter.h"
#include "TitlePicture.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

// Every peak stays at least 2 dB under full scale, so it is still under -1 dBFS
// after MP3 encoding, which can overshoot the waveform a little. Against the
// music (about -20 dBFS RMS) a pure, high squeak sounds far louder than its
// peak says, so the squeaks sit lowest and the chimes between.
constexpr float squeakPeakDecibels = -8;
constexpr float chimePeakDecibels = -5;
constexpr float musicPeakDecibels = -3;
constexpr int effectKilobits = 96;
constexpr int musicKilobits = 128;

std::string numbered(const char* stem, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%02d.mp3", stem, number);
    return name;
}

void saveMp3(Sound sound, float peakDecibels, int kilobits, const std::filesystem::path& file)
{
    normalise(sound, peakDecibels);
    writeMp3(sound, kilobits, file.string());
}

void makeSounds(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    for (int number = 1; number <= squeakCount; ++number)
        saveMp3(makeSqueak(number), squeakPeakDecibels, effectKilobits, folder / numbered("batsqueak", number));
    for (int number = 1; number <= chimeCount; ++number)
        saveMp3(makeChime(number), chimePeakDecibels, effectKilobits, folder / numbered("win", number));
    saveMp3(makeMusicLoop(), musicPeakDecibels, musicKilobits, folder / "loop_Marvessant_Tundravel.mp3");
}

void makePictures(const std::filesystem::path& folder, const TextPainter& text)
{
    std::filesystem::create_directories(folder);
    auto save = [&folder](const Canvas& canvas, TgaAlpha alpha, const char* name) {
        writeTga(canvas, alpha, (folder / name).string());
    };
    save(makeBackdropPicture(text), TgaAlpha::Opaque, "background.tga");
    save(makeTitlePicture(text), TgaAlpha::Opaque, "titlescreen.tga");
    save(makeInstructionsPicture(text), TgaAlpha::Opaque, "instructions.tga");
    save(makeCloudPicture(), TgaAlpha::Keep, "cloud01.tga");
    save(makeBallPicture(), TgaAlpha::Keep, "mass_shinyball.tga");
    save(makeSpringPicture(), TgaAlpha::Keep, "spring_glisk.tga");
    save(makeCrawlerPicture(), TgaAlpha::Keep, "mass_massdude.tga");
    save(makeSelectorPicture(), TgaAlpha::Keep, "selector.tga");
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " <resource folder> <font file>\n";
        return 2;
    }
    try {
        std::filesystem::path resources = argv[1];
        TextPainter text(argv[2]);
        makePictures(resources / "images", text);
        makeSounds(resources / "audio");
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
