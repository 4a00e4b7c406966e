#!/usr/bin/env bash
# The layer check passes on this tree and fails on includes planted against the order.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
check="$here/check-layers.sh"
fail=0
"$check" >/dev/null || { echo "the tree itself fails the layer check"; fail=1; }

plant() {  # plant FILE INCLUDE WANT(pass|fail)
  local tree
  tree=$(mktemp -d)
  mkdir -p "$tree/$(dirname "$1")"
  printf '#include "%s"\n' "$2" >"$tree/$1"
  if "$check" "$tree" >/dev/null; then got=pass; else got=fail; fi
  [ "$got" = "$3" ] || { echo "$1 including $2: $got, want $3"; fail=1; }
  rm -rf "$tree"
}
plant common/hex.h memprog/core/kv9.h fail       # upward
plant usblink/d2xx_unit.cpp progsim/programmer.h fail
plant proglink/link.cpp progsim/programmer.h fail  # beside it, in production code
plant memprog/core/kv9.cpp picprog/core/mcu9.h fail
plant proglink/tests/x.cpp progsim/programmer.h pass
plant memprog/core/kv9.cpp proglink/link.h pass
plant bench/x.cpp memprog/core/kv9.h pass
exit $fail
