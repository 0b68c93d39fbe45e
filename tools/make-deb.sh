#!/usr/bin/env bash
# Builds the Debian package of Vorlund! from this checkout and prints its path:
# the game alone (no tests) with Debian's hardening flags, installed stripped
# into a staging root as Debian lays out games, with the documentation Debian
# asks for, the font linked to fonts-comfortaa's copy, and the library
# dependencies dpkg-shlibdeps works out. The package's own files are in
# tools/debian/ (control, changelog, copyright).
#   tools/make-deb.sh        # prints build/package/vorlund_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
umask 022
top=$PWD
build=$top/build/package
root=$build/root
meta=$build/meta

# Debian's compiler and linker flags, hardening included; CMake reads no CPPFLAGS.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=None -DVORLUND_TESTS=OFF "${launcher[@]}" \
  -DCMAKE_INSTALL_PREFIX=/usr -DVORLUND_LAUNCHER_DIR=games -DVORLUND_GAME_DIR=libexec/vorlund \
  -DVORLUND_DATA_DIR=share/games/vorlund >/dev/null
cmake --build "$build" --target vorlund -j "$(nproc)" >/dev/null
rm -rf "$root" "$meta"
DESTDIR=$root cmake --install "$build" >/dev/null
# As Debian's own packaging tools strip: symbols and the notes nothing reads.
strip --remove-section=.comment --remove-section=.note --strip-unneeded "$root/usr/libexec/vorlund/vorlund"

doc=$root/usr/share/doc/vorlund
mkdir -p "$doc"
cp tools/debian/copyright "$doc/"
gzip -9n < tools/debian/changelog > "$doc/changelog.gz"
gzip -9n "$root/usr/share/man/man6/vorlund.6"

# Debian ships the font once, in fonts-comfortaa; its licence is in copyright.
fonts=/usr/share/games/vorlund/res/fonts
rm "$root$fonts"/*
ln -s "$(realpath -m --relative-to="$fonts" /usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf)" \
  "$root$fonts/Cookies.ttf"

mkdir -p "$meta/debian" "$root/DEBIAN"
cp tools/debian/control tools/debian/changelog "$meta/debian/"
(
  cd "$meta"
  dpkg-shlibdeps -Tdebian/substvars "$root/usr/libexec/vorlund/vorlund"
  dpkg-gencontrol -pvorlund -P"$root" -Tdebian/substvars -fdebian/files
)
(cd "$root" && find . -path ./DEBIAN -prune -o -type f -printf '%P\0' | sort -z | xargs -0 md5sum > DEBIAN/md5sums)

version=$(dpkg-parsechangelog -l tools/debian/changelog -S Version)
deb=$build/vorlund_${version}_$(dpkg --print-architecture).deb
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l tools/debian/changelog -S Timestamp) \
  dpkg-deb --root-owner-group --build "$root" "$deb" >/dev/null
echo "$deb"
