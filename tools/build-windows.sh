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

sourceVersion() {
  apt-cache showsrc "$1" | awk '/^Version:/ { print $2 }' | sort -V | tail -n 1
}

# Where a package's library is cached: its folder is named by its version.
prefixOf() {
  local version
  version=$(sourceVersion "$1")
  [[ -n $version ]] || { echo "no Debian source for $1: are deb-src entries enabled?" >&2; exit 1; }
  echo "$cache/$1-$version"
}

roots=() # the install prefixes of the libraries a build may use
# As CMake takes a list: separated by semicolons.
rootList() { local IFS=';'; echo "${roots[*]}"; }

# crossBuild <Debian source package> <CMake options...>: builds the package's
# static library into its cached prefix unless it is there already, built with
# the same options.
crossBuild() {
  local package=$1; shift
  local prefix version
  prefix=$(prefixOf "$package")
  version=${prefix#"$cache/$package-"}
  if [[ "$(cat "$prefix/.built" 2>/dev/null)" != "$*" ]]; then
    echo "== Cross-building $package $version (cached in $prefix)"
    local work
    work=$(mktemp -d)
    chown _apt "$work" 2>/dev/null || true # apt fetches as its own user where it can
    (cd "$work" && apt-get source -qq --only-source "$package=$version" >/dev/null)
    local source
    source=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    rm -rf "$prefix"
    cmake -S "$source" -B "$work/build" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DVORLUND_DEPENDENCY_ROOTS="$(rootList)" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" >"$work/configure.log" ||
      { cat "$work/configure.log" >&2; exit 1; }
    cmake --build "$work/build" -j "$jobs" >"$work/build.log" 2>&1 || { tail -n 50 "$work/build.log" >&2; exit 1; }
    cmake --install "$work/build" >/dev/null
    cp "$source/debian/copyright" "$prefix/copyright" # its licence ships with the game
    echo "$*" >"$prefix/.built"
    rm -rf "$work"
  fi
}

# Configuring runs one check at a time, so freeglut and FreeType build on the
# side while SDL2 configures; SDL2_mixer needs SDL2.
crossBuild freeglut -DFREEGLUT_BUILD_SHARED_LIBS=OFF -DFREEGLUT_BUILD_STATIC_LIBS=ON \
  -DFREEGLUT_BUILD_DEMOS=OFF -DFREEGLUT_GLES=OFF &
glut=$!
crossBuild freetype -DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
  -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON &
freetype=$!
# The game asks SDL for sound alone; the window, input and drawing are GLUT's.
# (SDL's video stays: on Windows its core calls into it.)
crossBuild libsdl2 -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_RENDER=OFF \
  -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF
roots=("$(prefixOf libsdl2)")
# MP3 through the decoder built into SDL2_mixer: no decoder library to ship.
crossBuild libsdl2-mixer -DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF \
  -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF \
  -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VENDORED=OFF \
  -DSDL2MIXER_DEPS_SHARED=OFF
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
