#!/usr/bin/env bash
# Builds Win_KV9 (and only what it needs: no tests) and starts it on the simulated programmer,
# in run/ beside its help text and its settings file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
# A new build leaves the tests out; a build made by the test command keeps them.
options=()
[ -f build/CMakeCache.txt ] || options=(-DKV9_TESTS=OFF)
cmake -S . -B build -G Ninja "${options[@]}" >/dev/null
cmake --build build --target Win_KV9 -j "$(nproc)"
mkdir -p run
cd run
export KV9_PROGRAMMER=sim
exec ../build/bin/Win_KV9
