#!/usr/bin/env bash
# Installs the built game into a scratch prefix, checks the menu entry and icon
# are where desktops look for them, and starts the installed launcher from
# another folder: the game must find its pictures, sounds and font there and
# keep running. Needs an X display (the test run provides one).
#   tools/check-install.sh <build folder>
set -euo pipefail
build=$(readlink -f "$1")
scratch=$(mktemp -d)
trap 'kill "$game" 2>/dev/null; rm -rf "$scratch"' EXIT
game=""

prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
test -f "$prefix/share/icons/hicolor/256x256/apps/vorlund.png"
desktop-file-validate "$prefix/share/applications/vorlund.desktop"

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
