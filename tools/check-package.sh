#!/usr/bin/env bash
# Builds the Debian package (tools/make-deb.sh) and holds it to what Debian
# asks: lintian reports no error and no warning, the AppStream data and the
# menu entry validate, the launcher reaches the game and its data inside the
# package, and the font it links to is where fonts-comfortaa puts it.
#   tools/check-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(tools/make-deb.sh)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "lintian $(basename "$deb"):"
lintian --fail-on error,warning "$deb"

dpkg-deb -x "$deb" "$scratch"
appstreamcli validate --no-net "$scratch"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$scratch/usr/share/applications/vorlund.desktop"
echo "vorlund.desktop: valid"

# The launcher runs "$here/<path>" relative to its own folder: each such path
# must lead to something the package holds.
launcher=$scratch/usr/games/vorlund
sh -n "$launcher"
grep -o '\$here/[^"]*' "$launcher" | sed 's|^\$here/||' | while IFS= read -r path; do
  if [[ ! -e $scratch/usr/games/$path ]]; then
    echo "the launcher points at $path, which the package lacks" >&2
    exit 1
  fi
done
fonts=/usr/share/games/vorlund/res/fonts
test -f "$(realpath -m "$fonts/$(readlink "$scratch$fonts/Cookies.ttf")")"
echo "$(basename "$deb"): the launcher reaches the game and its data; the font link is sound"
