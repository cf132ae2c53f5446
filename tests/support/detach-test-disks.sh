#!/usr/bin/env bash
# Unmounts and detaches the loop devices that make-test-disks.sh attached, then removes
# their folders.   detach-test-disks.sh [DIR...]   (default: every /tmp/quillmere-test-*)
# Only loop devices whose backing file lies in such a folder are touched.
set -uo pipefail

[ "$(id -u)" -eq 0 ] || { echo "detach-test-disks: needs root (losetup)" >&2; exit 1; }

dirs=("$@")
if [ ${#dirs[@]} -eq 0 ]; then
    shopt -s nullglob
    dirs=(/tmp/quillmere-test-*)
fi

# Mount points (innermost first) whose source is the loop device or one of its partitions.
mounts_of() { # /dev/loopN
    local name=${1#/dev/}
    awk -v n="$name" '{
        for (i = 7; $i != "-"; i++) ;
        src = $(i + 2); sub("^/dev/", "", src)
        if (src == n || index(src, n "p") == 1 && substr(src, length(n) + 2) ~ /^[0-9]+$/) {
            gsub(/\\040/, " ", $5); print $5
        }
    }' /proc/self/mountinfo | sort -r
}

for dir in "${dirs[@]}"; do
    case $(basename "$dir") in quillmere-test-*) ;; *) continue ;; esac
    [ -d "$dir" ] || continue
    if [ -f "$dir/attached" ]; then
        while read -r dev; do
            [ -b "$dev" ] || continue
            back=$(losetup --noheadings --output BACK-FILE "$dev" 2>/dev/null | sed 's/ *$//; s/ (deleted)$//')
            case $back in "$dir"/*) ;; *) continue ;; esac
            mounts_of "$dev" | while read -r m; do
                umount "$m" 2>/dev/null || umount -l "$m"
            done
            # udev may still be probing a partition it was told about; partx -d fails then.
            name=${dev#/dev/}
            for _ in 1 2 3 4 5 6 7 8 9 10; do
                compgen -G "/sys/block/$name/${name}p*" >/dev/null || break
                udevadm settle --timeout=10 2>/dev/null
                partx -d "$dev" 2>/dev/null || sleep 0.2
            done
            # The kernel may have let go of it already (autoclear after the last unmount).
            losetup -d "$dev" 2>/dev/null || ! losetup "$dev" >/dev/null 2>&1 ||
                echo "detach-test-disks: could not detach $dev" >&2
        done <"$dir/attached"
    fi
    rm -rf "/mnt/$(basename "$dir")" "$dir"
done
exit 0
