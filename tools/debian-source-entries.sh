#!/usr/bin/env bash
# Makes Debian's source packages reachable through apt-get source: the archive
# the machine already uses must offer its source entries too, a deb-src stanza
# beside each deb one in Debian 12's deb822 file, or a deb-src line beside each
# deb line in the older one-line format. Fetches the source indexes once they
# are there. Safe to run again and again; changes something only as root.
set -euo pipefail

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
if ! compgen -G '/var/lib/apt/lists/*_Sources*' >/dev/null; then
  needsRoot
  apt-get -o DPkg::Lock::Timeout=900 update -qq
fi
