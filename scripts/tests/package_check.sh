#!/usr/bin/env bash
# The Debian package as a user gets it: built, unpacked into a scratch root with dpkg-deb, and
# its programs run from there: --version of all four (without a display), the catalogue, every
# man page, every desktop entry, the completion of both command lines, each window started
# offscreen in the configuration folder, and
# Win_KV9's help found in the installed data folder from a folder without a help file.
# Usage: package_check.sh [BUILD_DIR]   (a build with the tests; default build)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")

fail() {
  echo "package check: $*" >&2
  exit 1
}

deb=$(scripts/package.sh "$build" | tail -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export XDG_RUNTIME_DIR=$root/runtime  # the windows' own, not the caller's
mkdir -m 700 "$XDG_RUNTIME_DIR"
dpkg-deb -x "$deb" "$root"
bin=$root/usr/bin
version=$(dpkg-deb -f "$deb" Version)
echo "package: $(basename "$deb")"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

for p in kv9 mcu9 Win_KV9 Win_Mcu9; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/$p" --version) ||
    fail "$p --version failed"
  [[ $out =~ ^$p\ [0-9]+(\.[0-9]+)+\ \(requires\ programmer\ firmware\ [0-9]+\.[0-9]+\)$ ]] ||
    fail "$p --version says: $out"
done
[[ $("$bin/kv9" --version) == "kv9 $version "* ]] || fail "kv9 is not of the package's version"

"$bin/kv9" list >"$root/list" || fail "kv9 list failed"
grep -q "27C256" "$root/list" || fail "kv9 list shows no 27C256"

shopt -s nullglob
pages=("$root"/usr/share/man/man1/*.1*)
[ ${#pages[@]} -eq 4 ] || fail "${#pages[@]} man pages, not 4"
for page in "${pages[@]}"; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man -l $page failed"
  [ -z "$warnings" ] || fail "man -l $page: $warnings"
done

entries=("$root"/usr/share/applications/*.desktop)
[ ${#entries[@]} -eq 2 ] || fail "${#entries[@]} desktop entries, not 2"
for entry in "${entries[@]}"; do
  desktop-file-validate "$entry" || fail "$entry is not valid"
  program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -x "$bin/$program" ] || fail "$entry starts $program, which is not installed"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no icon $icon"
done
[ -f "$root/usr/lib/udev/rules.d/99-kv9-programmer.rules" ] || fail "no udev rule"

# The completion of each command line, as bash-completion loads it: commands, and device names
# taken from the installed program's list.
for p in kv9 mcu9; do
  script=$root/usr/share/bash-completion/completions/$p
  [ -f "$script" ] || fail "no bash completion for $p"
  words=$(PATH=$bin:$PATH bash -c 'source "$1"; COMP_WORDS=("$2" -d "$3"); COMP_CWORD=2; \
    _kv9; echo "${COMPREPLY[*]}"' _ "$script" "$p" "$([ $p = kv9 ] && echo 27C25 || echo 16F87)")
  [[ " $words " == *" $([ $p = kv9 ] && echo 27C256 || echo 16F877A) "* ]] ||
    fail "$p -d completes to: $words"
done

# Each window as the menu starts it: it makes the configuration folder, works in it (where its
# settings file goes) and searches for the (simulated) programmer, which its trace shows; then it
# is ended.
empty=$root/empty
mkdir "$empty"
for p in Win_KV9 Win_Mcu9; do
  trace=$root/$p.trace
  (cd "$empty" && XDG_CONFIG_HOME=$root/config KV9_PROGRAMMER=sim KV9_SIM_TRACE=$trace \
    QT_QPA_PLATFORM=offscreen exec "$bin/$p" --config-folder) &
  pid=$!
  for _ in $(seq 150); do
    grep -qs '^> 56' "$trace" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null || fail "$p ended at its start"
  [ "$(readlink "/proc/$pid/cwd")" = "$root/config/kv9" ] || fail "$p is not in ~/.config/kv9"
  kill "$pid"
  wait "$pid" || true
  grep -qs '^> 56' "$trace" || fail "$p did not search for the programmer"
done

(cd "$empty" && KV9_INSTALLED_WIN_KV9=$bin/Win_KV9 QT_QPA_PLATFORM=offscreen \
  "$build/tests/memprog_installed_help_test" -silent) || fail "Win_KV9 did not find its help"
echo "package check passed"
