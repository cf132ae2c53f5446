#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need. Idempotent.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-l10n-tools qt6-tools-dev qcoro-qt6-dev libsodium-dev
    libxcb1-dev libxcb-keysyms1-dev
    # run time (Qt's catalogues translate its own texts: command-line help, text-field menus)
    udisks2 lsof qt6-translations-l10n
    # tests: real devices on a private bus, a real X server
    udev dbus xvfb xdotool util-linux e2fsprogs xfsprogs squashfs-tools
    # tests: the popover beside an XEmbed tray (trayer) on Xvfb, and on Wayland under sway with
    # waybar's tray (the program through Qt's Wayland platform); screenshots with grim and
    # ImageMagick's import
    trayer sway waybar qt6-wayland grim imagemagick
    # tests: an unprivileged user's calls, authorized by polkitd on the private bus (pkcheck
    # tells when its rules are in force; useradd makes the test user)
    polkitd passwd
    # tests: a real tray host, the XFCE panel (its systray plugin is a StatusNotifierItem host)
    # with the window manager it waits for and its settings daemon
    xfce4-panel xfwm4 xfconf
    # on Debian 12 sfdisk is packaged in fdisk and losetup in mount, not in util-linux
    fdisk mount
    # the Debian package: dpkg-shlibdeps computes its dependencies (and reads the binaries with
    # file), lintian checks it
    dpkg-dev file lintian
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
