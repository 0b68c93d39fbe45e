#!/usr/bin/env bash
# Installs what the Windows build and its Wine tests need on Debian, and only
# what is missing: the mingw-w64 cross compiler, NSIS, zip, Wine, and the
# source entries through which the libraries' own Debian sources are fetched.
# Safe to run again and again.
set -euo pipefail

packages=(
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  cmake pkg-config make dpkg-dev nsis zip unzip
  wine wine64 xvfb xauth xdotool x11-utils imagemagick
)

# The libraries are built from Debian's own sources, so the archive the machine
# already uses must offer its source entries too: a deb-src stanza beside each
# deb one in Debian 12's deb822 file, or a deb-src line beside each deb line in
# the older one-line format.
sources=/etc/apt/sources.list.d/debian.sources
sourceList=/etc/apt/sources.list
needsRoot() {
  [[ $(id -u) -eq 0 ]] || { echo "Run this script as root to enable Debian's source entries" >&2; exit 1; }
}
if [[ -f $sources ]]; then
  if ! grep -q '^Types:.*deb-src' "$sources"; then
    needsRoot
    stanzas=$(sed -e 's/^Types: deb$/Types: deb-src/' "$sources")
    printf '\n%s\n' "$stanzas" >>"$sources"
  fi
elif [[ -f $sourceList ]] && ! grep -q '^deb-src ' "$sourceList"; then
  needsRoot
  lines=$(sed -n 's/^deb /deb-src /p' "$sourceList")
  printf '%s\n' "$lines" >>"$sourceList"
fi
# Source indexes are fetched only by an update after the entries are added.
needUpdate=0
compgen -G '/var/lib/apt/lists/*_Sources*' >/dev/null || needUpdate=1

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if [[ ${#missing[@]} -gt 0 || $needUpdate -eq 1 ]]; then
  if [[ $(id -u) -ne 0 ]]; then
    echo "The Windows build needs these Debian packages: ${missing[*]}" >&2
    echo "Run this script as root (or: sudo apt-get install ${missing[*]})." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get -o DPkg::Lock::Timeout=900 update -qq
  if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi
