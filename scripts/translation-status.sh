#!/usr/bin/env bash
# Lists, per catalogue, the texts still to translate, and the texts of the code that no catalogue
# has yet (run `cmake --build build --target update_translations` to bring those in).
#   scripts/translation-status.sh [BUILD_DIR]   (default: build, configured as the README says)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
[ -f "$build/CMakeCache.txt" ] || { echo "translation-status: configure $build first" >&2; exit 1; }
cmake --build "$build" --target translation_status -j 2 2>&1 |
    sed -e '/^\[[0-9]*\/[0-9]*\]/d' -e '/^ninja: /d'
