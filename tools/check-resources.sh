#!/usr/bin/env bash
# Remakes every picture and sound into a scratch folder with the generator and
# compares them byte for byte with the files shipped under res/, and checks the
# shipped font is still the unchanged copy of the Debian package's Comfortaa
# Bold. Fails on the first difference.
#   tools/check-resources.sh <path to vorlund_resgen>
set -euo pipefail
generator=$(readlink -f "$1")
cd "$(dirname "$0")/.."

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$generator" "$scratch" res/fonts/Cookies.ttf
diff -r res/images "$scratch/images"
diff -r res/audio "$scratch/audio"

debianFont=/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf
if [[ -f $debianFont ]]; then
  cmp res/fonts/Cookies.ttf "$debianFont"
fi
echo "res/ matches a fresh run of the generator"
