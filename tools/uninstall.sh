#!/usr/bin/env bash
# Removes what `cmake --install <build folder>` put under its prefix: every
# installed file, then every folder that install made and that is now empty.
# Folders that were there before the install stay, empty or not.
#   sudo tools/uninstall.sh build/release
set -euo pipefail
build=$1
manifest=$build/install_manifest.txt
record=$build/install_made_folders.txt
[[ -f $manifest ]] || { echo "nothing installed from $build (no $manifest)" >&2; exit 1; }

xargs -d '\n' rm -f -- < "$manifest"
if [[ -f $record ]]; then
  # Deepest first: in reverse order a folder comes before the one holding it.
  sort -ru "$record" | while IFS= read -r folder; do
    rmdir -- "$folder" 2>/dev/null || true
  done
  # Folders still there (someone put files in them) are left to the next try.
  kept=$(sort -u "$record" | while IFS= read -r folder; do [[ -d $folder ]] && echo "$folder"; done || true)
  if [[ -n $kept ]]; then echo "$kept" > "$record"; else rm -f "$record"; fi
fi
rm -f "$manifest"
