#!/usr/bin/env bash
# The main job: installs what is missing, builds the release preset, makes the voices, runs the server
# on a demo installation of the software board for one hour of virtual time, then the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release
cmake --build --preset release

# The Mandarin voice database and prompts, made once (a few minutes) and reused.
./scripts/make-voices.sh --builder build/release/voxstore/voxdb-build build/voices

# Qt wants a private runtime folder; a root shell often has none.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

demo=build/demo
# A fresh demo each run: 36 tasks, called parties of every kind, two agents.
rm -rf "$demo"
build/release/server/Server --init "$demo" --voices build/voices --demo
echo "main: the server on $demo, from 09:00 today for one hour of virtual time on the software board"
build/release/server/Server --dir "$demo" --virtual-time --start-time "$(date +%F) 09:00:00" --run-for 3600
echo "main: the outcomes"
build/release/server/Server --dir "$demo" --report

echo "main: the benchmarks"
for b in build/release/bench/*/vn_bench_*; do
    [ -x "$b" ] && "$b" --benchmark_counters_tabular=true
done
