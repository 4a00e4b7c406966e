#!/usr/bin/env bash
# Builds everything and runs every test twice: in the normal build, and in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer, where any report fails the run. Then builds
# the Debian package and checks it as installed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test

jobs=$(nproc)
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"

run() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DKV9_WERROR=ON -DKV9_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  (cd "$dir" && ctest --output-on-failure -j "$jobs")
}

echo "== normal build"
run build
echo "== sanitizer build"
run build-asan -DKV9_SANITIZE=ON
echo "== package check"
scripts/tests/package_check.sh build
echo "== all tests passed in both builds, and the package installs and runs"
