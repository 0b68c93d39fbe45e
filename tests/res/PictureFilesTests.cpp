// Every picture the game names, loaded the way the game loads it.
#include "graphics/Stage.h"
#include "graphics/Texture.h"
#include "res/ResourceFiles.h"
#include "tests/support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

bool isClear(std::uint8_t alpha) { return alpha == 0; }
bool isSolid(std::uint8_t alpha) { return alpha == 255; }
bool isHalfway(std::uint8_t alpha) { return !isClear(alpha) && !isSolid(alpha); }
bool isMostlyCovered(std::uint8_t alpha) { return alpha >= 128; }

struct Texels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    std::uint8_t alpha(int x, int y) const { return rgba[4 * (static_cast<std::size_t>(y) * width + x) + 3]; }
    int count(bool (*wanted)(std::uint8_t), int fromX, int toX, int fromY, int toY) const
    {
        int found = 0;
        for (int y = fromY; y < toY; ++y)
            for (int x = fromX; x < toX; ++x)
                found += wanted(alpha(x, y)) ? 1 : 0;
        return found;
    }
    int count(bool (*wanted)(std::uint8_t)) const { return count(wanted, 0, width, 0, height); }
    // The game repeats textures at their edges, so a sprite's outermost texels
    // must be clear or the opposite edge bleeds into view.
    bool sidesAreClear() const
    {
        return count(isClear, 0, 1, 0, height) + count(isClear, width - 1, width, 0, height) == 2 * height;
    }
    bool borderIsClear() const
    {
        return sidesAreClear() && count(isClear, 0, width, 0, 1) + count(isClear, 0, width, height - 1, height) == 2 * width;
    }
};

Texels loadTexels(const char* path)
{
    ensureGlContext();
    unsigned texture = loadTexture(path);
    EXPECT_NE(texture, 0u) << path;
    Texels texels;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &texels.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &texels.height);
    texels.rgba.resize(static_cast<std::size_t>(texels.width) * texels.height * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.rgba.data());
    return texels;
}

}

// The backdrop is stretched over the playing field, the screens over the
// square window.
TEST(ShippedPictures, FullWindowPicturesAreOpaqueAndShapedLikeWhatTheyCover)
{
    double fieldShape = (playingField.right - playingField.left) / (playingField.top - playingField.bottom);
    for (auto [name, shape] : {std::pair{res::backgroundImage, fieldShape}, {res::titleImage, 1.0}, {res::instructionsImage, 1.0}}) {
        Texels t = loadTexels(name);
        EXPECT_DOUBLE_EQ(static_cast<double>(t.width) / t.height, shape) << name;
        EXPECT_EQ(t.count(isSolid), t.width * t.height) << name << " has see-through texels";
    }
}

// An ellipse as wide as its square, with an anti-aliased rim: the game scales
// the sprite to the ball's diameter, so a narrower shape would draw balls
// smaller than they are. The game draws a crawler on average 1.2 times taller
// and 1/1.2 as wide as its ball; drawn 1.2 squared times flatter, it looks
// round then.
TEST(ShippedPictures, BallIsAFullDiscAndTheCrawlerLooksRoundWhenItsWobbleStretchesIt)
{
    constexpr double averageWobble = 1.2;
    for (auto [name, heightRatio] : {std::pair{res::ballImage, 1.0}, {res::crawlerImage, 1 / (averageWobble * averageWobble)}}) {
        Texels t = loadTexels(name);
        EXPECT_EQ(t.width, t.height) << name;
        EXPECT_TRUE(t.borderIsClear()) << name;
        int across = t.count(isMostlyCovered, 0, t.width, t.height / 2, t.height / 2 + 1);
        int down = t.count(isMostlyCovered, t.width / 2, t.width / 2 + 1, 0, t.height);
        EXPECT_GE(across, t.width - 4) << name;
        EXPECT_NEAR(static_cast<double>(down) / across, heightRatio, 0.03) << name;
        EXPECT_NEAR(static_cast<double>(t.count(isMostlyCovered)) / (t.width * t.height), M_PI / 4 * heightRatio, 0.05)
            << name;
        EXPECT_TRUE(isSolid(t.alpha(t.width / 2, t.height / 2))) << name;
        EXPECT_GT(t.count(isHalfway), t.width) << name << " has a jagged edge";
    }
}

TEST(ShippedPictures, SelectorIsADashedRingAroundAClearMiddle)
{
    Texels t = loadTexels(res::selectorImage);
    EXPECT_EQ(t.width, t.height);
    EXPECT_TRUE(t.borderIsClear());
    int middle = t.width / 2;
    EXPECT_TRUE(isClear(t.alpha(middle, middle))) << "the hovered crawler must show through";
    // Going once round the ring must cross ink and gaps again and again, or its
    // turning can't be seen.
    constexpr int steps = 360;
    constexpr int fewestGaps = 4;
    double ringRadius = 0.42 * t.width;
    int inked = 0;
    int gapsEntered = 0;
    bool wasInked = true;
    for (int step = 0; step <= steps; ++step) {
        double angle = 2 * M_PI * step / steps;
        bool isInked = isMostlyCovered(t.alpha(static_cast<int>(std::lround(middle + ringRadius * std::cos(angle))),
                                               static_cast<int>(std::lround(middle + ringRadius * std::sin(angle)))));
        inked += isInked ? 1 : 0;
        gapsEntered += wasInked && !isInked ? 1 : 0;
        wasInked = isInked;
    }
    EXPECT_GT(inked, steps / 2) << "the ring is too faint";
    EXPECT_GE(gapsEntered, fewestGaps);
}

TEST(ShippedPictures, SpringIsAnUnbrokenStripWhoseEndsMeetWhenRepeatedAndTheCloudIsSoft)
{
    Texels spring = loadTexels(res::springImage);
    EXPECT_TRUE(spring.sidesAreClear());
    EXPECT_EQ(spring.count(isSolid, spring.width / 2, spring.width / 2 + 1, 0, spring.height), spring.height)
        << "the strip breaks";
    for (int x = 0; x < spring.width; ++x)
        EXPECT_EQ(spring.alpha(x, 0), spring.alpha(x, spring.height - 1)) << "top and bottom rows differ at " << x;
    EXPECT_GE(spring.count(isHalfway), 2 * spring.height) << "the strip's sides are jagged";

    // A soft cloud has a wide fall-off around a solid core, not a one-texel rim.
    Texels cloud = loadTexels(res::cloudImage);
    EXPECT_TRUE(cloud.borderIsClear());
    EXPECT_GT(cloud.count(isSolid), 0);
    EXPECT_GT(cloud.count(isHalfway), cloud.count(isSolid) / 2);
}
