#include "tests/support/GlContext.h"

#include <GL/freeglut.h>

void ensureGlContext()
{
    static bool created = false;
    if (created)
        return;
    int argc = 1;
    char name[] = "vorlund_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 800);
    glutCreateWindow("Vorlund! tests");
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    created = true;
}
