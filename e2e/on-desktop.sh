#!/usr/bin/env bash
# Runs a command on a desktop of its own: a fresh Xvfb screen of the given size with
# openbox managing its windows, as a player's desktop has them. Ends both after it.
#   e2e/on-desktop.sh WIDTHxHEIGHT COMMAND [ARGUMENTS...]
set -euo pipefail
size=$1
shift
scratch=$(mktemp -d)
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT

# Xvfb picks a free display itself and writes its number once it takes clients,
# so runs side by side never race for one.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
pids+=($!)
waited=0
until [[ -s $scratch/display ]]; do
  (( waited++ < 200 )) || { echo "Xvfb did not start:" >&2; cat "$scratch/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
export DISPLAY=:$(head -n1 "$scratch/display")

# openbox runs its start-up command once it manages the screen.
openbox --sm-disable --startup "touch $scratch/managed" >"$scratch/openbox.log" 2>&1 &
pids+=($!)
waited=0
until [[ -e $scratch/managed ]]; do
  (( waited++ < 200 )) || { echo "openbox did not start:" >&2; cat "$scratch/openbox.log" >&2; exit 1; }
  sleep 0.05
done

"$@"
