#!/usr/bin/env bash
# Draws the golden PNGs of tests/golden from the cases listed in tests/golden/cases.txt: the
# golden test draws each case and, told to by VAREK_WRITE_GOLDEN, writes its grey blocks as the
# golden instead of comparing them.
#   scripts/make-golden.sh <varek_tests>
set -euo pipefail
VAREK_WRITE_GOLDEN=1 "$1" --gtest_filter='Cases/GoldenDrawing.*' --gtest_brief=1
