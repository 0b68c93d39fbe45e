#!/usr/bin/env bash
# Remakes every picture and sound into a scratch folder with the generator and
# compares them with the files shipped under res/, saying which differ and by
# how much, and checks the shipped font is still the unchanged copy of the
# Debian package's Comfortaa Bold.
#   tools/check-resources.sh <path to vorlund_resgen> <path to vorlund_rescompare>
set -euo pipefail
generator=$(readlink -f "$1")
compare=$(readlink -f "$2")
cd "$(dirname "$0")/.."

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$generator" "$scratch" res/fonts/Cookies.ttf
"$compare" res "$scratch"

debianFont=/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf
if [[ -f $debianFont ]]; then
  cmp res/fonts/Cookies.ttf "$debianFont"
fi
echo "res/ matches a fresh run of the generator"
