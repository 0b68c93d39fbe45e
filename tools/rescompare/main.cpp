// Compares two resource folders file by file, over every picture and sound the
// game reads, and says how far each differing file is from the other: for a
// picture how many pixels differ and by how much, for a sound how loud the
// difference of the decoded samples is. Exits 1 when any file differs.
//   vorlund_rescompare <shipped res folder> <freshly made res folder>

#include "graphics/TgaImage.h"
#include "res/ResourceFiles.h"
#include "tools/sounds/DecodedSound.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using Path = std::filesystem::path;

std::string contents(const Path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void describePictures(const Path& shipped, const Path& fresh)
{
    TgaImage a;
    TgaImage b;
    if (!a.load(shipped.c_str()) || !b.load(fresh.c_str())) {
        std::printf("  a picture does not decode\n");
        return;
    }
    if (a.width != b.width || a.height != b.height || a.pixels.size() != b.pixels.size()) {
        std::printf("  size %dx%d against %dx%d\n", a.width, a.height, b.width, b.height);
        return;
    }
    std::size_t bytesPerPixel = a.pixels.size() / (static_cast<std::size_t>(a.width) * a.height);
    std::size_t differing = 0;
    int largest = 0;
    for (std::size_t pixel = 0; pixel < a.pixels.size(); pixel += bytesPerPixel) {
        int worst = 0;
        for (std::size_t channel = pixel; channel < pixel + bytesPerPixel; ++channel)
            worst = std::max(worst, std::abs(a.pixels[channel] - b.pixels[channel]));
        differing += worst > 0 ? 1 : 0;
        largest = std::max(largest, worst);
    }
    std::printf("  %zu of %zu pixels differ, by at most %d of 255\n", differing, a.pixels.size() / bytesPerPixel,
                largest);
}

void describeSounds(const Path& shipped, const Path& fresh)
{
    DecodedSound a = decodeWithMixer(shipped);
    DecodedSound b = decodeWithMixer(fresh);
    if (a.frames() != b.frames()) {
        std::printf("  %zu frames against %zu\n", a.frames(), b.frames());
        return;
    }
    int largest = 0;
    for (std::size_t i = 0; i < a.samples.size(); ++i)
        largest = std::max(largest, std::abs(a.samples[i] - b.samples[i]));
    std::printf("  decoded, they differ by at most %.1f dBFS (the sound peaks at %.1f dBFS)\n", decibels(largest),
                a.peakDecibels());
}

// Says how far two differing copies of a file are from each other.
using Describe = void (*)(const Path& shipped, const Path& fresh);

void describeNothing(const Path&, const Path&)
{
}

// True when the two copies are byte for byte the same; otherwise says how not.
bool compare(const Path& shipped, const Path& fresh, const std::string& gamePath, Describe describe)
{
    Path inside = res::insideResFolder(gamePath.c_str());
    if (contents(shipped / inside) == contents(fresh / inside))
        return true;
    std::printf("%s differs\n", inside.c_str());
    describe(shipped / inside, fresh / inside);
    return false;
}

}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <shipped res folder> <freshly made res folder>\n", argv[0]);
        return 2;
    }
    if (!openMixerForDecoding()) {
        std::fprintf(stderr, "%s: the mixer does not open\n", argv[0]);
        return 2;
    }
    bool same = true;
    for (const char* image : res::images)
        same = compare(argv[1], argv[2], image, describePictures) && same;
    for (int number = 1; number <= res::squeakCount; ++number)
        same = compare(argv[1], argv[2], res::squeakFile(number), describeSounds) && same;
    for (int number = 1; number <= res::winSoundCount; ++number)
        same = compare(argv[1], argv[2], res::winSoundFile(number), describeSounds) && same;
    same = compare(argv[1], argv[2], res::musicFile, describeSounds) && same;
    same = compare(argv[1], argv[2], res::iconImage, describeNothing) && same;
    for (int size : res::smallIconSizes)
        same = compare(argv[1], argv[2], res::smallIconImage(size), describeNothing) && same;
    same = compare(argv[1], argv[2], res::windowsIcon, describeNothing) && same;
    same = compare(argv[1], argv[2], res::webIcon, describeNothing) && same;
    return same ? 0 : 1;
}
