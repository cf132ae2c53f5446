#!/usr/bin/env bash
# Starts KDE Plasma's global-shortcut stack headless, on a session bus of its own, and runs the
# program's portal shortcut against it (tests/desktop/kdeportalshortcutcheck.cpp): kwin_wayland
# --virtual (which carries kglobalaccel on Wayland), xdg-desktop-portal and its KDE backend
# (started by the bus on demand). The user's part in System Settings is played through
# kglobalaccel's D-Bus interface, a key press is its component's invokeShortcut. Prints the
# check's lines, then what went over the bus to the portal and what kglobalaccel kept.
#   scripts/kde-shortcut-check.sh [BUILD_DIR]   (default: build)
# A check by hand, not in CI: needs the packages kwin-wayland, xdg-desktop-portal,
# xdg-desktop-portal-kde, qtwayland5 and plasma-desktop, and the target kdeportalshortcutcheck.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
check=$build/tests/kdeportalshortcutcheck
if [[ ! -x $check ]]; then
    echo "No $check: cmake --build $build --target kdeportalshortcutcheck" >&2
    exit 2
fi
backend=
for candidate in /usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde \
    /usr/libexec/xdg-desktop-portal-kde /usr/lib/*/libexec/xdg-desktop-portal-kde; do
    [[ -x $candidate ]] && backend=$candidate && break
done
for needed in /usr/bin/kwin_wayland dbus-daemon dbus-monitor dbus-update-activation-environment \
    gdbus; do
    if ! command -v "$needed" >/dev/null; then
        echo "$needed is missing (packages kwin-wayland, dbus, libglib2.0-bin)" >&2
        exit 2
    fi
done
if [[ -z $backend ]] || ! [[ -e /usr/share/dbus-1/services/org.freedesktop.portal.Desktop.service ]]; then
    echo "xdg-desktop-portal with its KDE backend is missing (xdg-desktop-portal-kde)" >&2
    exit 2
fi

work=$(mktemp -d /tmp/quillmere-kde.XXXXXX)
pids=()
bus_pid=
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    [[ -n $bus_pid ]] && kill "$bus_pid" 2>/dev/null || true
    sleep 1
    # The document portal, started by the bus, mounts its folder in the runtime folder.
    fusermount3 -u -z "$work/run/doc" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/bin" "$work/run" "$work/home/.config"
chmod 700 "$work/run"
# /usr/bin/kwin_wayland carries a file capability (cap_sys_resource) that a container cannot
# grant, so exec fails with "Operation not permitted"; a copy carries none. It keeps its name,
# which kwin goes by.
cp /usr/bin/kwin_wayland "$work/bin/kwin_wayland"
# What KDE's portal opens when it binds (System Settings' shortcuts page), written down instead.
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
echo "\$*" >>"$work/opened.log"
EOF
chmod +x "$work/bin/xdg-open"

export XDG_RUNTIME_DIR=$work/run HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_TYPE=wayland KDE_FULL_SESSION=true
export PATH=$work/bin:$PATH
display=quillmere-kde

dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/bus.address" \
    4>"$work/bus.pid"
bus_pid=$(cat "$work/bus.pid")
DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus.address")
export DBUS_SESSION_BUS_ADDRESS
# Without XDG_CURRENT_DESKTOP=KDE among the services' environment the portal loads no backend.
dbus-update-activation-environment XDG_CURRENT_DESKTOP XDG_SESSION_TYPE KDE_FULL_SESSION \
    XDG_RUNTIME_DIR HOME XDG_CONFIG_HOME PATH WAYLAND_DISPLAY=$display QT_QPA_PLATFORM=wayland

"$work/bin/kwin_wayland" --virtual --no-lockscreen --socket "$display" --width 1024 \
    --height 768 >"$work/kwin.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
        -m org.freedesktop.DBus.NameHasOwner org.kde.kglobalaccel 2>/dev/null | grep -q true &&
        break
    sleep 0.2
done
if ! gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
    -m org.freedesktop.DBus.NameHasOwner org.kde.kglobalaccel | grep -q true; then
    echo "kwin_wayland brought up no kglobalaccel:" >&2
    tail -20 "$work/kwin.log" >&2
    exit 1
fi

dbus-monitor --session "type='method_call',interface='org.freedesktop.portal.GlobalShortcuts'" \
    "type='signal',interface='org.freedesktop.portal.GlobalShortcuts'" >"$work/bus.log" 2>&1 &
pids+=($!)
sleep 0.5

echo "== KDE stack: $(kwin_wayland --version 2>/dev/null || echo kwin_wayland)," \
    "$(dpkg-query -W -f '${Package} ${Version}' xdg-desktop-portal 2>/dev/null)," \
    "$(dpkg-query -W -f '${Package} ${Version}' xdg-desktop-portal-kde 2>/dev/null)"
echo "== The check"
status=0
QT_QPA_PLATFORM=offscreen "$check" >"$work/check.log" 2>&1 || status=$?
grep -v -e quillmere.mediadefinitions -e quillmere.autoeject -e systemTrayWindowChanged \
    "$work/check.log" | sed -e 's/^QINFO  : KdePortalShortcutCheck::[A-Za-z]*() /    /'

echo "== What went to the portal, in order"
# One line per call or signal: its member, the session token, the names and keys it carried.
awk '
    /^method call|^signal/ {
        if (line != "") print line
        line = ""
        if ($0 !~ /interface=org\.freedesktop\.portal\.GlobalShortcuts/) next
        match($0, /member=[A-Za-z]+/); line = "  " substr($0, RSTART + 7, RLENGTH - 7)
        next
    }
    line == "" { next }
    /object path "\/org\/freedesktop\/portal\/desktop\/session/ {
        n = split($0, parts, "/"); token = parts[n]; sub(/"$/, "", token)
        line = line " session=" token
    }
    /string "session_handle_token"/ { want = "token" ; next }
    /string "trigger_description"/ { want = "trigger"; next }
    /string "preferred_trigger"/ { want = "preferred"; next }
    /variant +string/ && want != "" {
        value = $0; sub(/.*string "/, "", value); sub(/"$/, "", value)
        line = line " " want "=\"" value "\""; want = ""
        next
    }
    END { if (line != "") print line }
' "$work/bus.log"
echo "== Calls: CreateSession $(grep -c 'member=CreateSession' "$work/bus.log" || true)," \
    "ListShortcuts $(grep -c 'member=ListShortcuts' "$work/bus.log" || true)," \
    "BindShortcuts $(grep -c 'member=BindShortcuts' "$work/bus.log" || true);" \
    "signals: ShortcutsChanged $(grep -c 'member=ShortcutsChanged' "$work/bus.log" || true)," \
    "Activated $(grep -c 'member=Activated' "$work/bus.log" || true)"
echo "== Opened by the portal (System Settings' shortcuts page):"
if [[ -s $work/opened.log ]]; then sed 's/^/  /' "$work/opened.log"; else echo "  nothing"; fi
echo "== kglobalaccel keeps (kglobalshortcutsrc):"
sed -n '/^\[quillmere\]/,/^$/p' "$work/home/.config/kglobalshortcutsrc" 2>/dev/null | sed 's/^/  /'
exit $status
