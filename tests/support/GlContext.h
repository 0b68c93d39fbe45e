#pragma once

// Opens one GLUT window (under Xvfb in the test run) so that
// tests can make textures and display lists and read pixels back. The window is
// 800x800 like the game's and stays open for the rest of the test program.
void ensureGlContext();
