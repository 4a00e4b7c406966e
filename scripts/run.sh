#!/usr/bin/env bash
# Builds everything and searches for the simulated programmer from the command line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)"
mkdir -p run
cd run
KV9_PROGRAMMER=sim exec ../build/bin/kv9 probe
