#!/usr/bin/env bash
# Draws the golden PNGs of tests/golden from the cases listed in tests/golden/cases.txt.
#   scripts/make-golden.sh <gauge-bench> <module>
set -euo pipefail
bench=$1
module=$2
golden="$(dirname "$0")/../tests/golden"
grep -v '^#' "$golden/cases.txt" | while read -r name arguments; do
  [ -z "$name" ] && continue
  # shellcheck disable=SC2086  # the arguments are words of the command line
  "$bench" render "$module" $arguments -o "$golden/$name.png"
done
