#include "tests/support/GlContext.h"

#include <GL/freeglut.h>
#include <dlfcn.h>

namespace {

// Tests draw when they choose; the toolkit insists on a display callback anyway.
void drawNothing()
{
}

// The software GL driver is unloaded at exit, before the leak checker runs, and
// its allocations would then show up nameless, beyond the reach of the leak
// suppressions. Keeping it loaded keeps their names.
void keepGlDriverLoaded()
{
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
}

}

void ensureGlContext()
{
    static bool created = false;
    if (created)
        return;
    keepGlDriverLoaded();
    int argc = 1;
    char name[] = "vorlund_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 800);
    glutCreateWindow("Vorlund! tests");
    glutDisplayFunc(drawNothing);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    // Let the window be mapped, so that what tests draw is really on screen.
    for (int i = 0; i < 10; ++i)
        glutMainLoopEvent();
    created = true;
}
