#include "app/Callbacks.h"

#include "app/DisplaySync.h"
#include "app/Game.h"
#include "app/Pointer.h"
#include "app/StartingWindow.h"
#include "app/View.h"
#include "audio/SoundBank.h"
#include "text/Font.h"

#include <GL/freeglut.h>
#include <cstdio>
#include <stdexcept>

namespace {

// The installed game's command, which starts it from its own folder.
constexpr const char* installedLauncher = "the installed launcher, vorlund";
constexpr int frameTimerValue = 0;
constexpr unsigned settleDelayMs = 100;

// The callbacks hold no state: each forwards to its singleton. A press or a key
// may change the picture, which on the screens before play is drawn only then.
void onSettled(int) { Game::instance().wake(); }
// Mesa may draw the first frame after a resize at the old size. Play draws on,
// but the screens, drawn only when something changes, are drawn once more a
// moment later, so the picture settles at the window's new size.
void onReshape(int w, int h)
{
    View::instance().reshape(w, h);
    Game::instance().wake();
    glutTimerFunc(settleDelayMs, onSettled, 0);
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

// Placed before it is shown, so that the window manager opens it there at once.
void openWindow(int* argc, char** argv)
{
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    StartingWindow place = startingWindow(desktopWorkArea());
    glutInitWindowSize(place.side, place.side);
    glutInitWindowPosition(place.x, place.y);
    glutCreateWindow("Vorlund!");
}

// The sounds still loading say first what they have to say, and are done
// before the game ends under them. A font file to blame is named, with where
// it was looked for, above FreeType's own words.
void reportFailedStart(const std::runtime_error& error)
{
    SoundBank::instance().finishLoading();
    if (const auto* fontFile = dynamic_cast<const FontFileError*>(&error))
        std::fprintf(stderr, "Vorlund!: %s; start the game from the folder that holds res/, or with %s\n",
                     fontFile->problem().c_str(), installedLauncher);
    std::fprintf(stderr, "%s\n", error.what());
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
        reportFailedStart(error);
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
