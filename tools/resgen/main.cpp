// Makes every picture and sound of the game from code: run it with the folder
// to write into (the repository's res/ to remake the shipped files) and the
// game's font, which the screens are lettered with.

#include "BackdropPicture.h"
#include "Chimes.h"
#include "CloudPicture.h"
#include "IcoWriter.h"
#include "IconPicture.h"
#include "InstructionsPicture.h"
#include "Mp3Writer.h"
#include "Music.h"
#include "PngWriter.h"
#include "Squeaks.h"
#include "SpritePictures.h"
#include "TextPainter.h"
#include "TgaWriter.h"
#include "TitlePicture.h"

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

// The file the game opens as gamePath, inside the resource folder being made.
std::filesystem::path placeFor(const std::filesystem::path& resources, const std::string& gamePath)
{
    std::filesystem::path file = resources / res::insideResFolder(gamePath.c_str());
    std::filesystem::create_directories(file.parent_path());
    return file;
}

void saveMp3(Sound sound, float peakDecibels, int kilobits, const std::filesystem::path& file)
{
    normalise(sound, peakDecibels);
    writeMp3(sound, kilobits, file.string());
}

void makeSounds(const std::filesystem::path& resources)
{
    for (int number = 1; number <= res::squeakCount; ++number)
        saveMp3(makeSqueak(number), squeakPeakDecibels, effectKilobits, placeFor(resources, res::squeakFile(number)));
    for (int number = 1; number <= res::winSoundCount; ++number)
        saveMp3(makeChime(number), chimePeakDecibels, effectKilobits, placeFor(resources, res::winSoundFile(number)));
    saveMp3(makeMusicLoop(), musicPeakDecibels, musicKilobits, placeFor(resources, res::musicFile));
}

void makePictures(const std::filesystem::path& resources, const TextPainter& text)
{
    auto save = [&resources](const Canvas& canvas, TgaAlpha alpha, const char* gamePath) {
        writeTga(canvas, alpha, placeFor(resources, gamePath).string());
    };
    save(makeBackdropPicture(text), TgaAlpha::Opaque, res::backgroundImage);
    save(makeTitlePicture(text), TgaAlpha::Opaque, res::titleImage);
    save(makeInstructionsPicture(text), TgaAlpha::Opaque, res::instructionsImage);
    save(makeCloudPicture(), TgaAlpha::Keep, res::cloudImage);
    save(makeBallPicture(), TgaAlpha::Keep, res::ballImage);
    save(makeSpringPicture(), TgaAlpha::Keep, res::springImage);
    save(makeCrawlerPicture(), TgaAlpha::Keep, res::crawlerImage);
    save(makeSelectorPicture(), TgaAlpha::Keep, res::selectorImage);
    Canvas icon = makeIconPicture();
    writePng(icon, placeFor(resources, res::iconImage).string());
    for (int size : res::smallIconSizes)
        writePng(shrunk(icon, size, size), placeFor(resources, res::smallIconImage(size)).string());
    // The sizes Windows asks for: small and large icons, Explorer's views.
    writeIco(icon, {16, 24, 32, 48, 64, 256}, placeFor(resources, res::windowsIcon).string());
    // A browser's tab, its bookmarks, and a high-density screen's tab.
    writeIco(icon, {16, 32, 48}, placeFor(resources, res::webIcon).string());
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
        makePictures(resources, text);
        makeSounds(resources);
    } catch (const std::exception& error) {
        std::cerr << argv[0] << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
