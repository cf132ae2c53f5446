#!/usr/bin/env bash
# Ejecting the three-partition test disk (all three mounted): `quillmere-cli eject` of one
# partition against three `udisksctl unmount` runs, alternating on the same machine.
#   bench/bench_eject.sh [BUILD_DIR] [ROUNDS]        (root; BUILD_DIR defaults to build)
# Two quillmere variants are timed: with a media-policy override that keeps the disk attached
# (the eject unmounts the partition, then its two siblings: three unmounts, as udisksctl does)
# and with the default disk-image policy (three unmounts, then the loop device is deleted).
# Uses the private system bus of QUILLMERE_TEST_SYSTEM_BUS_ADDRESS, else starts its own.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-5}
cli=$build/cli/quillmere-cli
support=$root/tests/support

[ "$(id -u)" -eq 0 ] || { echo "bench_eject: needs root (loop devices, mounts)" >&2; exit 1; }
[ -x "$cli" ] || { echo "bench_eject: $cli is not built" >&2; exit 1; }

work=$(mktemp -d /tmp/quillmere-bench-XXXXXX)
started=0
folder=""
cleanup() {
    [ -n "$folder" ] && "$support/detach-test-disks.sh" "$folder" >/dev/null 2>&1
    [ $started -eq 1 ] && QUILLMERE_SERVICES_DIR=$work/services "$support/stop-services.sh"
    rm -rf "$work"
}
trap cleanup EXIT

if [ -n "${QUILLMERE_TEST_SYSTEM_BUS_ADDRESS:-}" ]; then
    export DBUS_SYSTEM_BUS_ADDRESS=$QUILLMERE_TEST_SYSTEM_BUS_ADDRESS
else
    export QUILLMERE_SERVICES_DIR=$work/services
    started=1
    "$support/start-services.sh" >/dev/null
    DBUS_SYSTEM_BUS_ADDRESS=$(cat "$QUILLMERE_SERVICES_DIR/bus-address")
    export DBUS_SYSTEM_BUS_ADDRESS
fi
# The command line's settings, history and overrides stay in the bench's folder.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
overrides_dir=$XDG_DATA_HOME/Quillmere
mkdir -p "$overrides_dir"
keep_attached='[{"match": {"deviceModel": "Disk Image"}, "policy": {"ejectSemantics": "unmountKeepAttached"}}]'

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Attaches and mounts a fresh disk as $dev, once udisks2 knows its mounted partitions.
fresh_disk() {
    folder=$(mktemp -d /tmp/quillmere-test-XXXXXX)
    dev=$("$support/make-test-disks.sh" --dir "$folder" --mount three | sed -n 's|^three=||p')
    udevadm settle --timeout=30
    for _ in $(seq 1 100); do
        udisksctl info -b "${dev}p3" 2>/dev/null | grep -q 'MountPoints: */' && break
        sleep 0.1
    done
}

retire_disk() {
    "$support/detach-test-disks.sh" "$folder" >/dev/null 2>&1
    folder=""
}

time_cli() { # dev
    local start end
    start=$(now_ms)
    "$cli" eject "${1}p2" >/dev/null
    end=$(now_ms)
    echo $((end - start))
}

time_udisksctl() { # dev
    local start end
    start=$(now_ms)
    udisksctl unmount -b "${1}p1" >/dev/null
    udisksctl unmount -b "${1}p2" >/dev/null
    udisksctl unmount -b "${1}p3" >/dev/null
    end=$(now_ms)
    echo $((end - start))
}

mounted_partitions() { # dev
    awk '{ for (i = 7; $i != "-"; i++) ; print $(i + 2) }' /proc/self/mountinfo |
        grep -c "^${1}p[123]\$" || true
}

declare -a keep image ctl
for round in $(seq 1 "$rounds"); do
    fresh_disk
    echo "$keep_attached" >"$overrides_dir/media-policy-overrides.json"
    keep+=("$(time_cli "$dev")")
    [ "$(mounted_partitions "$dev")" -eq 0 ] || { echo "bench_eject: quillmere left mounts" >&2; exit 1; }
    retire_disk

    fresh_disk
    ctl+=("$(time_udisksctl "$dev")")
    retire_disk

    fresh_disk
    rm -f "$overrides_dir/media-policy-overrides.json"
    image+=("$(time_cli "$dev")")
    [ "$(mounted_partitions "$dev")" -eq 0 ] || { echo "bench_eject: quillmere left mounts" >&2; exit 1; }
    retire_disk
    echo "round $round: quillmere-cli eject (keep attached) ${keep[-1]} ms," \
        "3x udisksctl unmount ${ctl[-1]} ms, quillmere-cli eject (disk image) ${image[-1]} ms"
done

summary() { # label values...
    local label=$1
    shift
    printf '%s\n' "$@" | sort -n | awk -v l="$label" '
        { v[NR] = $1; s += $1 }
        END { printf "%-50s median %5d ms  mean %7.1f ms  min %5d  max %5d  (n=%d)\n",
              l, v[int((NR + 1) / 2)], s / NR, v[1], v[NR], NR }'
}
summary "quillmere-cli eject, keep attached (3 unmounts)" "${keep[@]}"
summary "udisksctl unmount x3" "${ctl[@]}"
summary "quillmere-cli eject, disk image (+ loop delete)" "${image[@]}"
