#!/usr/bin/env bash
# Mutation run: puts each fault listed in tools/mutants.txt into the game's code,
# one at a time, rebuilds, runs the test suite and reports whether a test failed
# (caught) or all passed (missed). A missed mutant is a rule no test pins down.
# A maintainer's tool, not run in CI: a full run rebuilds once per mutant.
#
#   tools/mutate.sh [build-folder] [label-filter]
#
# build-folder: a plain build, configured here if new (default build/mut).
# label-filter: an extended regular expression; only mutants whose label matches run.
#
# A mutant the plain build's suite misses is built and run once more under
# AddressSanitizer and UndefinedBehaviorSanitizer (in build-folder-san), so a
# fault only they see (a write one past a table) counts as caught. That second
# leg costs a sanitizer build of the mutated file and its links, plus a run of
# the unit tests, for the missed mutants alone.
#
# Environment: VORLUND_MUTATE_SANITIZE=0 leaves out the sanitizer leg;
# VORLUND_MUTATE_E2E=0 leaves out the end-to-end program (a minute and a half
# of real play per missed mutant): quick runs while writing tests, never the
# score to report.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/mut}
filter=${2:-}
table=tools/mutants.txt
# Left out: the check of res/ against the generator and the desktop install
# check, which hold no game rule, and the runs on desktops of their own, which
# play the end-to-end program again: none is a build target of its own.
skipped='vorlund_res_regeneration|vorlund_install|vorlund_desktop_'
[[ ${VORLUND_MUTATE_E2E:-1} == 0 ]] && skipped+='|vorlund_e2e_tests'
sanitize=${VORLUND_MUTATE_SANITIZE:-1}
sanbuild=$build-san
logs=$build/mutate-logs

export LSAN_OPTIONS="suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0"
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# Bash 5.2 would put the matched text in place of a '&' in a replacement.
shopt -u patsub_replacement 2>/dev/null || true

backup=$(mktemp -d)
mutated="" # the file holding a mutant right now, if any

restore() {
  [[ -n $mutated ]] || return 0
  # A plain copy rather than cp -p: byte for byte, but with a new time stamp, so
  # the next build recompiles the file instead of keeping the mutant's object.
  cp "$backup/original" "$mutated"
  mutated=""
}
trap 'restore; rm -rf "$backup"' EXIT
trap 'exit 130' INT TERM

# Lines are "file | find | replace | label"; blank lines and # comments are skipped.
mutants() {
  grep -vE '^[[:space:]]*(#|$)' "$table"
}

# A run killed outright (kill -9) cannot restore its mutant; the next run would
# then take that mutant for the code under test. So the mutated files must be
# exactly as committed.
files=$(mutants | sed 's/ | .*//' | sort -u)
# shellcheck disable=SC2086 # one file name a word
if ! git diff --quiet HEAD -- $files; then
  echo "mutate.sh: commit or stash the changes to these files first:" >&2
  git diff --name-only HEAD -- $files >&2
  exit 2
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
[[ -f $build/CMakeCache.txt ]] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
if [[ $sanitize != 0 && ! -f $sanbuild/CMakeCache.txt ]]; then
  cmake -S . -B "$sanbuild" -DCMAKE_BUILD_TYPE=Debug -DVORLUND_SANITIZE=ON "${launcher[@]}" >/dev/null
fi
mkdir -p "$logs"
# Only the test programs (each is named after its test), not the benchmarks or tools.
mapfile -t targets < <(ctest --test-dir "$build" -N -E "$skipped" 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: //p')

# build_tests LOG [FOLDER]
build_tests() {
  cmake --build "${2:-$build}" -j2 --target "${targets[@]}" >"$1" 2>&1
}

# Stops at the first failing program: one failure is enough to call a mutant caught.
# A program that fails is run once more, and only a second failure counts: a
# test that fails now and then by itself must neither stop the run before the
# first mutant nor be taken for a caught one. A mutant caught only some of the
# time is so reported missed. The end-to-end program plays the real game for
# about a minute and a half; the timeout stays well above that but still ends
# a mutant that hangs.
# run_tests LOG [FOLDER]: the sanitizer leg leaves out the end-to-end program,
# which it would slow past its own time limits on a loaded machine; the plain
# leg has already played the game end to end.
run_tests() {
  local leave=$skipped
  [[ ${2:-$build} == "$sanbuild" ]] && leave+='|vorlund_e2e_tests'
  xvfb-run -a -s "-screen 0 1024x1024x24" \
    ctest --test-dir "${2:-$build}" --timeout 300 --repeat until-pass:2 --stop-on-failure --output-on-failure \
    -E "$leave" >>"$1" 2>&1
}

# Every mutant would look caught if the suite already failed without one.
if ! build_tests "$logs/unmutated.log" || ! run_tests "$logs/unmutated.log"; then
  echo "mutate.sh: the suite fails without any mutant; see $logs/unmutated.log" >&2
  exit 1
fi
if [[ $sanitize != 0 ]] && { ! build_tests "$logs/unmutated-san.log" "$sanbuild" ||
  ! run_tests "$logs/unmutated-san.log" "$sanbuild"; }; then
  echo "mutate.sh: the sanitizer suite fails without any mutant; see $logs/unmutated-san.log" >&2
  exit 1
fi

# ctest's closing list of failed programs: "  4 - name (Failed)".
failed_program() {
  sed -n 's/^[[:space:]]*[0-9][0-9]* - \([^ ]*\) (.*/\1/p' "$1" | head -1
}

caught=0
missed=()
uncompiled=()
stale=()
# The table comes in on descriptor 3: the build and the tests may read standard input.
while IFS= read -r line <&3; do
  file=${line%% | *}
  rest=${line#* | }
  find=${rest%% | *}
  rest=${rest#* | }
  replace=${rest%% | *}
  label=${rest#* | }
  if [[ $line != *" | "*" | "*" | "* || -z $find ]]; then
    echo "mutate.sh: not file | find | replace | label: $line" >&2
    exit 2
  fi
  [[ -z $filter || $label =~ $filter ]] || continue
  # "\n" in a field stands for a line break, so that two lines can swap places.
  find=${find//'\n'/$'\n'}
  replace=${replace//'\n'/$'\n'}

  text=$(<"$file")
  without=${text//"$find"/}
  occurrences=$(((${#text} - ${#without}) / ${#find}))
  if ((occurrences != 1)); then
    printf '%-13s %-40s found %d times in %s\n' stale "$label" "$occurrences" "$file"
    stale+=("$label")
    continue
  fi

  cp "$file" "$backup/original"
  mutated=$file
  printf '%s\n' "${text/"$find"/"$replace"}" >"$file"
  log=$logs/$label.log
  # The tests of the mutated file's own folder first: they catch most mutants,
  # and only then is the rest built and run.
  own=vorlund_${file%%/*}_tests
  if [[ " ${targets[*]} " == *" $own "* ]] && cmake --build "$build" -j2 --target "$own" >"$log" 2>&1 &&
    ! xvfb-run -a -s "-screen 0 1024x1024x24" \
      ctest --test-dir "$build" --timeout 300 --repeat until-pass:2 --output-on-failure -R "^$own\$" >>"$log" 2>&1; then
    printf '%-13s %-40s by %s\n' caught "$label" "$own"
    caught=$((caught + 1))
  elif ! build_tests "$log"; then
    printf '%-13s %s\n' "not compiled" "$label"
    uncompiled+=("$label")
  elif ! run_tests "$log"; then
    printf '%-13s %-40s by %s\n' caught "$label" "$(failed_program "$log")"
    caught=$((caught + 1))
  elif [[ $sanitize != 0 ]] && { ! build_tests "$log.san" "$sanbuild" || ! run_tests "$log.san" "$sanbuild"; }; then
    # A mutant that only fails to compile here would have failed the plain build too.
    printf '%-13s %-40s by %s (sanitizer build)\n' caught "$label" "$(failed_program "$log.san")"
    caught=$((caught + 1))
  else
    printf '%-13s %s\n' MISSED "$label"
    missed+=("$label")
  fi
  restore
done 3< <(mutants)

echo
echo "caught: $caught  missed: ${#missed[@]}  not compiled: ${#uncompiled[@]}  stale: ${#stale[@]}" \
  "  ($((SECONDS / 60)) min $((SECONDS % 60)) s)"
for label in "${missed[@]}"; do echo "  missed: $label"; done
for label in "${uncompiled[@]}"; do echo "  not compiled: $label"; done
for label in "${stale[@]}"; do echo "  stale: $label"; done
