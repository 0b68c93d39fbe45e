#include "tests/support/GlContext.h"

#include <GL/freeglut.h>
#include <cstring>
#include <dlfcn.h>
#include <link.h>

namespace {

// The GL driver is unloaded at exit, before the leak checker runs, and its
// allocations would then show up nameless, beyond the reach of the leak
// suppressions. Keeping whatever driver the context loaded, wherever the system
// keeps it, keeps their names.
int keepIfGlDriver(dl_phdr_info* library, std::size_t, void*)
{
    if (std::strstr(library->dlpi_name, "_dri.so") != nullptr || std::strstr(library->dlpi_name, "libgallium"))
        dlopen(library->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
    return 0;
}

}

void ensureGlContext()
{
    static bool created = false;
    if (created)
        return;
    created = true;
    int argc = 1;
    char name[] = "vorlund_tests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(testWindowSide, testWindowSide);
    glutCreateWindow("Vorlund! tests");
    glutDisplayFunc([] {}); // tests draw when they choose, but the toolkit insists
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    dl_iterate_phdr(keepIfGlDriver, nullptr);
    // Let the window be mapped, so that what tests draw is really on screen.
    for (int i = 0; i < 10; ++i)
        glutMainLoopEvent();
}

std::vector<std::uint8_t> readTestWindow(unsigned component)
{
    std::vector<std::uint8_t> pixels(testWindowSide * testWindowSide);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, testWindowSide, testWindowSide, component, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

std::vector<float> drawingState()
{
    constexpr int mostValues = 16; // the matrix
    std::vector<float> state;
    for (GLenum query : {GL_CURRENT_COLOR, GL_TEXTURE_2D, GL_BLEND, GL_ALPHA_TEST, GL_DEPTH_TEST, GL_LIGHTING,
                         GL_CULL_FACE, GL_MATRIX_MODE, GL_MODELVIEW_MATRIX, GL_MODELVIEW_STACK_DEPTH, GL_LIST_BASE}) {
        float values[mostValues] = {};
        glGetFloatv(query, values);
        state.insert(state.end(), values, values + mostValues);
    }
    return state;
}
