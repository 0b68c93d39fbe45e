#!/usr/bin/env bash
# Builds Vorlund! for 64-bit Windows on Debian, in one command, into
# build/windows/: vorlund.exe (one file, every library linked in statically),
# a portable zip and an NSIS installer.
#
# The libraries (freeglut, FreeType, SDL2, SDL2_mixer) are cross-built from
# Debian's own source packages and kept outside the clone, in
# $VORLUND_WINDOWS_DEPS (default /var/cache/vorlund/windows-deps), one folder per
# package and version: a second run builds only the game, and a new Debian
# version of a library is built afresh beside the old one.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
tools/windows/install-deps.sh

out=$top/build/windows
cache=${VORLUND_WINDOWS_DEPS:-/var/cache/vorlund/windows-deps}
jobs=${VORLUND_JOBS:-$(nproc)}
toolchain=$top/tools/windows/mingw-w64.cmake
mkdir -p "$out" "$cache"

# The cross-compiler's toolchain, which looks for libraries only in roots.
configureForWindows() {
  local source=$1 build=$2 prefix=$3; shift 3
  cmake -S "$source" -B "$build" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DVORLUND_DEPENDENCY_ROOTS="$(rootList)" -DCMAKE_INSTALL_PREFIX="$prefix" "$@"
}
configure=configureForWindows
source tools/debian-libraries.sh

# Configuring runs one check at a time, so freeglut and FreeType build on the
# side while SDL2 configures; SDL2_mixer needs SDL2.
buildLibrary freeglut -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=ON \
  -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_GLES=OFF &
glut=$!
buildLibrary freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON &
freetype=$!
# The game asks SDL for sound alone; the window, input and drawing are GLUT's.
# (SDL's video stays: on Windows its core calls into it.)
buildLibrary libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_RENDER=OFF \
  -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF
roots=("$(prefixOf libsdl2)")
buildLibrary libsdl2-mixer "${sdlMixerOptions[@]}"
wait $glut
wait $freetype
roots=("$(prefixOf freeglut)" "$(prefixOf freetype)" "$(prefixOf libsdl2)" "$(prefixOf libsdl2-mixer)")

echo "== Cross-building the game"
cmake -S . -B "$out/game" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DVORLUND_DEPENDENCY_ROOTS="$(rootList)" \
  -DCMAKE_BUILD_TYPE=Release -DVORLUND_TESTS=OFF >/dev/null
cmake --build "$out/game" -j "$jobs"

echo "== Packing the portable zip and the installer"
version=1.0.0
stage=$out/Vorlund
rm -rf "$stage"
mkdir -p "$stage/res" "$stage/licences"
cp "$out/game/vorlund.exe" tools/windows/README.txt "$stage/"
cp -r res/images res/audio res/fonts res/icons res/LICENSE.txt "$stage/res/"
for prefix in "${roots[@]}"; do
  cp "$prefix/copyright" "$stage/licences/$(basename "$prefix").txt"
done
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licences/mingw-w64.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/gcc-runtime.txt"
# Text files as Windows' own editors expect them.
find "$stage" -name '*.txt' -exec sed -i 's/\r*$/\r/' {} +

zipFile=$out/vorlund-$version-windows.zip
rm -f "$zipFile"
(cd "$out" && zip -q -r -X "$zipFile" Vorlund)
makensis -V2 -DSTAGE="$stage" -DVERSION="$version" -DOUTFILE="$out/vorlund-$version-setup.exe" \
  tools/windows/vorlund.nsi
ls -l "$zipFile" "$out/vorlund-$version-setup.exe"
