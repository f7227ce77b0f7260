#!/usr/bin/env bash
# The main job: installs what is missing, builds the release preset and runs what exists so far.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release
cmake --build --preset release
echo "main: running the benchmarks (the demo installation does not exist yet)"
for b in build/release/bench/vn_bench_*; do
    [ -x "$b" ] && "$b" --benchmark_counters_tabular=true
done
