#!/usr/bin/env bash
# Starts (start DIR) or stops (stop DIR) a throw-away PostgreSQL server on loopback for the tests;
# its port is written to DIR/port. initdb refuses root, so the server runs as the postgres user then.
# halt DIR stops a started server and keeps its data; resume DIR starts it again on the same port.
set -euo pipefail
action=$1
dir=$2
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bin" ] || { echo "postgres-fixture: PostgreSQL is not installed" >&2; exit 1; }

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then su postgres -s /bin/sh -c "$*"; else sh -c "$*"; fi
}

case $action in
start)
    [ -d "$dir" ] && as_owner "$bin/pg_ctl -D '$dir/data' stop -m immediate" >/dev/null 2>&1 || true
    rm -rf "$dir"
    mkdir -p "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres "$dir"
    as_owner "$bin/initdb -D '$dir/data' -A trust -U vn -E UTF8 --locale=C.UTF-8" >"$dir/initdb.log" 2>&1
    # Another build may hold a port: take the first one that starts.
    for port in $(seq 54329 54379); do
        if as_owner "$bin/pg_ctl -D '$dir/data' -w -t 20 -l '$dir/server.log' -o \"-p $port -k '$dir' -c listen_addresses=127.0.0.1 -c fsync=off\" start" >/dev/null 2>&1; then
            echo "$port" >"$dir/port"
            exit 0
        fi
    done
    echo "postgres-fixture: no server started; see $dir/server.log" >&2
    exit 1
    ;;
halt)
    as_owner "$bin/pg_ctl -D '$dir/data' stop -m fast" >/dev/null
    ;;
resume)
    port=$(cat "$dir/port")
    as_owner "$bin/pg_ctl -D '$dir/data' -w -t 20 -l '$dir/server.log' -o \"-p $port -k '$dir' -c listen_addresses=127.0.0.1 -c fsync=off\" start" >/dev/null
    ;;
stop)
    as_owner "$bin/pg_ctl -D '$dir/data' stop -m immediate" >/dev/null 2>&1 || true
    rm -rf "$dir"
    ;;
esac
