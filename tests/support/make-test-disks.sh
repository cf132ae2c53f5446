#!/usr/bin/env bash
# Makes test disks as loop devices over image files in a recognisable temporary folder.
#   make-test-disks.sh [--dir DIR] [--mount] KIND...
# KIND: three  - GPT disk with ext2 "QMEXT2", ext4 "QMEXT4" and xfs "QMXFS" partitions
#       plain  - ext4 "QMPLAIN" without a partition table
#       helper - GPT disk whose one partition (unlabelled ext2) is named "EFI"
#       squash - squashfs image, mounted below DIR (where the desktop shows nothing)
# --mount mounts the file systems of three and plain below /mnt/<folder name>/.
# --build-only makes the images and attaches nothing.
# Prints key=value lines: dir=DIR, then KIND=/dev/loopN for each kind. Images are built once
# per folder, so a second call with the same --dir only attaches (few device events).
set -euo pipefail

dir=""
mount=0
buildOnly=0
kinds=()
while [ $# -gt 0 ]; do
    case $1 in
        --dir) dir=$2; shift 2 ;;
        --mount) mount=1; shift ;;
        --build-only) buildOnly=1; shift ;;
        three|plain|helper|squash) kinds+=("$1"); shift ;;
        *) echo "make-test-disks: unknown argument $1" >&2; exit 2 ;;
    esac
done
[ ${#kinds[@]} -gt 0 ] || { echo "usage: make-test-disks.sh [--dir DIR] [--mount] three|plain|helper|squash..." >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "make-test-disks: needs root (losetup)" >&2; exit 1; }

if [ -z "$dir" ]; then
    dir=$(mktemp -d /tmp/quillmere-test-XXXXXX)
fi
case $(basename "$dir") in
    quillmere-test-*) ;;
    *) echo "make-test-disks: the folder must be named quillmere-test-*" >&2; exit 2 ;;
esac
mkdir -p "$dir/images"
touch "$dir/attached"
mnt=/mnt/$(basename "$dir")
echo "dir=$dir"

mib=$((1024 * 1024))

# Builds a file system in a file of its own, then copies it into the disk image,
# so that no block device sees the formatting.
put_fs() { # image offsetMiB file
    dd if="$3" of="$1" bs=1M seek="$2" conv=notrunc,sparse status=none
    rm -f "$3"
}

build_three() {
    local img=$dir/images/three.img tmp=$dir/images/part
    truncate -s $((400 * mib)) "$img"
    printf 'label: gpt\nstart=2048, size=32768, type=linux\nstart=34816, size=65536, type=linux\nstart=100352, size=614400, type=linux\n' |
        sfdisk --quiet "$img"
    truncate -s $((16 * mib)) "$tmp"; mkfs.ext2 -q -F -L QMEXT2 "$tmp"; put_fs "$img" 1 "$tmp"
    truncate -s $((32 * mib)) "$tmp"; mkfs.ext4 -q -F -L QMEXT4 "$tmp"; put_fs "$img" 17 "$tmp"
    truncate -s $((300 * mib)) "$tmp"; mkfs.xfs -q -f -L QMXFS "$tmp"; put_fs "$img" 49 "$tmp"
}

build_plain() {
    local img=$dir/images/plain.img
    truncate -s $((32 * mib)) "$img"
    mkfs.ext4 -q -F -L QMPLAIN "$img"
}

build_helper() {
    local img=$dir/images/helper.img tmp=$dir/images/part
    truncate -s $((24 * mib)) "$img"
    printf 'label: gpt\nstart=2048, size=32768, type=linux, name="EFI"\n' | sfdisk --quiet "$img"
    truncate -s $((16 * mib)) "$tmp"; mkfs.ext2 -q -F "$tmp"; put_fs "$img" 1 "$tmp"
}

build_squash() {
    local img=$dir/images/squash.img src=$dir/images/squash-src
    mkdir -p "$src"
    echo "quillmere test image" >"$src/readme.txt"
    mksquashfs "$src" "$img" -quiet -noappend >/dev/null
    rm -rf "$src"
}

attach() { # image -> loop device
    local dev
    dev=$(losetup --find --show "$1")
    echo "$dev" >>"$dir/attached"
    echo "$dev"
}

for kind in "${kinds[@]}"; do
    img=$dir/images/$kind.img
    [ -f "$img" ] || "build_$kind"
    [ $buildOnly -eq 1 ] && continue
    dev=$(attach "$img")
    case $kind in
        # A loop device detached earlier may still carry stale partitions: update them.
        three|helper) partx -a "$dev" 2>/dev/null || partx -u "$dev" ;;
    esac
    case $kind in
        three)
            if [ $mount -eq 1 ]; then
                for p in 1 2 3; do
                    label=$(blkid -o value -s LABEL "${dev}p$p")
                    mkdir -p "$mnt/$label"
                    mount "${dev}p$p" "$mnt/$label"
                done
            fi ;;
        plain)
            if [ $mount -eq 1 ]; then
                mkdir -p "$mnt/QMPLAIN"
                mount "$dev" "$mnt/QMPLAIN"
            fi ;;
        squash)
            mkdir -p "$dir/system/image"
            mount -t squashfs -o ro "$dev" "$dir/system/image" ;;
    esac
    echo "$kind=$dev"
done
