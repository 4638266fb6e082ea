#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a set time each, from its seed corpus in
# tests/fuzz/corpus/<name>/, and prints what each ran. New inputs go to <build>/corpus/<name>/,
# never into the repository; a crash's input goes to <build>/artifacts/<name>/ and stops the
# run with the target's report. Keep a crash's input as a seed once it is fixed.
#   scripts/run-fuzz.sh <fuzz build> <seconds> [seed]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
seed=${3:-1}
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan_suppressions.txt
export UBSAN_OPTIONS=print_stacktrace=1

status=0
for target in "$build"/tests/fuzz/fuzz_*; do
  name=${target##*/fuzz_}
  mkdir -p "$build/corpus/$name" "$build/artifacts/$name"
  log="$build/artifacts/$name/last-run.log"
  if "$target" -max_total_time="$seconds" -seed="$seed" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$name/" \
      "$build/corpus/$name" "tests/fuzz/corpus/$name" > "$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    corpus=$(find "$build/corpus/$name" -type f | wc -l)
    echo "fuzz $name: $runs executions in $seconds s, $corpus inputs in its corpus, no crash"
  else
    echo "fuzz $name: CRASH (seed $seed); the target's report:" >&2
    tail -n 40 "$log" >&2
    ls "$build/artifacts/$name/" >&2
    status=1
  fi
done
exit $status
