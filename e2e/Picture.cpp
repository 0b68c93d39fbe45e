#include "e2e/Picture.h"

#include "app/View.h"
#include "graphics/TgaImage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int side = View::windowSize;
constexpr int channels = 3;
constexpr int tgaChannels = 4;
constexpr std::uint8_t white = 255;
// The references match the game's filtering: a screen on the window measures
// 0.01 from its reference. What is drawn over the backdrop (the black structure,
// crawlers) differs by far more than this; faint clouds mostly by less.
constexpr int noticeable = 24;
// In mean levels: room for another GL's rounding and filtering, and a seventh
// of the nearest wrong picture, the instructions against play's backdrop (28).
constexpr double screenTolerance = 4;
// Play with the structure standing differs from its backdrop in 4% of the
// window; this leaves room for clouds and dozens of crawlers. The nearest wrong
// picture, the title, differs in 26%.
constexpr double fieldTolerance = 0.12;

// A picture's place in the world, in meters.
struct Area {
    double left, right, bottom, top;
};
constexpr Area startingView{startingCamera.x - startingCamera.distance, startingCamera.x + startingCamera.distance,
                            startingCamera.y - startingCamera.distance, startingCamera.y + startingCamera.distance};
constexpr Area field{-8, 8, 0, 30};

// Bilinear, as GL_LINEAR; u and v run from 0 to 1 from the top left.
void sample(const TgaImage& image, double u, double v, std::uint8_t* rgb)
{
    double x = std::clamp(u * image.width - 0.5, 0.0, image.width - 1.0);
    double y = std::clamp(v * image.height - 0.5, 0.0, image.height - 1.0);
    int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
    int x1 = std::min(x0 + 1, image.width - 1), y1 = std::min(y0 + 1, image.height - 1);
    double fx = x - x0, fy = y - y0;
    auto at = [&image](int px, int py, int c) { return image.pixels[(py * image.width + px) * tgaChannels + c]; };
    for (int c = 0; c < channels; ++c) {
        double top = at(x0, y0, c) * (1 - fx) + at(x1, y0, c) * fx;
        double bottom = at(x0, y1, c) * (1 - fx) + at(x1, y1, c) * fx;
        rgb[c] = static_cast<std::uint8_t>(std::lround(top * (1 - fy) + bottom * fy));
    }
}

// The camera's field of view is 90 degrees: it sees `distance` to each side.
Picture seen(const std::string& tgaFile, Area area, Camera camera)
{
    TgaImage image;
    bool textured = image.load(tgaFile.c_str()) && image.bitsPerPixel == 32;
    Picture picture{side, side, std::vector<std::uint8_t>(side * side * channels)};
    double metresPerPixel = 2 * camera.distance / side;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            double worldX = camera.x - camera.distance + (x + 0.5) * metresPerPixel;
            double worldY = camera.y + camera.distance - (y + 0.5) * metresPerPixel;
            std::uint8_t* rgb = &picture.rgb[(y * side + x) * channels];
            double u = (worldX - area.left) / (area.right - area.left);
            double v = (area.top - worldY) / (area.top - area.bottom);
            if (u < 0 || u > 1 || v < 0 || v > 1)
                continue;
            if (textured)
                sample(image, u, v, rgb);
            else
                std::fill(rgb, rgb + channels, white);
        }
    return picture;
}

}

double meanDifference(const Picture& a, const Picture& b)
{
    if (a.rgb.empty() || a.width != b.width || a.height != b.height)
        return white;
    long total = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i)
        total += std::abs(a.rgb[i] - b.rgb[i]);
    return static_cast<double>(total) / static_cast<double>(a.rgb.size());
}

double differingShare(const Picture& a, const Picture& b)
{
    if (a.rgb.empty() || a.width != b.width || a.height != b.height)
        return 1;
    std::size_t differing = 0;
    for (std::size_t pixel = 0; pixel < a.rgb.size(); pixel += channels) {
        bool differs = false;
        for (std::size_t i = pixel; i < pixel + channels; ++i)
            differs = differs || std::abs(a.rgb[i] - b.rgb[i]) > noticeable;
        differing += differs;
    }
    return static_cast<double>(differing * channels) / static_cast<double>(a.rgb.size());
}

Picture screenPicture(const std::string& tgaFile)
{
    return seen(tgaFile, startingView, startingCamera);
}

Picture fieldSeenFrom(const std::string& backdropFile, Camera camera)
{
    return seen(backdropFile, field, camera);
}

bool looksLikeScreen(const Picture& shown, const Picture& screen)
{
    return meanDifference(shown, screen) < screenTolerance;
}

bool looksLikeField(const Picture& shown, const Picture& field)
{
    return differingShare(shown, field) < fieldTolerance;
}
