#include "app/View.h"

#include "graphics/Stage.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <cmath>

namespace {

constexpr double nearPlane = 0.001;
constexpr double farPlane = 20.0; // beyond the greatest camera distance
constexpr double nearestDistance = 1.0;
constexpr double degreesToRadians = 0.017453292519943295;
constexpr float scrollBand = 0.2f;   // share of the square, at each edge, that scrolls
constexpr float scrollSpeed = 24.0f; // world units per second at the square's edge

// From 0 at the band's inner border to 1 at the low edge and -1 at the high
// edge, growing further outside the window; 0 between the bands.
float edgeFactor(float position, float size)
{
    float band = scrollBand * size;
    if (position >= size - band)
        return (size - position) / band - 1;
    if (position <= band)
        return 1 - position / band;
    return 0;
}

// The cube starts the scroll gently at the band's border.
float scrollRate(float factor)
{
    return factor * factor * factor * scrollSpeed;
}

}

View& View::instance()
{
    static View* view = new View();
    return *view;
}

// Every size is taken as it comes (a resize, maximised, full screen, tiled):
// the view keeps its square and only the pixels it spans change.
void View::reshape(int w, int h)
{
    height_ = h;
    square_ = FittedSquare::within(w, h);
    loadProjection();
}

void View::loadProjection()
{
    glViewport(square_.left, square_.bottomFrom(height_), square_.side, square_.side);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView_, 1.0, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
    apply();
}

void View::apply() const
{
    glLoadIdentity();
    glTranslatef(static_cast<float>(offsetX_), static_cast<float>(offsetY_), static_cast<float>(offsetZ_));
}

void View::move(double dx, double dy, double dz)
{
    offsetX_ += dx;
    offsetY_ += dy;
    offsetZ_ += dz;
    const Stage& stage = Stage::instance();
    double farthest = -(stage.top - stage.bottom) / 2;
    if (offsetZ_ > -nearestDistance)
        offsetZ_ = -nearestDistance;
    else if (offsetZ_ < farthest)
        offsetZ_ = farthest;
}

double View::halfExtent() const
{
    return std::fabs(offsetZ_) * std::tan(fieldOfView_ * 0.5 * degreesToRadians);
}

void View::edgeScroll(float x, float y, bool suppress)
{
    scrollVelocityX_ = 0;
    scrollVelocityY_ = 0;
    if (suppress)
        return;
    // Measured from the square's edges; the margins beside it lie beyond them.
    // Window y grows downwards, so the vertical factor is turned round.
    auto side = static_cast<float>(square_.side);
    scrollVelocityX_ = scrollRate(edgeFactor(x - static_cast<float>(square_.left), side));
    scrollVelocityY_ = scrollRate(-edgeFactor(y - static_cast<float>(square_.top), side));
}

void View::update(float dt)
{
    const Stage& stage = Stage::instance();
    double h = halfExtent();
    double cameraX = -(offsetX_ + dt * scrollVelocityX_);
    double cameraY = -(offsetY_ + dt * scrollVelocityY_);

    if (stage.right - stage.left < 2 * h)
        cameraX = (stage.left + stage.right) / 2;
    else if (cameraX > stage.right - h)
        cameraX = stage.right - h;
    else if (cameraX < stage.left + h)
        cameraX = stage.left + h;

    if (cameraY > stage.top - h)
        cameraY = stage.top - h;
    else if (cameraY < stage.bottom + h)
        cameraY = stage.bottom + h;

    offsetX_ = -cameraX;
    offsetY_ = -cameraY;
}
