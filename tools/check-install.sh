#!/usr/bin/env bash
# Installs the built game into a scratch prefix, checks the menu entry, icons,
# AppStream data and manual page are where desktops and man look for them,
# and starts the installed launcher from another folder: the game must find
# its pictures, sounds and font there and keep running. Then uninstalls it,
# which must leave nothing behind, not even an empty folder. Needs an X
# display (the test run provides one).
#   tools/check-install.sh <build folder>
set -euo pipefail
build=$(readlink -f "$1")
tools=$(dirname "$(readlink -f "$0")")
scratch=$(mktemp -d)
trap 'if [[ -n $game ]]; then kill "$game" 2>/dev/null || true; fi; rm -rf "$scratch"' EXIT
game=""

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
# A PNG's width and height are the big-endian words at bytes 16 and 20.
pngSize() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in 16 32 48 64 128 256; do
  [[ $(pngSize "$prefix/share/icons/hicolor/${size}x$size/apps/vorlund.png") == "${size}x$size" ]]
done
desktop-file-validate "$prefix/share/applications/vorlund.desktop"
test -f "$prefix"/share/metainfo/*.metainfo.xml
test -f "$prefix/share/man/man6/vorlund.6"

mkdir "$scratch/elsewhere"
cd "$scratch/elsewhere"
SDL_AUDIODRIVER=dummy "$prefix/bin/vorlund" 2>"$scratch/errors" &
game=$!
sleep 3
if ! kill -0 "$game" 2>/dev/null; then
  echo "the installed game stopped:" >&2
  cat "$scratch/errors" >&2
  exit 1
fi
# It reports nothing unless a sound or the font is missing.
if [[ -s $scratch/errors ]]; then
  echo "the installed game is missing resources:" >&2
  cat "$scratch/errors" >&2
  exit 1
fi
echo "the installed game runs from $PWD"
kill "$game"
wait "$game" 2>/dev/null || true
game=""

"$tools/uninstall.sh" "$build"
if [[ -e $prefix ]]; then
  echo "uninstalling left behind:" >&2
  find "$prefix" >&2
  exit 1
fi
echo "uninstalling left nothing behind"
