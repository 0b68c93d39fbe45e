#pragma once

#include <array>
#include <optional>

// A translucent cloud picture at a fixed place and depth in the world.
struct SceneryCloud {
    float x = 0;
    float y = 0;
    float z = 0; // towards the viewer is positive
    float scaleX = 0;
    float scaleY = 0;
    float alpha = 0;
    unsigned sprite = 0; // the texture its sprite quad shows
};

// A rectangle of the world plane, in meters.
struct StageBounds {
    double top;
    double right;
    double bottom;
    double left;
};

// The field the game is played on: 16 m wide, 30 m high, the ground at 0.
constexpr StageBounds playingField{30, 8, 0, -8};

// The playing field: its bounds in world meters (x from left to right, y from
// the ground at bottom up to top), and the scenery drawn around the structure:
// the backdrop, seven clouds and the two screens shown before play.
class Stage {
public:
    static Stage& instance();

    void loadScreens();
    void setBounds(double top, double right, double bottom, double left);
    void setBounds(const StageBounds& bounds);
    void placeScenery();

    void drawBackground() const;
    void drawScenery() const;
    // The screens fill the square of the world plane, halfExtent meters to each
    // side of x = 0 and from the ground up, that the camera sees.
    void drawTitle(double halfExtent) const;
    void drawInstructions(double halfExtent);

    double top = 0;
    double right = 0;
    double bottom = 0;
    double left = 0;

    unsigned backgroundTexture = 0;
    unsigned titleTexture = 0;
    // Nothing until the instructions are first shown; 0 if their picture would not load.
    std::optional<unsigned> instructionsTexture;
    unsigned cloudTexture = 0;
    std::array<SceneryCloud, 7> scenery{};

private:
    Stage() = default;
    void drawScreen(unsigned texture, double halfExtent) const;
};
