#!/usr/bin/env bash
# Builds the optimised benchmarks and runs them; figures go to stdout.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh test
cmake --preset bench >/dev/null
cmake --build --preset bench
./build/bench/bench/engine_bench --benchmark_min_time=0.5
