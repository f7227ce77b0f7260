#!/usr/bin/env bash
# Checks what a shared library exports: exactly the C functions its public headers mark with its export
# macro, and no C++ symbol. Usage: check-exports.sh NM LIBRARY MACRO HEADER...
set -euo pipefail

if [ $# -lt 4 ]; then
    echo "usage: $0 NM LIBRARY MACRO HEADER..." >&2
    exit 2
fi
nm=$1 library=$2 macro=$3
shift 3

# The names the headers declare with the macro: "MACRO type name(" on one line, the macro's own
# definition aside.
declared=$(grep -h "^[[:space:]]*$macro[[:space:]]" "$@" | sed -E 's/^[^(]*[^A-Za-z0-9_]([A-Za-z_][A-Za-z0-9_]*)[[:space:]]*\(.*/\1/' |
    sort -u)
exported=$("$nm" -D --defined-only "$library" | awk 'NF { print $NF }' | sed 's/@.*//' | sort -u)

if [ -z "$declared" ]; then
    echo "no function of $* is marked $macro" >&2
    exit 1
fi

status=0
cxx=$(grep '^_Z' <<<"$exported" || true)
if [ -n "$cxx" ]; then
    echo "C++ symbols leave $library:" >&2
    sed 's/^/  /' <<<"$cxx" >&2
    status=1
fi
extra=$(comm -13 <(echo "$declared") <(echo "$exported") | grep -v '^_Z' || true)
if [ -n "$extra" ]; then
    echo "$library exports names its headers do not mark $macro:" >&2
    sed 's/^/  /' <<<"$extra" >&2
    status=1
fi
missing=$(comm -23 <(echo "$declared") <(echo "$exported"))
if [ -n "$missing" ]; then
    echo "$library does not export these functions of its headers:" >&2
    sed 's/^/  /' <<<"$missing" >&2
    status=1
fi
if [ $status -eq 0 ]; then
    echo "$library exports its $(wc -l <<<"$declared") $macro functions and nothing else"
fi
exit $status
