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

"$(dirname "$0")/../debian-source-entries.sh"

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if [[ ${#missing[@]} -gt 0 ]]; then
  if [[ $(id -u) -ne 0 ]]; then
    echo "The Windows build needs these Debian packages: ${missing[*]}" >&2
    echo "Run this script as root (or: sudo apt-get install ${missing[*]})." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  echo "Installing: ${missing[*]}"
  apt-get -o DPkg::Lock::Timeout=900 update -qq
  apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
