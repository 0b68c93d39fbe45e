#include "tests/support/GlContext.h"

#include <GL/freeglut.h>
#include <cstring>
#include <dlfcn.h>
#include <iterator>
#include <link.h>

namespace {

// Kept loaded past exit, so that the leak checker can name, and so suppress, the GL driver's allocations.
int keepIfGlDriver(dl_phdr_info* library, std::size_t, void*)
{
    if (std::strstr(library->dlpi_name, "_dri.so") || std::strstr(library->dlpi_name, "libgallium"))
        dlopen(library->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    return 0;
}

}

void ensureGlContext()
{
    if (glutGet(GLUT_INIT_STATE))
        return;
    int argc = 1;
    char name[] = "vorlund_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(testWindowSide, testWindowSide);
    glutCreateWindow("Vorlund! tests");
    glutDisplayFunc([] {}); // tests draw when they choose, but the toolkit insists
    dl_iterate_phdr(keepIfGlDriver, nullptr);
    // Let the window be mapped, so that what tests draw is really on screen.
    for (int i = 0; i < 10; ++i)
        glutMainLoopEvent();
}

void viewSquare(double left, double bottom, double side)
{
    ensureGlContext();
    glViewport(0, 0, testWindowSide, testWindowSide);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, left + side, bottom, bottom + side, -side, side);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

std::vector<std::uint8_t> readTestWindow(unsigned component)
{
    std::vector<std::uint8_t> pixels(testWindowSide * testWindowSide);
    glReadPixels(0, 0, testWindowSide, testWindowSide, component, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::vector<float> drawingState()
{
    std::vector<float> state;
    for (GLenum query : {GL_CURRENT_COLOR, GL_TEXTURE_2D, GL_BLEND, GL_ALPHA_TEST, GL_DEPTH_TEST, GL_LIGHTING,
                         GL_CULL_FACE, GL_MATRIX_MODE, GL_MODELVIEW_MATRIX, GL_MODELVIEW_STACK_DEPTH}) {
        float values[16] = {}; // room for the largest: the matrix
        glGetFloatv(query, values);
        state.insert(state.end(), std::begin(values), std::end(values));
    }
    return state;
}
