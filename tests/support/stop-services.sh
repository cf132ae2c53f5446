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
stop_pid "$state/polkitd.pid"
stop_pid "$state/udevd.pid"
stop_pid "$state/dbus.pid"
if [ -f "$state/bus-dir" ]; then
    busdir=$(cat "$state/bus-dir")
    case $busdir in /tmp/quillmere-bus-*) rm -rf "$busdir" ;; esac
fi
rm -rf "$state/bus-address" "$state/bus-dir" "$state/polkit-rules.d"
exit 0
