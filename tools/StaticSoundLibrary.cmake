# SDL2_mixer built as a static library from Debian's sources (by
# tools/build-windows.sh and tools/build-web.sh). Its static build installs no
# pkg-config file, only its CMake package, whose target neither links SDL2 nor
# gives the folder above its headers, from which the game names them
# ("SDL2/SDL_mixer.h", as on Linux). Used this way, SDL2's main is not swapped
# for SDL_main either.
find_package(SDL2 CONFIG REQUIRED)
find_package(SDL2_mixer CONFIG REQUIRED)
find_path(VORLUND_SDL2_MIXER_INCLUDE_DIR NAMES SDL2/SDL_mixer.h REQUIRED)
set_property(TARGET SDL2_mixer::SDL2_mixer-static APPEND PROPERTY
             INTERFACE_INCLUDE_DIRECTORIES ${VORLUND_SDL2_MIXER_INCLUDE_DIR})
set_property(TARGET SDL2_mixer::SDL2_mixer-static APPEND PROPERTY INTERFACE_LINK_LIBRARIES SDL2::SDL2-static)
set(VORLUND_SOUND_LIBRARY SDL2_mixer::SDL2_mixer-static)
