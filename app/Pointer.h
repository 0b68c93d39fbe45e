#pragma once

#include <array>
#include <cstdint>

// Receives every mouse and keyboard event. It keeps the buttons' last states and
// the pointer's place in the world, moves the game on from the screens shown
// before play, zooms with "w" and "s", and drives the camera's edge scroll.
class Pointer {
public:
    static Pointer& instance();

    Pointer() = default;

    void onMotion(int x, int y);
    void onPassiveMotion(int x, int y);
    void onMouse(int button, int state, int x, int y);
    void onKeyDown(unsigned char key, int x, int y);
    void onKeyUp(int key, int x, int y);

    // Maps a window position (pixels, y down) to the world through the View.
    void setPosition(double x, double y);

    float worldX = 0;
    float worldY = 0;
    // Last state of the left, middle and right button: GLUT_DOWN (0) or GLUT_UP (1).
    std::array<std::int16_t, 3> buttons{1, 1, 1};
};
