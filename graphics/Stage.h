#pragma once

#include <array>

// A translucent cloud picture at a fixed place and depth in the world.
struct SceneryCloud {
    float x = 0;
    float y = 0;
    float z = 0; // towards the viewer is positive
    float scaleX = 0;
    float scaleY = 0;
    float alpha = 0;
    unsigned sprite = 0;
};

// The playing field: its bounds in world meters (x from left to right, y from
// the ground at bottom up to top), and the scenery drawn around the structure:
// the backdrop, seven clouds and the two screens shown before play.
class Stage {
public:
    static Stage& instance();

    void loadScreens();
    void setBounds(double top, double right, double bottom, double left);
    void placeScenery();

    void drawBackground() const;
    void drawScenery() const;
    void drawTitle() const;
    void drawInstructions() const;

    double top = 0;
    double right = 0;
    double bottom = 0;
    double left = 0;

    unsigned backgroundTexture = 0;
    unsigned backgroundList = 0;
    unsigned titleList = 0;
    unsigned instructionsList = 0;
    unsigned cloudList = 0;
    std::array<SceneryCloud, 7> scenery{};

private:
    Stage() = default;
    void drawScreen(unsigned list) const;
};
