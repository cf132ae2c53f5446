#!/usr/bin/env bash
# Starts the tray application under Xvfb with test disks attached (a private udisks2, as the
# real-device tests use), opens its menu and the first volume's submenu, then the volumes
# popover in its fan, grid and list layouts, and saves a PNG of each in a folder whose name it
# prints last.
#   scripts/screenshots.sh [--measure | --breakdown] [BUILD_DIR]   (default: build; needs root)
# --measure then closes the menu, leaves the program at rest for 60 seconds and prints its
# resident memory and the share of one core it used meanwhile; --breakdown also prints what
# that memory consists of: anonymous and file-backed parts, threads, the largest mappings.
# The menu and the popover are opened the way a user without a tray would: by launching the
# program again (with the popover surface off, that shows the menu).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
measure=0
breakdown=0
case "${1:-}" in
--measure) measure=1 && shift ;;
--breakdown) measure=1 && breakdown=1 && shift ;;
esac
build=$(cd "${1:-$root/build}" && pwd)
app=$build/app/quillmere
support=$root/tests/support

die() { echo "screenshots: $*" >&2; exit 1; }
[ -x "$app" ] || die "$app does not exist; build the project first"
[ "$(id -u)" -eq 0 ] || die "needs root (test disks are loop devices served by a private udisks2)"
for tool in Xvfb xdotool dbus-daemon; do
    command -v "$tool" >/dev/null || die "$tool is missing (apt-get install xvfb xdotool dbus)"
done
if ! command -v import >/dev/null || ! import -version 2>/dev/null | grep -q ImageMagick; then
    # The screen is read with ImageMagick's import; it is only needed here.
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q imagemagick >/dev/null ||
        die "ImageMagick's import is missing (apt-get install imagemagick)"
fi

out=$(mktemp -d /tmp/quillmere-screenshots-XXXXXX)
scratch=$(mktemp -d /tmp/quillmere-screens-run-XXXXXX)
disks=$(mktemp -d /tmp/quillmere-test-XXXXXX)
export QUILLMERE_SERVICES_DIR=$scratch/services
mkdir -p "$QUILLMERE_SERVICES_DIR"
pids=()

cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    "$support/detach-test-disks.sh" "$disks" >/dev/null 2>&1 || true
    "$support/stop-services.sh" >/dev/null 2>&1 || true
    rm -rf "$scratch"
}
trap cleanup EXIT

"$support/start-services.sh"
DBUS_SYSTEM_BUS_ADDRESS=$(cat "$QUILLMERE_SERVICES_DIR/bus-address")
export DBUS_SYSTEM_BUS_ADDRESS
"$support/make-test-disks.sh" --dir "$disks" --mount three plain >/dev/null

# A display of its own.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x640x24 -nolisten tcp -noreset >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=:$display
for _ in $(seq 1 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done
# A desktop picture, so that the popover's translucency shows.
convert -size 1024x640 gradient:'#2b5d8c-#c8874a' "$scratch/desktop.png"
# display sets the root window and then reports failure, as it shows no window of its own.
display -window root "$scratch/desktop.png" || true

# A session bus of its own, so the single-instance handshake stays inside this run.
dbus-daemon --session --nofork --print-address=1 >"$scratch/session-bus" 2>/dev/null &
pids+=($!)
for _ in $(seq 1 50); do
    [ -s "$scratch/session-bus" ] && break
    sleep 0.1
done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/session-bus")
export DBUS_SESSION_BUS_ADDRESS

# Settings and history of this run only.
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
export QT_QPA_PLATFORM=xcb

# settings KEY=VALUE...: the program's settings file for the next start (booleans and strings).
settings() {
    mkdir -p "$XDG_CONFIG_HOME/quillmere"
    local body="" pair key value
    for pair in "$@"; do
        key=${pair%%=*} value=${pair#*=}
        case $value in
        true | false) entry="{\"type\": \"bool\", \"value\": $value}" ;;
        *) entry="{\"type\": \"string\", \"value\": \"$value\"}" ;;
        esac
        body="$body${body:+, }\"$key\": $entry"
    done
    echo "{$body}" >"$XDG_CONFIG_HOME/quillmere/$appid.json"
}
appid=com.quillmere.app

start_app() {
    "$app" >>"$scratch/app.log" 2>&1 &
    pids+=($!)
    sleep 4
    kill -0 "${pids[-1]}" 2>/dev/null || die "the application stopped: $(cat "$scratch/app.log")"
}

stop_app() {
    kill "${pids[-1]}" && wait "${pids[-1]}" 2>/dev/null || true
    unset 'pids[-1]'
}

settings dockEnabled=false
start_app

xdotool mousemove 120 60
# The second launch reopens the first one, which shows its menu at the pointer.
timeout 20 "$app" || die "the second launch did not hand over to the first"
sleep 1.5
import -window root "$out/status-menu.png"

# The first entry, then the first volume row, then its submenu.
xdotool key Down Down Right
sleep 1.5
import -window root "$out/volume-submenu.png"

if [ $measure -eq 0 ]; then
    xdotool key Escape Escape
    # The popover in each layout, opened by a second launch with the pointer where a launcher
    # bar would be.
    for layout in fan grid list; do
        stop_app
        settings dockEnabled=true popoverViewMode=$layout
        start_app
        xdotool mousemove 420 610
        timeout 20 "$app" || die "the second launch did not hand over to the first"
        sleep 1.5
        import -window root "$out/popover-$layout.png"
        xdotool key Escape
        sleep 0.5
    done
fi

if [ $measure -eq 1 ]; then
    xdotool key Escape Escape
    pid=${pids[-1]}
    ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
    hz=$(getconf CLK_TCK)
    sleep 5
    before=$(ticks)
    sleep 60
    after=$(ticks)
    rss=$(awk '/^VmRSS/ { print $2, $3 }' "/proc/$pid/status")
    cpu=$(awk -v d=$((after - before)) -v hz="$hz" 'BEGIN { printf "%.2f", d / hz / 60 * 100 }')
    echo "at rest: resident $rss, CPU $cpu % of one core over 60 s" | tee "$out/at-rest.txt"
    if [ $breakdown -eq 1 ]; then
        {
            grep -E '^(RssAnon|RssFile|RssShmem|Threads):' "/proc/$pid/status"
            echo "threads: $(cat /proc/"$pid"/task/*/comm | paste -sd ' ')"
            echo "largest mappings, kB resident and of it anonymous:"
            awk '/^[0-9a-f]+-[0-9a-f]+ / { name = NF >= 6 ? $6 : "[anon]" }
                 /^Rss:/ { rss[name] += $2 }
                 /^Anonymous:/ { anon[name] += $2 }
                 END { for (n in rss) printf "%8d %8d  %s\n", rss[n], anon[n], n }' \
                "/proc/$pid/smaps" | sort -rn | awk 'NR <= 25'
        } | tee "$out/breakdown.txt"
    fi
fi

echo "$out"
