# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (the POSIX-threads
# flavour, which C++ threads need). Headers, libraries and CMake packages are
# looked for only in the compiler's own sysroot and in the Windows libraries'
# install prefixes listed in VORLUND_DEPENDENCY_ROOTS, never among the build
# machine's Linux ones.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${VORLUND_DEPENDENCY_ROOTS})
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VORLUND_DEPENDENCY_ROOTS)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
