#!/usr/bin/env bash
# Builds the optimised benchmarks and runs them; figures go to stdout.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh test
cmake --preset bench >/dev/null
cmake --build --preset bench
b=build/bench
"$b/bench/engine_bench" --benchmark_min_time=0.5
"$b/bench/quote_bench"
"$b/bench/window_bench" --benchmark_min_time=0.5
tools/xsession.sh bench/start_up.sh "$b/app/lumor" "$b/bench/bare_window" 15
