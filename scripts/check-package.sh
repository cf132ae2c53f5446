#!/usr/bin/env bash
# Checks the Debian package that `make package` built in BUILD (default build): lintian
# without errors, the files it must hold, its dependencies, and the catalogues inside both
# programs. Prints the contents and lintian's findings.
set -euo pipefail
build="${1:-build}"

deb=$(ls -t "$build"/quillmere_*.deb 2>/dev/null | head -n 1)
if [ -z "$deb" ]; then
    echo "check-package: no quillmere_*.deb in $build (run make package)" >&2
    exit 1
fi
echo "== $deb"
dpkg-deb --field "$deb"
echo "== contents"
dpkg-deb --contents "$deb"

failures=0
fail() {
    echo "check-package: $*" >&2
    failures=$((failures + 1))
}

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in \
    ./usr/bin/quillmere \
    ./usr/bin/quillmere-cli \
    ./usr/libexec/quillmere/quillmere-fetch-definitions \
    ./usr/share/applications/com.quillmere.app.desktop \
    ./usr/share/icons/hicolor/scalable/apps/quillmere.svg \
    ./usr/share/icons/hicolor/symbolic/apps/quillmere-symbolic.svg \
    ./usr/share/metainfo/com.quillmere.app.metainfo.xml \
    ./usr/share/man/man1/quillmere.1.gz \
    ./usr/share/man/man1/quillmere-cli.1.gz \
    ./usr/share/bash-completion/completions/quillmere-cli \
    ./usr/share/zsh/vendor-completions/_quillmere-cli \
    ./usr/share/doc/quillmere/copyright \
    ./usr/share/doc/quillmere/changelog.gz; do
    grep -qxF "$path" <<<"$contents" || fail "missing $path"
done

depends=$(dpkg-deb --field "$deb" Depends)
for package in udisks2 lsof libqt6core6 libqt6widgets6 libqt6dbus6 libc6; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

# The compiled catalogues are built into the programs (Qt resources name them in UTF-16).
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
for program in quillmere:quillmere_app quillmere-cli:quillmere_cli; do
    names=$(strings -e b "$unpacked/usr/bin/${program%%:*}")
    for module in quillmere_core "${program#*:}"; do
        for language in en de fr ja es; do
            grep -qxF "${module}_$language.qm" <<<"$names" ||
                fail "${program%%:*} holds no ${module}_$language.qm"
        done
    done
done

echo "== lintian"
lintian --fail-on error --display-info "$deb" || fail "lintian reports errors"

if [ "$failures" -ne 0 ]; then
    echo "check-package: $failures problem(s) with $deb" >&2
    exit 1
fi
echo "check-package: $deb is complete and lintian reports no errors"
