# The game's libraries for the web. FreeType, SDL2 and SDL2_mixer are the static
# builds that tools/build-web.sh makes from Debian's sources. The window, the
# input and the drawing are Emscripten's own: its GLUT, and its emulation of
# fixed-function OpenGL on WebGL. The targets are the ones the Linux build uses,
# so the layers link them unchanged.
find_package(Freetype REQUIRED)
include(${CMAKE_CURRENT_LIST_DIR}/../StaticSoundLibrary.cmake)

add_library(OpenGL::GL INTERFACE IMPORTED)
target_link_options(OpenGL::GL INTERFACE -sLEGACY_GL_EMULATION=1)
add_library(OpenGL::GLU INTERFACE IMPORTED)
target_link_libraries(OpenGL::GLU INTERFACE OpenGL::GL)
# Emscripten ships freeglut's standard header alone, and leaves out two of its
# calls the game makes; the header beside this file and glut-extras.js add them.
add_library(GLUT::GLUT INTERFACE IMPORTED)
target_include_directories(GLUT::GLUT INTERFACE ${CMAKE_CURRENT_LIST_DIR}/include)
target_link_options(GLUT::GLUT INTERFACE "SHELL:--js-library ${CMAKE_CURRENT_LIST_DIR}/glut-extras.js")

# Catching is off by default in Emscripten, where a throw aborts; the game
# catches a font it cannot use to say so, as on the desktop.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)
