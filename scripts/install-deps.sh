#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need. Idempotent.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-l10n-tools qt6-tools-dev qcoro-qt6-dev libsodium-dev
    libxcb1-dev libxcb-keysyms1-dev
    # run time
    udisks2 lsof
    # tests: real devices on a private bus, a real X server
    udev dbus xvfb xdotool util-linux e2fsprogs xfsprogs squashfs-tools
    # on Debian 12 sfdisk is packaged in fdisk and losetup in mount, not in util-linux
    fdisk mount
    # fuzz/: the parsers of outside input under libFuzzer with AddressSanitizer and
    # UndefinedBehaviorSanitizer, which GCC does not offer; libFuzzer itself is in libclang-rt
    clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
