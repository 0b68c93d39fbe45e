# Builds libraries from Debian's own source packages with CMake, for another
# platform than the build machine's, each into a cache folder of its own named
# by the package and its Debian version: a later run finds it there, and a new
# Debian version is built afresh beside the old one. Sourced by the builds for
# Windows and for the web, which set first:
#   cache        the cache folder
#   jobs         how many compilers may run at once
#   configure    the name of a function that configures one library's build:
#                configure <source folder> <build folder> <install prefix> <CMake options...>
#                with the platform's toolchain and the prefixes in roots

roots=() # the install prefixes of the libraries a build may use
# SDL2_mixer as every platform's game wants it: MP3 alone, through the decoder
# built into it, so there is no decoder library to ship.
sdlMixerOptions=(-DSDL2MIXER_MP3=ON -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_MP3_MPG123=OFF
  -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF
  -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF)
# As CMake takes a list: separated by semicolons.
rootList() { local IFS=';'; echo "${roots[*]}"; }

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

# buildLibrary <Debian source package> <CMake options...>: builds the package's
# static library into its cached prefix unless it is there already, built with
# the same options.
buildLibrary() {
  local package=$1; shift
  local prefix version
  prefix=$(prefixOf "$package")
  version=${prefix#"$cache/$package-"}
  if [[ "$(cat "$prefix/.built" 2>/dev/null)" != "$*" ]]; then
    echo "== Building $package $version (cached in $prefix)"
    local work
    work=$(mktemp -d)
    chown _apt "$work" 2>/dev/null || true # apt fetches as its own user where it can
    (cd "$work" && apt-get source -qq --only-source "$package=$version" >/dev/null)
    local source
    source=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
    rm -rf "$prefix"
    "$configure" "$source" "$work/build" "$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF "$@" \
      >"$work/configure.log" 2>&1 || { tail -n 50 "$work/configure.log" >&2; exit 1; }
    cmake --build "$work/build" -j "$jobs" >"$work/build.log" 2>&1 || { tail -n 50 "$work/build.log" >&2; exit 1; }
    cmake --install "$work/build" >/dev/null
    cp "$source/debian/copyright" "$prefix/copyright" # its licence ships with the game
    echo "$*" >"$prefix/.built"
    rm -rf "$work"
  fi
}
