#!/usr/bin/env bash
# Builds Vorlund! and starts it from the folder that holds res/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)" --target vorlund
exec build/release/vorlund
