#include "app/Callbacks.h"

#include "app/DisplaySync.h"
#include "app/Game.h"
#include "app/Pointer.h"
#include "app/View.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <stdexcept>

namespace {

constexpr int frameTimerValue = 0;

// The callbacks hold no state: each forwards to its singleton. A press or a key
// may change the picture, which on the screens before play is drawn only then.
void onReshape(int w, int h)
{
    View::instance().reshape(w, h);
    Game::instance().wake();
}
void onDisplay() { Game::instance().display(); }
void onFrameTimer(int) { Game::instance().idle(); }
void onWindowStatus(int status) { Game::instance().windowShown(status != GLUT_HIDDEN && status != GLUT_FULLY_COVERED); }
void onMotion(int x, int y) { Pointer::instance().onMotion(x, y); }
void onPassiveMotion(int x, int y) { Pointer::instance().onPassiveMotion(x, y); }
void onMouse(int button, int state, int x, int y)
{
    Pointer::instance().onMouse(button, state, x, y);
    Game::instance().wake();
}
void onKeyDown(unsigned char key, int x, int y)
{
    Pointer::instance().onKeyDown(key, x, y);
    Game::instance().wake();
}
void onKeyUp(unsigned char key, int x, int y) { Pointer::instance().onKeyUp(key, x, y); }
void onSpecialKey(int key, int x, int y) { Pointer::instance().onKeyUp(key, x, y); }

void openWindow(int* argc, char** argv)
{
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(View::windowSize, View::windowSize);
    glutCreateWindow("Vorlund!");
    glutPositionWindow(100, 100);
}

#ifdef VORLUND_UNCAPPED
// The old loop, kept to measure what pacing saves: a frame whenever the
// toolkit is idle, as fast as it delivers them.
void onIdle() { Game::instance().idle(); }

void startFrames()
{
    Game::instance().pace(FramePacer::uncapped());
    glutIdleFunc(onIdle);
}
#else
// The swaps wait for the display's refresh where the driver can do that, and a
// timer at the same rate keeps the frames from running ahead where it cannot.
void startFrames()
{
    requestVsync();
    double rate = displayRefreshRate();
    Game::instance().pace(FramePacer::paced(rate > 0 ? rate : FramePacer::usualRefreshRate));
}
#endif

void registerCallbacks()
{
    glutReshapeFunc(onReshape);
    glutDisplayFunc(onDisplay);
    glutWindowStatusFunc(onWindowStatus);
    startFrames();
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

int runGame(int argc, char** argv, void (*afterSetup)())
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
    if (afterSetup != nullptr)
        afterSetup();
    registerCallbacks();
    glutMainLoop();
    return 0;
}

void setFrameTimer(unsigned delayMs)
{
    glutTimerFunc(delayMs, onFrameTimer, frameTimerValue);
}
