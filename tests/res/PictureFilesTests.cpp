// Every picture the game names, loaded the way the game loads it.
#include "graphics/Texture.h"
#include "res/ResourceFiles.h"
#include "tests/support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

// What the outermost texels must be. The game repeats textures at their edges,
// so a sprite's border must be clear or the opposite edge bleeds into view; a
// spring is one unbroken strip from end to end, so only its sides are clear.
// The backdrop and the screens are stretched over the field and the window.
enum Border { Opaque, Clear, ClearSides };

// A ball or a crawler is drawn as wide as its square; the selector shows the
// hovered crawler through its middle.
TEST(ShippedPictures, LoadAtTheirSizesWithTheBordersAndMiddlesTheGameNeeds)
{
    ensureGlContext();
    // Name, width, height, border, alpha in the middle, and whether the middle
    // row is covered to within two texels of each side.
    const std::tuple<const char*, int, int, Border, int, bool> pictures[] = {
        {res::backgroundImage, 512, 960, Opaque, 255, true},  {res::titleImage, 1024, 1024, Opaque, 255, true},
        {res::instructionsImage, 1024, 1024, Opaque, 255, true}, {res::ballImage, 128, 128, Clear, 255, true},
        {res::crawlerImage, 128, 128, Clear, 255, true},      {res::selectorImage, 128, 128, Clear, 0, false},
        {res::cloudImage, 256, 128, Clear, 255, false},       {res::springImage, 64, 256, ClearSides, 255, false},
    };
    for (const auto& [name, width, height, border, middle, wide] : pictures) {
        ASSERT_NE(loadTexture(name), 0u) << name;
        std::pair<int, int> size;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.first);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.second);
        ASSERT_EQ(size, std::make_pair(width, height)) << name;
        std::vector<std::uint8_t> alpha(static_cast<std::size_t>(width) * height);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
        auto at = [&](int x, int y) { return alpha[static_cast<std::size_t>(y) * width + x]; };
        int clearSides = 0;
        int clearEnds = 0;
        int solidMiddleColumn = 0;
        for (int y = 0; y < height; ++y) {
            clearSides += (at(0, y) == 0) + (at(width - 1, y) == 0);
            solidMiddleColumn += at(width / 2, y) == 255;
        }
        for (int x = 0; x < width; ++x)
            clearEnds += (at(x, 0) == 0) + (at(x, height - 1) == 0);
        bool opaque = std::count(alpha.begin(), alpha.end(), 255) == width * height;
        EXPECT_EQ(
            std::make_tuple(opaque, clearSides == 2 * height, clearEnds == 2 * width, solidMiddleColumn == height),
            std::make_tuple(border == Opaque, border != Opaque, border == Clear, border != Clear))
            << name << ": opaque, sides clear, ends clear, middle column solid";
        EXPECT_EQ(at(width / 2, height / 2), middle) << name;
        EXPECT_EQ(at(2, height / 2) >= 128 && at(width - 3, height / 2) >= 128, wide) << name;
    }
}
