#!/usr/bin/env bash
# Installs the Debian packages Vorlund! needs to build, run, test, package and
# remake its resources, and only those that are missing. Safe to run again and again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  freeglut3-dev libglu1-mesa-dev libgl1-mesa-dri
  libfreetype-dev libsdl2-mixer-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth libxtst-dev libxrandr-dev openbox desktop-file-utils
  lame fonts-comfortaa
  dpkg-dev lintian appstream
  emscripten node-acorn chromium
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

[[ ${#missing[@]} -eq 0 ]] && exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "Vorlund! needs these Debian packages, which are not installed:" >&2
  echo "  ${missing[*]}" >&2
  echo "Run this script as root (or: sudo apt-get install ${missing[*]})." >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get -o DPkg::Lock::Timeout=900 update -qq
apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
