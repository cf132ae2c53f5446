#!/usr/bin/env bash
# Stops what start-services.sh started, by the process ids it recorded.
# With --udisksd-only, stops just udisksd.
set -uo pipefail

state=${QUILLMERE_SERVICES_DIR:-/tmp/quillmere-services}

stop_pid() {
    local file=$1 pid
    [ -f "$file" ] || return 0
    pid=$(cat "$file")
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        for _ in $(seq 1 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
    fi
    rm -f "$file"
}

stop_pid "$state/udisksd.pid"
[ "${1:-}" = "--udisksd-only" ] && exit 0
stop_pid "$state/udevd.pid"
stop_pid "$state/dbus.pid"
rm -f "$state/bus-address" "$state/system_bus_socket"
exit 0
