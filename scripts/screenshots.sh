#!/usr/bin/env bash
# Starts the tray application under Xvfb with test disks attached (a private udisks2, as the
# real-device tests use), opens its menu and the first volume's submenu, then the main window on
# the Volumes pane as grid and as list, ejects a volume that a process holds (declining the
# force-eject offer) and then ejects it for good, and shows the History pane with both lines.
# Then, once per other language (de, fr, ja, es, given through LANGUAGE), the menu, the submenu
# and the main window again (status-menu-de.png, volume-submenu-de.png, main-window-de.png …).
# The preferences pane, in English and German, is drawn on the same display by its widget test
# (preferences-*.png). Last, the volumes popover in its fan, grid and list layouts
# (popover-fan.png …). It saves the PNGs in a folder whose name it prints last.
#   scripts/screenshots.sh [--measure | --breakdown] [BUILD_DIR]   (default: build; needs root)
# QUILLMERE_SCREENSHOT_DISPLAY picks the first X display number to try (default 99).
# --measure leaves the program at rest for 60 seconds before the main window was ever opened
# and again after it was opened and closed, and prints its resident memory and the share of
# one core it used each time; --breakdown also prints what that memory consists of: anonymous
# and file-backed parts, threads, the largest mappings.
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
if ! fc-list :lang=ja | grep -q .; then
    # Japanese needs a font with its characters; a desktop has one, a bare machine does not.
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q fonts-vlgothic >/dev/null ||
        die "no Japanese font (apt-get install fonts-vlgothic)"
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
display=${QUILLMERE_SCREENSHOT_DISPLAY:-99}
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
# Every run also says that the offer to move the program was declined where it is: from a
# checkout below /tmp or Downloads the program would otherwise ask first, and wait for an
# answer nobody gives.
appid=com.quillmere.app
program_path=$(realpath "$app")
settings() {
    mkdir -p "$XDG_CONFIG_HOME/quillmere"
    local body="" pair key value entry
    for pair in "$@"; do
        key=${pair%%=*} value=${pair#*=}
        case $value in
        true | false) entry="{\"type\": \"bool\", \"value\": $value}" ;;
        *) entry="{\"type\": \"string\", \"value\": \"$value\"}" ;;
        esac
        body="$body${body:+, }\"$key\": $entry"
    done
    local declined="{\"type\": \"array\", \"value\": [{\"type\": \"string\", \"value\": \"$program_path\"}]}"
    body="$body${body:+, }\"QMMoveOfferDeclinedLocations\": $declined"
    echo "{$body}" >"$XDG_CONFIG_HOME/quillmere/$appid.json"
}

# Starts the program in one language and saves its menu and the first volume's submenu; the
# program keeps running.
shoot() {
    local language=$1
    # Without the popover surface a second launch shows the tray menu.
    settings dockEnabled=false
    LANGUAGE=$language "$app" >"$scratch/app-$language.log" 2>&1 &
    pids+=($!)
    sleep 4
    kill -0 "${pids[-1]}" 2>/dev/null || die "the application stopped: $(cat "$scratch/app-$language.log")"

    xdotool mousemove 120 60
    # The second launch reopens the first one, which shows its menu at the pointer.
    LANGUAGE=$language timeout 20 "$app" || die "the second launch did not hand over to the first"
    sleep 1.5
    import -window root "$out/status-menu-$language.png"

    # The first entry, then the first volume row, then its submenu.
    xdotool key Down Down Right
    sleep 1.5
    import -window root "$out/volume-submenu-$language.png"
    xdotool key Escape Escape
}

# Ends the program started last, so that the next language starts a new one.
stop_app() {
    local pid=${pids[-1]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    unset 'pids[-1]'
}

shoot en
pid=${pids[-1]}

# Resident memory and CPU over 60 seconds without any input; $1 names the moment.
at_rest() {
    local label=$1 file=$2 before after rss cpu hz
    ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
    hz=$(getconf CLK_TCK)
    sleep 5
    before=$(ticks)
    sleep 60
    after=$(ticks)
    rss=$(awk '/^VmRSS/ { print $2, $3 }' "/proc/$pid/status")
    cpu=$(awk -v d=$((after - before)) -v hz="$hz" 'BEGIN { printf "%.2f", d / hz / 60 * 100 }')
    echo "$label: resident $rss, CPU $cpu % of one core over 60 s" | tee -a "$out/at-rest.txt"
    if [ $breakdown -eq 1 ]; then
        {
            echo "== $label"
            grep -E '^(RssAnon|RssFile|RssShmem|Threads):' "/proc/$pid/status"
            echo "threads: $(cat /proc/"$pid"/task/*/comm | paste -sd ' ')"
            echo "largest mappings, kB resident and of it anonymous:"
            awk '/^[0-9a-f]+-[0-9a-f]+ / { name = NF >= 6 ? $6 : "[anon]" }
                 /^Rss:/ { rss[name] += $2 }
                 /^Anonymous:/ { anon[name] += $2 }
                 END { for (n in rss) printf "%8d %8d  %s\n", rss[n], anon[n], n }' \
                "/proc/$pid/smaps" | sort -rn | awk 'NR <= 25'
        } | tee -a "$out/$file"
    fi
}

[ $measure -eq 1 ] && at_rest "at rest, main window never opened" breakdown.txt

# The tray menu at the pointer, as in the first picture.
menu() {
    xdotool mousemove 120 60
    timeout 20 "$app" || die "the second launch did not hand over to the first"
    sleep 1.5
}
# The volume rows sort by name: QMEXT2, QMEXT4, QMPLAIN, QMXFS; "Open Quillmere" comes first.
eject_plain() {
    menu
    xdotool key Down Down Down Down Right Return
}

menu
xdotool key Down Return
sleep 2
window=$(xdotool search --sync --onlyvisible --name '^Quillmere — ' | head -n 1)
[ -n "$window" ] || die "the main window did not open"
xdotool mousemove --window "$window" 450 450
import -window "$window" "$out/main-volumes-grid.png"
xdotool key ctrl+2
sleep 1
import -window "$window" "$out/main-volumes-list.png"
xdotool key ctrl+1

# A failed eject: a process keeps its working folder on QMPLAIN and the force-eject offer is
# declined. Then the same volume ejected once nothing holds it.
(cd "/mnt/$(basename "$disks")/QMPLAIN" && exec sleep 600) &
blocker=$!
pids+=("$blocker")
eject_plain
sleep 5
import -window root "$out/force-eject-offer.png"
xdotool key Escape
sleep 2
kill "$blocker"
wait "$blocker" 2>/dev/null || true
# Off the list again, so that stop_app below ends the program, not this.
unset 'pids[-1]'
sleep 1
eject_plain
sleep 5

# The History row of the sidebar.
xdotool mousemove --window "$window" 60 99 click 1
sleep 1.5
xdotool mousemove --window "$window" 450 450
import -window "$window" "$out/main-history.png"

# Closed by hand, as a user would.
xdotool key ctrl+w
sleep 1
xdotool search --onlyvisible --name '^Quillmere — ' >/dev/null && die "the main window did not close"

[ $measure -eq 1 ] && at_rest "at rest, main window opened and closed" breakdown-after-window.txt
stop_app

for language in de fr ja es; do
    shoot "$language"
    # "Open Quillmere", the menu's first entry.
    menu
    xdotool key Down Return
    sleep 2
    window=$(xdotool search --sync --onlyvisible --name '^Quillmere' | head -n 1)
    [ -n "$window" ] || die "the main window did not open in $language"
    xdotool mousemove --window "$window" 450 450
    import -window "$window" "$out/main-window-$language.png"
    stop_app
done

# The popover in each layout, opened by a second launch with the pointer where a launcher bar
# would be.
for layout in fan grid list; do
    settings dockEnabled=true popoverViewMode=$layout
    LANGUAGE=en "$app" >>"$scratch/app-popover.log" 2>&1 &
    pids+=($!)
    sleep 4
    kill -0 "${pids[-1]}" 2>/dev/null || die "the application stopped: $(cat "$scratch/app-popover.log")"
    xdotool mousemove 420 610
    timeout 20 "$app" || die "the second launch did not hand over to the first"
    sleep 1.5
    import -window root "$out/popover-$layout.png"
    xdotool key Escape
    sleep 0.5
    stop_app
done

QUILLMERE_SCREENSHOT_DIR=$out "$build/tests/tst_preferencespane" captureForScreenshots \
    >"$scratch/pane.log" 2>&1 || die "the preferences pane was not drawn: $(cat "$scratch/pane.log")"
[ -s "$out/preferences-de.png" ] || die "the preferences pane was not drawn: $(cat "$scratch/pane.log")"

echo "$out"
