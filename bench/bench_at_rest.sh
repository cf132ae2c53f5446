#!/usr/bin/env bash
# The tray program at rest in a real tray host (trayer on Xvfb, a session bus of its own):
# resident memory after 60 s, again 60 s after the main window was opened and closed, the share
# of one core it used over the next CPU_SECONDS (default 300), and how many files it opens per
# second at rest (strace over 30 s).
#   bench/bench_at_rest.sh PROGRAM [CPU_SECONDS]
# Budgets: 30 MB, 40 MB, 0.03 % of a core, about one file per second. Without a system bus
# address in DBUS_SYSTEM_BUS_ADDRESS the program runs without udisks2 (no volumes); start the
# tests' private services first (tests/support/start-services.sh) to measure it with disks.
set -euo pipefail
program=$(realpath "${1:?usage: bench_at_rest.sh PROGRAM [CPU_SECONDS]}")
cpu_seconds=${2:-300}
for tool in Xvfb trayer xdotool dbus-daemon strace; do
    command -v "$tool" >/dev/null || { echo "bench_at_rest: $tool is missing" >&2; exit 1; }
done

scratch=$(mktemp -d /tmp/quillmere-rest-XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT

display=120
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=:$display
for _ in $(seq 1 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
dbus-daemon --session --nofork --print-address=1 >"$scratch/session-bus" 2>/dev/null &
pids+=($!)
for _ in $(seq 1 50); do [ -s "$scratch/session-bus" ] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/session-bus")
export DBUS_SESSION_BUS_ADDRESS
export DBUS_SYSTEM_BUS_ADDRESS=${DBUS_SYSTEM_BUS_ADDRESS:-unix:path=$scratch/no-system-bus}
trayer --edge top --align right --widthtype pixel --width 200 --height 24 >"$scratch/trayer.log" 2>&1 &
pids+=($!)
sleep 1

# Settings and history of this run only; the move offer was declined for this copy before.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
export XDG_CACHE_HOME=$scratch/cache QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/quillmere" "$HOME"
cat >"$XDG_CONFIG_HOME/quillmere/com.quillmere.app.json" <<JSON
{"QMMoveOfferDeclinedLocations": {"type": "array", "value": [{"type": "string", "value": "$program"}]}}
JSON

"$program" >"$scratch/app.log" 2>&1 &
pid=$!
pids+=($pid)
resident() { awk '/^VmRSS/ { printf "%.1f MB", $2 / 1024 }' "/proc/$pid/status"; }
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }

sleep 60
kill -0 "$pid" || { echo "bench_at_rest: the program stopped: $(cat "$scratch/app.log")" >&2; exit 1; }
echo "resident after 60 s at rest: $(resident)"

"$program" --action open >/dev/null 2>&1
window=$(xdotool search --sync --onlyvisible --name '^Quillmere' | head -n 1)
sleep 3
xdotool windowfocus --sync "$window" key ctrl+w
sleep 60
if xdotool search --onlyvisible --name '^Quillmere' >/dev/null 2>&1; then
    echo "bench_at_rest: the main window did not close" >&2
fi
echo "resident 60 s after the main window was opened and closed: $(resident)"

hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$cpu_seconds"
after=$(ticks)
awk -v d=$((after - before)) -v hz="$hz" -v s="$cpu_seconds" \
    'BEGIN { printf "CPU at rest: %.3f %% of one core over %d s\n", d / hz / s * 100, s }'

threads=()
for task in /proc/"$pid"/task/*; do threads+=(-p "${task##*/}"); done
strace -qq -e trace=open,openat,openat2 -o "$scratch/opens" "${threads[@]}" &
tracer=$!
sleep 30
kill -INT "$tracer"
wait "$tracer" 2>/dev/null || true
opens=$(grep -c 'open' "$scratch/opens" || true)
awk -v n="$opens" 'BEGIN { printf "files opened at rest: %.2f per second (%d in 30 s)\n", n / 30, n }'
