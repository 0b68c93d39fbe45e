#pragma once

#include <cstdint>
#include <string>
#include <vector>

// RGB pixels, top row first: what the window showed, or what it should show.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Where the camera looks from, in world meters: across the field and away from it.
struct Camera {
    double x;
    double y;
    double distance;
};

// Where the camera starts; the screens before play fill what it sees then.
constexpr Camera startingCamera{0, 5, 5};

// The mean absolute difference of all channels, 0 to 255; 255 for unlike sizes.
double meanDifference(const Picture& a, const Picture& b);
// The share of pixels, 0 to 1, that differ noticeably; 1 for unlike sizes.
// Unlike the mean, a few very different pixels (a black structure over the
// backdrop) count only for the pixels they cover.
double differingShare(const Picture& a, const Picture& b);

// What the 800x800 window shows of a TGA picture, sampled as the game's
// GL_LINEAR textures are, black where it does not reach. A picture that does
// not load is white, as the game draws a sprite without its texture.
Picture screenPicture(const std::string& tgaFile);
// Play's backdrop, stretched over the 16 x 30 m field.
Picture fieldSeenFrom(const std::string& backdropFile, Camera camera);

// A screen is told by its mean difference, play by its share of differing
// pixels, so that what moves over the backdrop does not hide it.
bool looksLikeScreen(const Picture& shown, const Picture& screen);
bool looksLikeField(const Picture& shown, const Picture& field);
