#!/usr/bin/env bash
# Plays the Windows build under Wine on the X display in $DISPLAY, as a player
# would, through real X input, and checks what its window shows against the
# Linux build's window on the same display:
#   tools/windows/test-wine.sh <build/windows folder> <Linux vorlund binary>
# - the portable zip's game, started from another folder, opens a window titled
#   "Vorlund!" that shows the title, the instructions and play as the Linux build
#   does; a crawler picked up and dropped above the starting structure becomes a
#   ball; its sound reaches SDL's disk driver; closing the window exits 0;
# - the installer installs silently, the Start-menu entry and the entry in the
#   list of installed programs are there, the installed game starts from another
#   folder, and the uninstaller removes all of it.
# Screenshots are left in $VORLUND_WINE_SHOTS when it is set.
set -euo pipefail
windows=$(readlink -f "$1")
linuxGame=$(readlink -f "$2")
top=$(readlink -f "$(dirname "$0")/../..")
version=1.0.0

scratch=$(mktemp -d)
shots=${VORLUND_WINE_SHOTS:-$scratch/shots}
mkdir -p "$shots" "$scratch/elsewhere"
export WINEPREFIX=$scratch/wine WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko: nothing here needs them, and their installers would wait for a click.
export WINEDLLOVERRIDES="mscoree,mshtml="
game=0
cleanup() {
  [[ $game -ne 0 ]] && kill "$game" 2>/dev/null
  wineserver -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
step() { echo "-- $*"; }

# At the starting camera a metre is 80 pixels and the window's top is 10 m up:
# the drop is a metre above the middle of the starting structure's top two
# balls, and crawlers climb it between 2.5 m left and right, up to 2.5 m.
side=800
dropX=400 dropY=520
climbLeft=200 climbTop=600 climbWidth=400 climbHeight=200

# waitFor <seconds> <command...>: runs the command every fifth of a second until it succeeds.
waitFor() {
  local deadline=$((SECONDS + $1)); shift
  while ! "$@" 2>/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

gameWindow() { xdotool search --onlyvisible --name '^Vorlund!$' | head -n 1; }
windowShown() { [[ -n $(gameWindow) ]]; }
# The game's window, and where it is on the screen: clicks are given in the window's pixels.
findWindow() {
  window=$(gameWindow)
  windowLeft=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print $NF }')
  windowTop=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ { print $NF }')
}
pointAt() { xdotool mousemove $((windowLeft + $1)) $((windowTop + $2)); }
grab() { import -window "$window" "$1"; }
# The share, in thousandths, of pixels that differ noticeably between two pictures.
differing() {
  local count
  count=$(compare -metric AE -fuzz 10% "$1" "$2" null: 2>&1 >/dev/null || true)
  echo $((${count%%.*} * 1000 / (side * side)))
}
looksLike() { (($(differing "$1" "$2") < ${3:-120})); }
showsLike() { grab "$scratch/now.png" && looksLike "$scratch/now.png" "$1" "${2:-120}"; }

# Pixels of the kind in a rectangle of a picture, one "x y" a line, in window coordinates.
pixels() {
  local picture=$1 left=$2 top=$3 width=$4 height=$5 kind=$6
  convert "$picture" -crop "${width}x${height}+${left}+${top}" +repage -depth 8 txt:- |
    awk -F'[,:() ]+' -v left="$left" -v top="$top" -v kind="$kind" 'NR > 1 {
      r = $3; g = $4; b = $5
      if (kind == "orange" ? r > 225 && g > 110 && g < 215 && b < 90 : r < 64 && g < 64 && b < 64)
        print $1 + left, $2 + top
    }'
}

startGame() { # <exe> <folder to start in> <sound file>
  window=""
  (cd "$2" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$(winepath -w "$3") exec wine "$1") \
    >"$scratch/game.log" 2>&1 &
  game=$!
  waitFor 60 windowShown || fail "no window titled Vorlund! appeared: $(cat "$scratch/game.log")"
  findWindow
}

closeGame() { # as the window's close button does: Windows sends it WM_CLOSE
  wine taskkill /im vorlund.exe >/dev/null 2>&1
  local status=0
  wait "$game" || status=$?
  game=0
  ((status == 0)) || fail "closing the window ended the game with status $status: $(cat "$scratch/game.log")"
}

click() { pointAt "$1" "$2" && xdotool click 1; }

step "the Linux build's screens, to compare with"
(cd "$top" && exec "$linuxGame") >/dev/null 2>&1 &
linux=$!
waitFor 20 windowShown || fail "the Linux build opened no window"
findWindow
sleep 1 && grab "$shots/linux-title.png"
click 400 400 && sleep 1 && grab "$shots/linux-instructions.png"
click 400 400 && sleep 6 && grab "$shots/linux-play.png"
kill "$linux" && wait "$linux" 2>/dev/null || true
waitFor 10 eval "! windowShown"

step "a Wine prefix"
wineboot --init >/dev/null 2>&1
wineserver -w

step "the portable zip's game, started from another folder"
unzip -q "$windows/vorlund-$version-windows.zip" -d "$scratch/portable"
sound=$scratch/sound.raw
startGame "$scratch/portable/Vorlund/vorlund.exe" "$scratch/elsewhere" "$sound"
waitFor 20 showsLike "$shots/linux-title.png" || fail "the title screen is not the Linux build's"
grab "$shots/wine-title.png"
click 400 400
waitFor 20 showsLike "$shots/linux-instructions.png" || fail "the instructions screen is not the Linux build's"
grab "$shots/wine-instructions.png"
click 400 400
sleep 6 # the crawlers rain down and land
grab "$shots/wine-play.png"
looksLike "$shots/wine-play.png" "$shots/linux-play.png" ||
  fail "play is not like the Linux build's: $(differing "$shots/wine-play.png" "$shots/linux-play.png")/1000 differ"
looksLike "$shots/wine-play.png" "$shots/linux-title.png" && fail "play looks like the title screen"

step "a crawler built into a ball through X input"
built=no
for attempt in 1 2 3 4 5; do
  grab "$scratch/now.png"
  # where crawlers climb the structure, away from the scrolling edges
  mapfile -t found < <(pixels "$scratch/now.png" $climbLeft $climbTop $climbWidth $climbHeight orange)
  ((${#found[@]} > 0)) || { sleep 0.5; continue; }
  # Another crawler each time, from rows spread over where they are rather than
  # the top edge of the topmost, so that one is still under the pointer when
  # reading the window was slow.
  read -r x y <<<"${found[$((${#found[@]} * (2 * attempt - 1) / 10))]}"
  pointAt "$x" "$y" && xdotool sleep 0.05 mousedown 1
  for stepNumber in 1 2 3 4 5 6 7 8; do
    pointAt $((x + (dropX - x) * stepNumber / 8)) $((y + (dropY - y) * stepNumber / 8)) && xdotool sleep 0.02
  done
  xdotool mouseup 1
  sleep 0.5
  grab "$scratch/now.png"
  if (($(pixels "$scratch/now.png" $((dropX - 6)) $((dropY - 6)) 12 12 dark | wc -l) >= 108)); then
    built=yes
    cp "$scratch/now.png" "$shots/wine-built.png"
    break
  fi
done
[[ $built == yes ]] || fail "no ball was built of a crawler"

step "sound through SDL's disk driver"
before=$(stat -c %s "$sound")
sleep 1
(($(stat -c %s "$sound") > before)) || fail "the sound file does not grow"
(($(tail -c 400000 "$sound" | tr -d '\0' | wc -c) > 40000)) || fail "the sound is silent"

step "closing the window"
closeGame

step "the installer, silently"
wine "$windows/vorlund-$version-setup.exe" /S
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Vorlund"
menuEntry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vorlund!.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlund'
[[ -f $installed/vorlund.exe && -f $installed/res/fonts/Cookies.ttf ]] || fail "the game was not installed"
[[ -f $menuEntry ]] || fail "no Start-menu entry"
for value in DisplayName DisplayIcon UninstallString Publisher DisplayVersion; do
  wine reg query "$key" /v "$value" 2>/dev/null | grep -q "$value" || fail "no $value in the installed programs' list"
done

step "the installed game, started from another folder"
startGame 'C:\Program Files\Vorlund\vorlund.exe' "$scratch/elsewhere" "$scratch/sound2.raw"
waitFor 20 showsLike "$shots/linux-title.png" || fail "the installed game does not show its title screen"
grab "$shots/wine-installed-title.png"
closeGame

step "the uninstaller, silently"
wine 'C:\Program Files\Vorlund\uninstall.exe' /S
# It runs from a copy of itself, so it is still at work when the command returns.
waitFor 60 test ! -e "$installed" || fail "the uninstaller left $installed"
[[ ! -e $menuEntry ]] || fail "the uninstaller left the Start-menu entry"
wine reg query "$key" >/dev/null 2>&1 && fail "the uninstaller left the installed programs' entry"
echo "The Windows build passes under Wine"
