#!/usr/bin/env bash
# Installs the Debian packages a task needs, when missing.
# Usage: install-deps.sh [run|package|test]
#   run      building and running the programs (scripts/run.sh)
#   package  that and building the Debian package (scripts/package.sh)
#   test     everything: that, the tests, the sanitizer build and the package check (the default)
set -euo pipefail

run=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl1-mesa-dev libftdi1-dev fonts-dejavu-core
)
package=(dpkg-dev file)
test=(
  clang libgtest-dev srecord binutils gputils xvfb xauth imagemagick
  desktop-file-utils man-db
)

case "${1:-test}" in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
  *)
    echo "usage: $0 [run|package|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
