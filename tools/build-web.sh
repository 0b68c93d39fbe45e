#!/usr/bin/env bash
# Builds Vorlund! for the web on Debian, in one command, into build/web/: a
# static folder of index.html, vorlund.js, vorlund.wasm, vorlund.data (the
# packed res/ tree) and the favicon, which any web server can serve.
#
# It compiles with Debian's Emscripten. FreeType, SDL2 and SDL2_mixer are built
# with it from Debian's own source packages, the same libraries as the Windows
# game's, and kept outside the clone in $VORLUND_WEB_DEPS (default
# /var/cache/vorlund/web-deps), one folder per package and version, so a second
# run builds only the game.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
tools/install-deps.sh
tools/debian-source-entries.sh

out=$top/build/web
cache=${VORLUND_WEB_DEPS:-/var/cache/vorlund/web-deps}
jobs=${VORLUND_JOBS:-$(nproc)}
mkdir -p "$out" "$cache"
# The node here may not be Debian's: Emscripten's optimiser finds Debian's
# acorn only through this.
export NODE_PATH=/usr/share/nodejs

# Emscripten's own toolchain, which looks for libraries in its sysroot and in roots.
configureForWeb() {
  local source=$1 build=$2 prefix=$3; shift 3
  emcmake cmake -S "$source" -B "$build" -G "Unix Makefiles" -DCMAKE_FIND_ROOT_PATH="$(rootList)" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
}
configure=configureForWeb
source tools/debian-libraries.sh

buildLibrary freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON &
freetype=$!
# Sound alone: the window, input and drawing are Emscripten's GLUT. A page has
# no threads without shared memory, which servers must opt into, so SDL runs
# without them; its browser audio needs none.
buildLibrary libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF -DSDL_VIDEO=OFF \
  -DSDL_RENDER=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF
roots=("$(prefixOf libsdl2)")
buildLibrary libsdl2-mixer "${sdlMixerOptions[@]}"
wait $freetype
roots=("$(prefixOf freetype)" "$(prefixOf libsdl2)" "$(prefixOf libsdl2-mixer)")

echo "== Building the game"
emcmake cmake -S . -B "$out/game" -DCMAKE_FIND_ROOT_PATH="$(rootList)" -DCMAKE_BUILD_TYPE=Release \
  -DVORLUND_TESTS=OFF >/dev/null
cmake --build "$out/game" -j "$jobs"

echo "== The page"
for file in index.html index.js index.wasm index.data; do
  cp "$out/game/$file" "$out/$file"
done
cp res/icons/favicon.ico "$out/favicon.ico"
(cd "$out" && ls -l index.html index.js index.wasm index.data favicon.ico)
