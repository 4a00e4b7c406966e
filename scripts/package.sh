#!/usr/bin/env bash
# Builds the Debian package of the four programs with CPack and prints its path.
# Usage: package.sh [BUILD_DIR]   (default build; a new one leaves the tests out)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh package
dir=${1:-build}
options=()
[ -f "$dir/CMakeCache.txt" ] || options=(-DKV9_TESTS=OFF)
cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
cmake --build "$dir" --target Win_KV9 Win_Mcu9 kv9 mcu9 -j "$(nproc)"
rm -rf "$dir/package"
(cd "$dir" && cpack -G DEB >/dev/null)
realpath "$dir"/package/*.deb
