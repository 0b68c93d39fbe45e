// Every picture the game names, loaded the way the game loads it.
#include "graphics/Texture.h"
#include "tests/support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::uint8_t clear = 0;
constexpr std::uint8_t solid = 255;

struct Texels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    std::uint8_t alpha(int x, int y) const { return rgba[4 * (static_cast<std::size_t>(y) * width + x) + 3]; }

    int countAlpha(bool (*wanted)(std::uint8_t)) const
    {
        int count = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                count += wanted(alpha(x, y)) ? 1 : 0;
        return count;
    }
};

Texels loadTexels(const std::string& name)
{
    ensureGlContext();
    std::string path = "./res/images/" + name;
    unsigned texture = loadTexture(path.c_str());
    EXPECT_NE(texture, 0u) << path;
    Texels texels;
    if (texture == 0)
        return texels;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &texels.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &texels.height);
    texels.rgba.resize(static_cast<std::size_t>(texels.width) * texels.height * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.rgba.data());
    return texels;
}

bool isSolid(std::uint8_t a) { return a == solid; }
bool isHalfway(std::uint8_t a) { return a != clear && a != solid; }
bool isMostlyCovered(std::uint8_t a) { return a >= 128; }

// The game repeats textures at their edges, so a sprite's outermost texels
// must be clear or the opposite edge bleeds into view.
void expectClearBorder(const Texels& t, const std::string& name)
{
    for (int x = 0; x < t.width; ++x) {
        ASSERT_EQ(t.alpha(x, 0), clear) << name << " top edge at " << x;
        ASSERT_EQ(t.alpha(x, t.height - 1), clear) << name << " bottom edge at " << x;
    }
    for (int y = 0; y < t.height; ++y) {
        ASSERT_EQ(t.alpha(0, y), clear) << name << " left edge at " << y;
        ASSERT_EQ(t.alpha(t.width - 1, y), clear) << name << " right edge at " << y;
    }
}

// How far the picture is mostly covered along its middle row and its middle column.
std::pair<int, int> middleSpans(const Texels& t)
{
    int across = 0;
    int down = 0;
    for (int x = 0; x < t.width; ++x)
        across += isMostlyCovered(t.alpha(x, t.height / 2)) ? 1 : 0;
    for (int y = 0; y < t.height; ++y)
        down += isMostlyCovered(t.alpha(t.width / 2, y)) ? 1 : 0;
    return {across, down};
}

// An ellipse as wide as its square, heightRatio as high, with an anti-aliased
// rim: the game scales the sprite to the ball's diameter, so a narrower shape
// would draw balls smaller than they are.
void expectFullEllipse(const Texels& t, const std::string& name, double heightRatio)
{
    auto [across, down] = middleSpans(t);
    EXPECT_GE(across, t.width - 4) << name;
    EXPECT_NEAR(static_cast<double>(down) / across, heightRatio, 0.03) << name;
    double share = static_cast<double>(t.countAlpha(isMostlyCovered)) / (t.width * t.height);
    EXPECT_NEAR(share, M_PI / 4 * heightRatio, 0.05) << name;
    EXPECT_EQ(t.alpha(t.width / 2, t.height / 2), solid) << name;
    EXPECT_GT(t.countAlpha(isHalfway), t.width) << name << " has a jagged edge";
}

}

TEST(ShippedPictures, FullWindowPicturesAreOpaqueAndSized)
{
    struct Expected {
        const char* name;
        int width;
        int height;
    };
    // The backdrop keeps the playing field's 16:30 shape; the screens fill a square window.
    for (Expected picture : {Expected{"background.tga", 512, 960}, Expected{"titlescreen.tga", 1024, 1024},
                             Expected{"instructions.tga", 1024, 1024}}) {
        Texels t = loadTexels(picture.name);
        EXPECT_EQ(t.width, picture.width) << picture.name;
        EXPECT_EQ(t.height, picture.height) << picture.name;
        EXPECT_EQ(t.countAlpha(isSolid), t.width * t.height) << picture.name << " has see-through texels";
    }
}

TEST(ShippedPictures, BallIsAFullDiscAndTheCrawlerLooksRoundWhenItsWobbleStretchesIt)
{
    Texels ball = loadTexels("mass_shinyball.tga");
    EXPECT_EQ(ball.width, 128);
    EXPECT_EQ(ball.height, 128);
    expectClearBorder(ball, "ball");
    expectFullEllipse(ball, "ball", 1);

    // The game draws a crawler on average 1.2 times taller and 1/1.2 as wide
    // as its ball; drawn 1.2 squared times flatter, it looks round then.
    constexpr double averageWobble = 1.2;
    Texels crawler = loadTexels("mass_massdude.tga");
    EXPECT_EQ(crawler.width, 128);
    EXPECT_EQ(crawler.height, 128);
    expectClearBorder(crawler, "crawler");
    expectFullEllipse(crawler, "crawler", 1 / (averageWobble * averageWobble));
}

TEST(ShippedPictures, SelectorIsARingWithGapsAroundAClearMiddle)
{
    Texels t = loadTexels("selector.tga");
    EXPECT_EQ(t.width, 128);
    EXPECT_EQ(t.height, 128);
    expectClearBorder(t, "selector");
    int middle = t.width / 2;
    EXPECT_EQ(t.alpha(middle, middle), clear) << "the hovered crawler must show through";
    // Going once round the ring must cross ink and gaps again and again, or its
    // turning can't be seen.
    constexpr int steps = 360;
    constexpr double ringRadius = 54;
    constexpr int fewestGaps = 4;
    int inked = 0;
    int gapsEntered = 0;
    bool wasInked = true;
    for (int step = 0; step <= steps; ++step) {
        double angle = 2 * M_PI * step / steps;
        int x = static_cast<int>(std::lround(middle + ringRadius * std::cos(angle)));
        int y = static_cast<int>(std::lround(middle + ringRadius * std::sin(angle)));
        bool isInked = t.alpha(x, y) > 128;
        inked += isInked ? 1 : 0;
        gapsEntered += wasInked && !isInked ? 1 : 0;
        wasInked = isInked;
    }
    EXPECT_GT(inked, steps / 2) << "the ring is too faint";
    EXPECT_GE(gapsEntered, fewestGaps);
}

TEST(ShippedPictures, SpringIsAStripWhoseEndsMeetWhenRepeated)
{
    Texels t = loadTexels("spring_glisk.tga");
    EXPECT_EQ(t.width, 64);
    EXPECT_EQ(t.height, 256);
    for (int y = 0; y < t.height; ++y) {
        ASSERT_EQ(t.alpha(0, y), clear) << "left edge at " << y;
        ASSERT_EQ(t.alpha(t.width - 1, y), clear) << "right edge at " << y;
        ASSERT_EQ(t.alpha(t.width / 2, y), solid) << "the strip breaks at " << y;
    }
    for (int x = 0; x < t.width; ++x)
        EXPECT_EQ(t.alpha(x, 0), t.alpha(x, t.height - 1)) << "top and bottom rows differ at " << x;
    EXPECT_GE(t.countAlpha(isHalfway), 2 * t.height) << "the strip's sides are jagged";
}

TEST(ShippedPictures, CloudFadesSoftlyIntoClearSky)
{
    Texels t = loadTexels("cloud01.tga");
    EXPECT_EQ(t.width, 256);
    EXPECT_EQ(t.height, 128);
    expectClearBorder(t, "cloud");
    EXPECT_GT(t.countAlpha(isSolid), 0) << "the cloud has no solid core";
    // A soft cloud has a wide fall-off, not a one-texel anti-aliased rim.
    EXPECT_GT(t.countAlpha(isHalfway), t.countAlpha(isSolid) / 2);
}
