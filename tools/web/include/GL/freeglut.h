#pragma once

// freeglut's header as the game includes it. Emscripten's GLUT declares
// freeglut's calls in its standard header; glutWindowStatusFunc and
// glutIgnoreKeyRepeat are among them, implemented in glut-extras.js.
#include <GL/glut.h>
