#!/usr/bin/env bash
# Fails on an include that goes against the layer order
#   common <- usblink <- progsim, proglink <- memprog, picprog <- bench
# A file may include its own folder and the layers below it. Folders of one layer do not include
# each other, except that tests and test support (tests/, testing/) may reach the simulated
# programmer beside them, which is how they choose it.
# Usage: check-layers.sh [TREE]   (default: this checkout)
set -euo pipefail
tree=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$tree"

layers=()
for d in common usblink progsim proglink memprog picprog bench; do [ -d "$d" ] && layers+=("$d"); done
find "${layers[@]}" \( -name '*.cpp' -o -name '*.h' \) |
awk '
BEGIN {
  rank["common"] = 0; rank["usblink"] = 1; rank["progsim"] = 2; rank["proglink"] = 2
  rank["memprog"] = 3; rank["picprog"] = 3; rank["bench"] = 4
}
{
  file = $0
  split(file, parts, "/"); own = parts[1]
  test_code = (file ~ /\/(tests|testing)\//)
  line_no = 0
  while ((getline line < file) > 0) {
    line_no++
    if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
    target = line; sub(/^[^"]*"/, "", target); sub(/".*$/, "", target)
    split(target, t, "/"); to = t[1]
    if (!(to in rank) || to == own) continue
    if (rank[to] > rank[own] || (rank[to] == rank[own] && !test_code)) {
      printf "%s:%d: %s (%s) includes %s (%s)\n", file, line_no, own, rank[own], target, rank[to]
      bad++
    }
  }
  close(file)
}
END {
  if (bad) { printf "%d include(s) against the layer order\n", bad; exit 1 }
}'
