#!/usr/bin/env bash
# Builds everything and starts Win_KV9 on the simulated programmer, in run/ beside its help text
# and its settings file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"
mkdir -p run
cd run
export KV9_PROGRAMMER=sim
exec ../build/bin/Win_KV9
