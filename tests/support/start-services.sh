#!/usr/bin/env bash
# Starts a private system bus, udevd (when none runs), polkitd and udisksd for the real-device
# tests. The bus address is written to $QUILLMERE_SERVICES_DIR/bus-address. polkitd reads its
# rules from $QUILLMERE_SERVICES_DIR/polkit-rules.d (bound over /etc/polkit-1/rules.d in a mount
# namespace of its own, so the machine's rules are neither used nor touched); tests put theirs
# there and polkitd reloads them. Without polkitd only root's calls are authorized.
# With --udisksd-only, starts just udisksd on a bus this script started earlier.
set -euo pipefail

state=${QUILLMERE_SERVICES_DIR:-/tmp/quillmere-services}
udisksd=/usr/libexec/udisks2/udisksd
udevd=/lib/systemd/systemd-udevd
polkitd=/usr/lib/polkit-1/polkitd

alive() { [ -f "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

# Waits until a name has an owner on the private bus, or the process of the pid file ends.
wait_for_name() { # name pidfile
    local address
    address=$(cat "$state/bus-address")
    for _ in $(seq 1 100); do
        if DBUS_SYSTEM_BUS_ADDRESS=$address dbus-send --system --print-reply \
            --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
            string:"$1" 2>/dev/null | grep -q 'boolean true'; then
            return 0
        fi
        alive "$2" || break
        sleep 0.1
    done
    return 1
}

start_polkitd() {
    if [ ! -x "$polkitd" ] || ! id polkitd >/dev/null 2>&1; then
        echo "start-services: polkitd is not installed; the unprivileged tests will skip" >&2
        return 0
    fi
    local rules=$state/polkit-rules.d
    mkdir -p "$rules"
    chmod 755 "$rules"
    # It switches to its own user by itself, the one the bus policy lets own its name.
    DBUS_SYSTEM_BUS_ADDRESS=$(cat "$state/bus-address") unshare --mount --propagation private \
        sh -c 'mount --bind "$1" /etc/polkit-1/rules.d && exec "$2"' \
        sh "$rules" "$polkitd" >>"$state/polkitd.log" 2>&1 &
    echo $! >"$state/polkitd.pid"
    if ! wait_for_name org.freedesktop.PolicyKit1 "$state/polkitd.pid"; then
        echo "start-services: polkitd did not appear on the bus (see $state/polkitd.log);" \
            "the unprivileged tests will skip" >&2
    fi
}

start_udisksd() {
    local address
    address=$(cat "$state/bus-address")
    if alive "$state/udisksd.pid"; then
        return 0
    fi
    DBUS_SYSTEM_BUS_ADDRESS=$address "$udisksd" --no-sigint >>"$state/udisksd.log" 2>&1 &
    echo $! >"$state/udisksd.pid"
    # Ready once the daemon owns its name on the bus.
    wait_for_name org.freedesktop.UDisks2 "$state/udisksd.pid" && return 0
    echo "start-services: udisksd did not appear on the bus (see $state/udisksd.log)" >&2
    return 1
}

if [ "$(id -u)" -ne 0 ]; then
    echo "start-services: needs root (udevd and udisksd manage block devices)" >&2
    exit 1
fi
for tool in dbus-daemon dbus-send udevadm "$udisksd" "$udevd"; do
    command -v "$tool" >/dev/null || { echo "start-services: $tool is missing" >&2; exit 1; }
done

if [ "${1:-}" = "--udisksd-only" ]; then
    [ -f "$state/bus-address" ] || { echo "start-services: no private bus in $state" >&2; exit 1; }
    start_udisksd
    exit 0
fi

mkdir -p "$state"
if alive "$state/dbus.pid"; then
    echo "start-services: already running in $state" >&2
    start_udisksd
    exit 0
fi

# The system bus configuration, listening on its own socket and run as the caller. Without
# service directories nothing is bus-activated: udisksd runs only while this script runs it.
# The socket sits in a folder that every user can reach: polkitd and the unprivileged tests
# connect as other users.
busdir=$(mktemp -d /tmp/quillmere-bus-XXXXXX)
chmod 755 "$busdir"
echo "$busdir" >"$state/bus-dir"
socket="$busdir/system_bus_socket"
sed -e "s|<listen>.*</listen>|<listen>unix:path=$socket</listen>|" \
    -e '/<user>/d' -e '/<pidfile>/d' -e '/<servicehelper>/d' -e '/<syslog\/>/d' \
    -e '/<standard_system_servicedirs\/>/d' \
    -e 's|<includedir>system.d</includedir>|<includedir>/usr/share/dbus-1/system.d</includedir>|' \
    /usr/share/dbus-1/system.conf >"$state/system.conf"
# system.local.conf sits beside the original; keep it out.
sed -i '/system.local.conf/d' "$state/system.conf"

dbus-daemon --config-file="$state/system.conf" --fork \
    --print-pid=3 --print-address=4 3>"$state/dbus.pid" 4>"$state/bus-address.tmp"
for _ in $(seq 1 50); do
    [ -s "$state/bus-address.tmp" ] && break
    sleep 0.1
done
head -n1 "$state/bus-address.tmp" >"$state/bus-address"
rm -f "$state/bus-address.tmp"

if udevadm control --ping 2>/dev/null; then
    rm -f "$state/udevd.pid"
else
    "$udevd" >>"$state/udevd.log" 2>&1 &
    echo $! >"$state/udevd.pid"
    for _ in $(seq 1 50); do
        udevadm control --ping 2>/dev/null && break
        sleep 0.1
    done
fi
udevadm trigger --subsystem-match=block --action=add
udevadm settle --timeout=30

# Before udisksd, which asks it from its first call on.
start_polkitd
start_udisksd
echo "start-services: system bus at $(cat "$state/bus-address")"
