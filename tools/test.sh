#!/usr/bin/env bash
# Builds Vorlund! twice, plain and with AddressSanitizer + UndefinedBehaviorSanitizer,
# and runs the tests in both under a private Xvfb display; builds the Windows game,
# its zip and its installer, and plays it under Wine; builds and checks the Debian
# package; fuzzes the picture reader; and, beside those two, builds the web game
# and plays it in a headless chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh

export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
  (cd "$dir" && xvfb-run -a -s "-screen 0 1024x1024x24" ctest --output-on-failure)
}

echo "== Tests"
run_suite build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== The Windows build"
windowsStart=$SECONDS
tools/build-windows.sh
echo "The Windows build took $((SECONDS - windowsStart)) s"
echo "== The Windows build played under Wine"
# On a busy machine the crawler it reaches for can climb away while the window
# is read back; a second try tells a slow machine from a broken build.
play_under_wine() {
  xvfb-run -a -s "-screen 0 1024x1024x24" tools/windows/test-wine.sh build/windows build/release/vorlund
}
play_under_wine || { echo "Under Wine once more"; play_under_wine; }
echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DVORLUND_SANITIZE=ON
# The web leg builds and plays on its own while the package is checked and the
# fuzzer runs its fixed minute; its output follows theirs.
webStart=$SECONDS
tools/web/test-browser.sh >build/web-test.log 2>&1 &
web=$!
echo "== The Debian package, checked by lintian, appstreamcli and desktop-file-validate"
tools/check-package.sh
echo "== Fuzzing the picture reader for a minute"
tools/fuzz.sh 60
echo "== The web build played in chromium"
webStatus=0
wait $web || webStatus=$?
cat build/web-test.log
echo "The web build and its play took $((SECONDS - webStart)) s"
exit $webStatus
