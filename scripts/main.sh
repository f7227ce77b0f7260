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

demo=build/demo
if [ ! -f "$demo/Setup.ini" ]; then
    build/release/server/Server --init "$demo" --voices build/voices
fi
echo "main: the server on $demo, one hour of virtual time on the software board"
build/release/server/Server --dir "$demo" --virtual-time --run-for 3600
echo "main: log files in $demo/Log, talk records in $demo/TalkInfo, the database $demo/BillDB.db"

echo "main: the benchmarks"
for b in build/release/bench/*/vn_bench_*; do
    [ -x "$b" ] && "$b" --benchmark_counters_tabular=true
done
