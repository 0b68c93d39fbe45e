#include "app/Callbacks.h"

#include "app/Game.h"
#include "app/Pointer.h"
#ifdef _WIN32
#include "app/DisplaySync.h"
#endif
#include "app/View.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <stdexcept>

namespace {

// The callbacks hold no state: each forwards to its singleton.
void onReshape(int w, int h) { View::instance().reshape(w, h); }
void onDisplay() { Game::instance().display(); }
void onIdle() { Game::instance().idle(); }
void onMotion(int x, int y) { Pointer::instance().onMotion(x, y); }
void onPassiveMotion(int x, int y) { Pointer::instance().onPassiveMotion(x, y); }
void onMouse(int button, int state, int x, int y) { Pointer::instance().onMouse(button, state, x, y); }
void onKeyDown(unsigned char key, int x, int y) { Pointer::instance().onKeyDown(key, x, y); }
void onKeyUp(unsigned char key, int x, int y) { Pointer::instance().onKeyUp(key, x, y); }
void onSpecialKey(int key, int x, int y) { Pointer::instance().onKeyUp(key, x, y); }

void openWindow(int* argc, char** argv)
{
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(View::windowSize, View::windowSize);
    glutCreateWindow("Vorlund!");
    glutPositionWindow(100, 100);
#ifdef _WIN32
    requestVsync();
#endif
}

void registerCallbacks()
{
    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    glutIdleFunc(onIdle);
    glutMotionFunc(onMotion);
    glutPassiveMotionFunc(onPassiveMotion);
    glutMouseFunc(onMouse);
    glutKeyboardFunc(onKeyDown);
    glutKeyboardUpFunc(onKeyUp);
    glutSpecialFunc(onSpecialKey);
    glutSpecialUpFunc(onSpecialKey);
    glutIgnoreKeyRepeat(1);
}

}

int runGame(int argc, char** argv)
{
    openWindow(&argc, argv);
    // A resource the game cannot do without (its font) stops start-up with a
    // plain message rather than an abort.
    try {
        Game::instance().setup();
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    registerCallbacks();
    glutMainLoop();
    return 0;
}
