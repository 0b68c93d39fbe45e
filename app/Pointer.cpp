#include "app/Pointer.h"

#include "app/Game.h"
#include "app/View.h"
#include "construction/HoverAndPreview.h"
#include "construction/Placement.h"

#include <GL/freeglut.h>
#include <algorithm>

namespace {

constexpr double zoomStep = 0.5;

}

Pointer& Pointer::instance()
{
    static Pointer* pointer = new Pointer();
    return *pointer;
}

void Pointer::setPosition(double x, double y)
{
    // Read through the square the view is drawn in; a place beyond it (a drag
    // out of the window, or into a margin) stays on its border.
    const View& view = View::instance();
    double u = std::clamp(view.square().across(x), -1.0, 1.0);
    double v = std::clamp(view.square().up(y), -1.0, 1.0);
    worldX = static_cast<float>(view.halfExtent() * u - view.offsetX());
    worldY = static_cast<float>(view.halfExtent() * v - view.offsetY());
}

void Pointer::onMotion(int x, int y)
{
    setPosition(x, y);
    bool leftHeld = buttons[GLUT_LEFT_BUTTON] == GLUT_DOWN;
    bool rightAlone = !leftHeld && buttons[GLUT_RIGHT_BUTTON] == GLUT_DOWN;
    hoverAndPreview(worldX, worldY, leftHeld);
    View::instance().edgeScroll(static_cast<float>(x), static_cast<float>(y), rightAlone);
}

void Pointer::onPassiveMotion(int x, int y)
{
    setPosition(x, y);
    hoverAndPreview(worldX, worldY, false);
    View::instance().edgeScroll(static_cast<float>(x), static_cast<float>(y), false);
}

void Pointer::onMouse(int button, int state, int, int)
{
    // A wheel turn or a side button arrives as a further button number. It is
    // no button of the game's: it neither moves the screens on nor picks up,
    // and above all it must not end a drag by reaching placement as a release.
    if (button < 0 || button >= static_cast<int>(buttons.size()))
        return;
    buttons[static_cast<std::size_t>(button)] = static_cast<std::int16_t>(state);
    if (state == GLUT_DOWN && gameState == Title) {
        gameState = Instructions;
        return;
    }
    if (state == GLUT_DOWN && gameState == Instructions) {
        gameState = Play;
        return;
    }
    // Every press in play and every release, at the place of the last motion.
    bool press = state == GLUT_DOWN;
    pointerButton(worldX, worldY, press && button == GLUT_LEFT_BUTTON, press && button == GLUT_RIGHT_BUTTON, press);
}

void Pointer::onKeyDown(unsigned char key, int, int)
{
    if (key == 'w')
        View::instance().move(0, 0, -zoomStep);
    else if (key == 's')
        View::instance().move(0, 0, zoomStep);
}

void Pointer::onKeyUp(int, int, int)
{
}
