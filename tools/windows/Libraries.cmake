# The game's libraries for Windows: the static builds that tools/build-windows.sh
# makes from Debian's sources, linked into the one .exe, so it needs no DLL
# beside it. The targets are the ones the Linux build uses, so the layers link
# them unchanged.
find_package(OpenGL REQUIRED COMPONENTS OpenGL)
find_package(Freetype REQUIRED)

# FindGLUT looks for neither freeglut's static library, which has a name of
# its own, nor its headers, which leave out glut.h on Windows. Its users must
# say they link it statically, and link what it calls.
find_path(GLUT_INCLUDE_DIR NAMES GL/freeglut.h REQUIRED)
find_library(GLUT_glut_LIBRARY_RELEASE NAMES freeglut_static REQUIRED)
find_package(GLUT REQUIRED)
set_property(TARGET GLUT::GLUT APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS FREEGLUT_STATIC)
set_property(TARGET GLUT::GLUT APPEND PROPERTY INTERFACE_LINK_LIBRARIES opengl32 glu32 gdi32 winmm)

include(${CMAKE_CURRENT_LIST_DIR}/../StaticSoundLibrary.cmake)
