#pragma once

// The camera: it looks straight at the world plane z = 0 under a perspective
// projection. Its place across the plane is the scroll, its distance the zoom.
// It holds the window at 800x800, scrolls when the pointer nears a window edge
// and always keeps what it sees inside the Stage.
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

    int width() const { return width_; }
    int height() const { return height_; }
    double offsetX() const { return offsetX_; }
    double offsetY() const { return offsetY_; }
    double offsetZ() const { return offsetZ_; }
    float scrollVelocityX() const { return scrollVelocityX_; }
    float scrollVelocityY() const { return scrollVelocityY_; }

    static constexpr int windowSize = 800;

private:
    void loadProjection();

    // The window is locked to its size, so input that comes before the first
    // reshape still maps correctly.
    int width_ = windowSize;
    int height_ = windowSize;
    double fieldOfView_ = 90;
    double offsetX_ = 0;
    double offsetY_ = -5;
    double offsetZ_ = -5;
    float scrollVelocityX_ = 0;
    float scrollVelocityY_ = 0;
};
