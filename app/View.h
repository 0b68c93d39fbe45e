#pragma once

#include "app/FittedSquare.h"

// The camera: it looks straight at the world plane z = 0 under a perspective
// projection. Its place across the plane is the scroll, its distance the zoom.
// It shows one square view in the largest square the window holds, scrolls
// when the pointer nears an edge of that square and always keeps what it sees
// inside the Stage.
class View {
public:
    static View& instance();

    View() = default;

    void reshape(int w, int h);
    void apply() const;
    void move(double dx, double dy, double dz);
    void update(float dt);
    void edgeScroll(float x, float y, bool suppress);

    // Half the side of the square of the world plane that the camera sees.
    double halfExtent() const;

    const FittedSquare& square() const { return square_; }
    double offsetX() const { return offsetX_; }
    double offsetY() const { return offsetY_; }
    double offsetZ() const { return offsetZ_; }
    float scrollVelocityX() const { return scrollVelocityX_; }
    float scrollVelocityY() const { return scrollVelocityY_; }

    // The window's size at start-up, where the screen has room for it.
    static constexpr int windowSize = 800;

private:
    void loadProjection();

    // Input that comes before the first reshape maps as in the starting window.
    int height_ = windowSize;
    FittedSquare square_ = FittedSquare::within(windowSize, windowSize);
    double fieldOfView_ = 90;
    double offsetX_ = 0;
    double offsetY_ = -5;
    double offsetZ_ = -5;
    float scrollVelocityX_ = 0;
    float scrollVelocityY_ = 0;
};
