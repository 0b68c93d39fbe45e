#!/usr/bin/env bash
# Builds the picture reader's fuzzer with clang (libFuzzer with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs it for the given
# number of seconds (60 by default) from the seed pictures in fuzz/seeds. The
# corpus it grows stays in build/fuzz/corpus for the next run; an input that
# breaks the reader is kept in build/fuzz/findings and fails the run.
#   tools/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake -S . -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORLUND_FUZZ=ON -DVORLUND_TESTS=OFF >/dev/null
cmake --build build/fuzz -j "$(nproc)" --target vorlund_tga_fuzzer
mkdir -p build/fuzz/corpus build/fuzz/findings
build/fuzz/fuzz/vorlund_tga_fuzzer -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
  -artifact_prefix=build/fuzz/findings/ build/fuzz/corpus fuzz/seeds 2>&1 | tail -n 25
