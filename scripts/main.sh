#!/usr/bin/env bash
# The main job: installs what is missing, builds the release preset, makes the voices, runs the server
# on a demo installation of the software board for one hour of virtual time, sends the SMS it queued
# through a simulated modem, then the benchmarks.
# With --window (and a display), the demo runs in the server's window in real time instead, and a
# person answers the second agent telephone with ktsim.
set -euo pipefail
cd "$(dirname "$0")/.."

window=0
case "${1:-}" in
    "") ;;
    --window) window=1 ;;
    *) echo "usage: $0 [--window]" >&2; exit 2 ;;
esac
if [ "$window" = 1 ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "main: --window needs a display (DISPLAY or WAYLAND_DISPLAY is not set)" >&2
    exit 1
fi
./scripts/setup.sh
cmake --preset release
cmake --build --preset release

# The Mandarin voice database and prompts, made once (a few minutes) and reused.
./scripts/make-voices.sh --builder build/release/voxstore/voxdb-build build/voices

# Qt wants a private runtime folder; a root shell often has none.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

if [ "$window" = 1 ]; then
    demo=$PWD/build/demo-live
    rm -rf "$demo"
    build/release/server/Server --init "$demo" --voices build/voices --demo --live
    ktsim="$PWD/build/release/ktdrv/ktsim $demo/ktsim.sock"
    cat <<EOT
main: the server on $demo in its window, in real time. Calls start within seconds.
      Agent telephone 6 answers by itself; telephone 7 is yours. When it rings (a caller pressed 8):
        $ktsim state            the channels, one line each
        $ktsim offhook 7        answer
        $ktsim keys 7 1#        classify the client (1# or 2#)
        $ktsim onhook 7         hang up
      Close the window (文件 > 退出, or the 退出 button) to end; the outcomes are printed then.
EOT
    build/release/server/Server --dir "$demo"
    echo "main: the outcomes"
    build/release/server/Server --dir "$demo" --report
    exit 0
fi

demo=build/demo
# A fresh demo each run: 36 tasks, called parties of every kind, two agents.
rm -rf "$demo"
build/release/server/Server --init "$demo" --voices build/voices --demo
echo "main: the server on $demo, from 09:00 today for one hour of virtual time on the software board"
build/release/server/Server --dir "$demo" --virtual-time --start-time "$(date +%F) 09:00:00" --run-for 3600
echo "main: the outcomes"
build/release/server/Server --dir "$demo" --report

# The SMS the demo queued, sent by SmsSender through a simulated modem on a pseudo-terminal.
echo "main: the demo's SMS through SmsSender on a simulated modem"
build/release/lumosms/tests/lumosms-fake-modem >"$demo/fake-modem.txt" &
modem=$!
for _ in $(seq 50); do [ -s "$demo/fake-modem.txt" ] && break; sleep 0.1; done
sender=0
# The queue's times are those of the virtual hour, which may lie ahead of the wall clock.
LUMOSMS_COM1=$(head -n 1 "$demo/fake-modem.txt") build/release/smssender/SmsSender --dir "$demo" --once --headless \
    --due-by "$(date +%F) 10:00:00" || sender=$?
kill "$modem"
wait "$modem" || true
tail -n 1 "$demo/fake-modem.txt"
[ "$sender" = 0 ] || { echo "main: SmsSender failed ($sender)" >&2; exit 1; }

echo "main: the benchmarks"
for b in build/release/bench/*/vn_bench_*; do
    [ -x "$b" ] && VN_VOICES_DIR=build/voices "$b" --benchmark_counters_tabular=true
done
