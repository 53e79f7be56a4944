#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for the given number of seconds, from
# the seeds kept in the tree and what earlier runs found; a crash or a
# sanitizer report fails the run.
set -euo pipefail
build="$1"
seconds="${2:-30}"
status=0
for fuzzer in "$build"/tests/fuzz/*_fuzzer; do
  name="$(basename "$fuzzer")"
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  dirs=("$corpus")
  seeds="$(dirname "$0")/../tests/fuzz/corpus/$name"
  [[ -d "$seeds" ]] && dirs+=("$seeds")
  echo "fuzz: $name for ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -max_len=20000 -print_final_stats=0 \
      -artifact_prefix="$build/" "${dirs[@]}" >"$build/$name.log" 2>&1; then
    tail -n 40 "$build/$name.log"
    status=1
  else
    grep -E '^#[0-9]+ *DONE' "$build/$name.log" || tail -n 2 "$build/$name.log"
  fi
done
exit "$status"
