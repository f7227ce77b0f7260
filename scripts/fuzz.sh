#!/usr/bin/env bash
# Runs every fuzz target of the fuzz build (clang, libFuzzer, ASan, UBSan) for SECONDS each (default 60)
# and merges the inputs that reach new code into the target's corpus folder in the repository, keeping
# the corpus small. A crash leaves its input in build/fuzz/artifacts/<target>/ and makes the script end
# with 1. The closing note lists the executions per target.
#   scripts/fuzz.sh [SECONDS] [TARGET ...]     (no TARGET: every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
case $seconds in '' | *[!0-9]*) echo "usage: scripts/fuzz.sh [SECONDS] [TARGET ...]" >&2; exit 2 ;; esac

build=build/fuzz
[ -f "$build/build.ninja" ] || cmake --preset fuzz >/dev/null
cmake --preset fuzz >/dev/null # the list of targets is written when the build is configured
list=$build/fuzz-targets.txt
mapfile -t entries <"$list"
wanted=("$@")
selected=()
for entry in "${entries[@]}"; do
    name=$(basename "${entry%% *}")
    if [ ${#wanted[@]} -eq 0 ] || [[ " ${wanted[*]} " == *" $name "* ]]; then
        selected+=("$entry")
    fi
done
[ ${#selected[@]} -gt 0 ] || { echo "fuzz.sh: no such target: ${wanted[*]}" >&2; exit 2; }
names=()
for entry in "${selected[@]}"; do names+=("$(basename "${entry%% *}")"); done
cmake --build --preset fuzz -j 2 --target "${names[@]}"

# Scratch files and the board's live-log block of the targets, removed after each target: libFuzzer
# ends its runs without the programs' exit handlers.
suffix=_vn_fuzz_sh_$$
export KTDRV_IPC_SUFFIX=$suffix
cleanUp() {
    rm -rf "$VN_FUZZ_SCRATCH"
    rm -f "/dev/shm/OrvaneCtiCfg_090622$suffix" "/dev/shm/sem.OrvaneCtiCfgEvent_090622$suffix"
}

status=0
note=()
for entry in "${selected[@]}"; do
    program=${entry%% *}
    corpus=${entry#* }
    name=$(basename "$program")
    artifacts=$build/artifacts/$name
    fresh=$(mktemp -d)
    VN_FUZZ_SCRATCH=$(mktemp -d /dev/shm/vn-fuzz.XXXXXX 2>/dev/null || mktemp -d)
    export VN_FUZZ_SCRATCH
    log=$build/artifacts/$name.log
    mkdir -p "$artifacts"
    echo "fuzz.sh: $name for $seconds s"
    result=ok
    # New inputs go to a fresh folder first; the committed corpus is read as well.
    if ! "$program" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "$fresh" "$corpus" >"$log" 2>&1; then
        result="CRASH (see $log and $artifacts)"
        status=1
    fi
    # Only the inputs that add coverage join the repository's corpus.
    "$program" -merge=1 "$corpus" "$fresh" >>"$log" 2>&1 || true
    rm -rf "$fresh"
    cleanUp
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    note+=("$(printf '%-30s %12s executions in %s s, %s corpus entries: %s' "$name" "${runs:-?}" "$seconds" \
        "$(find "$corpus" -type f | wc -l)" "$result")")
done
echo
echo "fuzz.sh: closing note"
printf '  %s\n' "${note[@]}"
exit $status
