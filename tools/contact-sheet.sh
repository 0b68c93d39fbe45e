#!/usr/bin/env bash
# Lays every picture under res/images on a checkerboard, so their transparency
# shows, into one contact sheet for reviewing the art. Needs ImageMagick.
#   tools/contact-sheet.sh [output.png]   (default docs/res-contact-sheet.png)
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/res-contact-sheet.png}
tile=300

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/fitted" "$scratch/tiles"

for picture in res/images/*.tga; do
  name=$(basename "$picture" .tga)
  fitted=$scratch/fitted/$name.png
  convert "$picture" -resize "${tile}x${tile}" "$fitted"
  convert -size "$(identify -format '%wx%h' "$fitted")" pattern:checkerboard "$fitted" -composite \
    -set label "$name.tga ($(identify -format '%wx%h' "$picture"))" "$scratch/tiles/$name.png"
done

montage "$scratch"/tiles/*.png -tile 4x -geometry "${tile}x${tile}+12+12" \
  -background '#3a3f4b' -fill white -pointsize 16 "$output"
echo "wrote $output"
