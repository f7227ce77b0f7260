#!/usr/bin/env bash
# Generates the Mandarin voice database VoiceDB.dat and the voice files of a demo installation.
set -euo pipefail

usage() {
    cat <<'EOF'
usage: make-voices.sh [-j JOBS] [--builder PATH] [--chars TEXT] [--force] OUTDIR

Speaks every GB2312 hanzi (6,763), the digits and the ASCII letters with espeak-ng (voice
cmn-latn-pinyin), converts them with sox to 8-bit A-law at 8 kHz and builds OUTDIR/VoiceDB.dat with
voxdb-build. Also writes the demo voice files, all headerless A-law .voc:
  OUTDIR/Voice/pth/  Notice.voc Bye.voc FlashWait.voc   (Mandarin)
  OUTDIR/Voice/gdh/  Notice.voc Bye.voc FlashWait.voc   (Cantonese)
  OUTDIR/Voice/Index/ the named segments: music busymusic slicbusy silent slicno num0..num9
                      shi dian bai qian wan yi yuan jiao fen
  OUTDIR/KtIndex.ini  section [Index], one line name=file path per named segment
Per-character recordings are kept in OUTDIR/Voice/chars, so an interrupted run goes on where it
stopped; a complete OUTDIR is left as it is unless --force is given.

  -j JOBS        parallel synthesis jobs (default: the number of processors)
  --builder PATH the voxdb-build program (default: $VOXDB_BUILD, then the build folders, then PATH)
  --chars TEXT   only the characters of TEXT (UTF-8), for a quick small database
  --force        make everything again
EOF
}

# Bump when the output changes, so that older complete folders are made again.
readonly kVersion=1
readonly kVoice=cmn-latn-pinyin
readonly kCantonese=yue

jobs=$(nproc)
builder=${VOXDB_BUILD:-}
only=""
force=0
out=""
while [ $# -gt 0 ]; do
    case "$1" in
        -j) jobs=$2; shift 2 ;;
        --builder) builder=$2; shift 2 ;;
        --chars) only=$2; shift 2 ;;
        --force) force=1; shift ;;
        -h|--help) usage; exit 0 ;;
        -*) echo "make-voices: unknown option $1" >&2; usage >&2; exit 2 ;;
        *) [ -z "$out" ] || { echo "make-voices: one output folder only" >&2; exit 2; }; out=$1; shift ;;
    esac
done
[ -n "$out" ] || { usage >&2; exit 2; }
[[ "$jobs" =~ ^[1-9][0-9]*$ ]] || { echo "make-voices: -j needs a positive number" >&2; exit 2; }

for tool in espeak-ng sox iconv; do
    command -v "$tool" >/dev/null || { echo "make-voices: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

repo=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "$builder" ]; then
    for candidate in "$repo"/build/voxstore-rel "$repo"/build/release "$repo"/build/voxstore "$repo"/build/dev; do
        if [ -x "$candidate/voxstore/voxdb-build" ]; then builder=$candidate/voxstore/voxdb-build; break; fi
    done
    [ -n "$builder" ] || builder=$(command -v voxdb-build || true)
fi
[ -x "$builder" ] || {
    echo "make-voices: voxdb-build not found; build it (cmake --build BUILD_DIR --target voxdb-build)" >&2
    echo "             or name it with --builder PATH" >&2
    exit 1
}

mkdir -p "$out"
out=$(cd "$out" && pwd)
chars=$out/Voice/chars
index=$out/Voice/Index
stamp=$out/.make-voices-complete
stampText="version=$kVersion chars=$only"

if [ $force -eq 0 ] && [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$stampText" ] && [ -f "$out/VoiceDB.dat" ]; then
    echo "make-voices: $out is complete already (--force makes it again)"
    exit 0
fi
if [ $force -eq 1 ]; then
    rm -rf "$chars" "$index" "$out/Voice/pth" "$out/Voice/gdh"
fi
rm -f "$stamp"
mkdir -p "$chars" "$index" "$out/Voice/pth" "$out/Voice/gdh"
started=$(date +%s)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# speak VOICE TEXT FILE: TEXT spoken into FILE as A-law .voc, leading and trailing silence cut.
# Written under a temporary name first, so that a file that exists is always whole.
speak() {
    local voice=$1 text=$2 file=$3
    espeak-ng -v "$voice" --stdout "$text" |
        sox -D -V1 -t wav - -r 8000 -c 1 -e a-law -b 8 -t raw "$file.part" \
            silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse trim 0 6 &&
        mv "$file.part" "$file"
}

# --- The character list: table code, tab, the character in UTF-8. ---------------------------------
# Every GB2312 hanzi position in row-major order; iconv drops the five unassigned positions of row
# 0xD7 and leaves their lines empty, so the line number still gives the position.
list=$work/characters
{
    for ((row = 0xB0; row <= 0xF7; row++)); do
        printf -v lead '\\x%02x' $row
        for ((col = 0xA1; col <= 0xFE; col++)); do
            printf -v trail '\\x%02x' $col
            printf "$lead$trail\n"
        done
    done
} | iconv -c -f GB2312 -t UTF-8 | awk '{ if ($0 != "") printf "%d\t%s\n", 127 + NR, $0 }' >"$list"
for c in 0 1 2 3 4 5 6 7 8 9 A B C D E F G H I J K L M N O P Q R S T U V W X Y Z; do
    printf '%d\t%s\n' "'$c" "$c" >>"$list"
done
if [ -n "$only" ]; then
    awk -F'\t' -v only="$only" 'index(only, $2) > 0 || index(only, tolower($2)) > 0' "$list" >"$list.only"
    mv "$list.only" "$list"
fi
total=$(wc -l <"$list")

# --- Per-character recordings, in parallel shards. -------------------------------------------------
todo=$work/todo
: >"$todo"
while IFS=$'\t' read -r code text; do
    [ -s "$chars/$code.voc" ] || printf '%s\t%s\n' "$code" "$text" >>"$todo"
done <"$list"
missing=$(wc -l <"$todo")
echo "make-voices: $total characters, $((total - missing)) made before, $missing to speak with $jobs jobs"

pids=()
for ((j = 0; j < jobs; j++)); do
    awk -v jobs="$jobs" -v j="$j" 'NR % jobs == j' "$todo" >"$work/shard$j"
    (
        while IFS=$'\t' read -r code text; do
            speak "$kVoice" "$text" "$chars/$code.voc" 2>>"$work/errors" || echo "$code $text" >>"$work/failed"
        done <"$work/shard$j"
    ) &
    pids+=($!)
done

# Progress until every shard has finished.
count_done() { find "$chars" -name '*.voc' | wc -l; }
any_alive() {
    local pid
    for pid in "$@"; do kill -0 "$pid" 2>/dev/null && return 0; done
    return 1
}
while any_alive "${pids[@]}"; do
    sleep 3
    done_now=$(count_done)
    if [ -t 2 ]; then
        printf '\rmake-voices: %d/%d characters, %ds' "$done_now" "$total" $(($(date +%s) - started)) >&2
    else
        printf 'make-voices: %d/%d characters, %ds\n' "$done_now" "$total" $(($(date +%s) - started)) >&2
    fi
done
wait "${pids[@]}" || true
[ -t 2 ] && echo >&2
if [ -s "$work/failed" ]; then
    echo "make-voices: espeak-ng or sox failed for $(wc -l <"$work/failed") characters; they get the silent segment 0:" >&2
    head -5 "$work/failed" >&2
fi

# --- The database. --------------------------------------------------------------------------------
# Lower-case letters are spoken like their capitals and share their recording.
mapping=$out/Voice/chars/mapping.txt
: >"$mapping"
while IFS=$'\t' read -r code text; do
    [ -s "$chars/$code.voc" ] || continue
    printf '%s %s.voc\n' "$text" "$code" >>"$mapping"
    if [[ "$text" =~ ^[A-Z]$ ]]; then
        printf '%s %s.voc\n' "${text,,}" "$code" >>"$mapping"
    fi
done <"$list"
"$builder" "$chars" "$mapping" "$out/VoiceDB.dat"

# --- Demo voice files. ----------------------------------------------------------------------------
declare -A prompts=(
    [Notice]="您好，这里是自动语音通知系统。您有一条新的通知，请您及时办理。谢谢！"
    [Bye]="感谢您的接听，再见！"
    [FlashWait]="正在为您转接，请稍候。"
)
for name in "${!prompts[@]}"; do
    [ -s "$out/Voice/pth/$name.voc" ] || speak "$kVoice" "${prompts[$name]}" "$out/Voice/pth/$name.voc"
    [ -s "$out/Voice/gdh/$name.voc" ] || speak "$kCantonese" "${prompts[$name]}" "$out/Voice/gdh/$name.voc"
done

# Named segments the server plays through the board's index: prompts, digits and number units.
declare -A segments=(
    [slicbusy]="座席全忙，请稍候。" [slicno]="号座席为您服务。"
    [num0]="零" [num1]="一" [num2]="二" [num3]="三" [num4]="四"
    [num5]="五" [num6]="六" [num7]="七" [num8]="八" [num9]="九"
    [shi]="十" [dian]="点" [bai]="百" [qian]="千" [wan]="万" [yi]="亿" [yuan]="元" [jiao]="角" [fen]="分"
)
for name in "${!segments[@]}"; do
    [ -s "$index/$name.voc" ] || speak "$kVoice" "${segments[$name]}" "$index/$name.voc"
done

# tune FILE WAVE NOTE...: a short tune of 0.3 s notes, for the waiting and hold music.
tune() {
    local file=$1 wave=$2 parts=() n=0
    shift 2
    for note in "$@"; do
        sox -D -V1 -n -r 8000 -c 1 "$work/note$n.wav" synth 0.3 "$wave" "$note" fade 0.01 0.3 0.1 vol 0.4
        parts+=("$work/note$n.wav")
        n=$((n + 1))
    done
    sox -D -V1 "${parts[@]}" -r 8000 -c 1 -e a-law -b 8 -t raw "$file.part" && mv "$file.part" "$file"
}
[ -s "$index/music.voc" ] || tune "$index/music.voc" pluck C4 E4 G4 C5 G4 E4 C4 E4 G4 C5 G4 E4 F4 A4 C5 A4 G4 E4 C4
[ -s "$index/busymusic.voc" ] || tune "$index/busymusic.voc" sine A3 C4 E4 A4 E4 C4 G3 B3 D4 G4 D4 B3 A3
[ -s "$index/silent.voc" ] ||
    { sox -D -V1 -n -r 8000 -c 1 -e a-law -b 8 -t raw "$index/silent.voc.part" trim 0 0.5 &&
        mv "$index/silent.voc.part" "$index/silent.voc"; }

# The board's voice index lists every named segment by its full path.
{
    echo "; Voice segments the server plays by name; written by make-voices.sh"
    echo "[Index]"
    for name in music busymusic slicbusy silent slicno num0 num1 num2 num3 num4 num5 num6 num7 num8 num9 \
        shi dian bai qian wan yi yuan jiao fen; do
        echo "$name=$index/$name.voc"
    done
} >"$out/KtIndex.ini"

if [ -s "$work/failed" ]; then
    echo "make-voices: done in $(($(date +%s) - started)) s, but incomplete; run again to retry" >&2
    exit 1
fi
echo "$stampText" >"$stamp"
echo "make-voices: done in $(($(date +%s) - started)) s: $out"
