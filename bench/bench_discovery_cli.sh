#!/usr/bin/env bash
# quillmere-cli list against findmnt -J plus lsblk -J, on the same machine and devices.
#   bench/bench_discovery_cli.sh [build folder]
set -euo pipefail
build=${1:-build}
cli=$build/cli/quillmere-cli
[ -x "$cli" ] || { echo "build quillmere-cli first ($cli)" >&2; exit 1; }
runs=50

if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 5 --runs $runs "$cli list" "$cli list --all --json" \
        "findmnt -J" "lsblk -J"
    hyperfine --warmup 5 --runs $runs -n "findmnt -J + lsblk -J" "findmnt -J >/dev/null; lsblk -J >/dev/null"
    exit 0
fi

# Without hyperfine: mean wall time of a loop.
time_ms() {
    local start end
    start=$(date +%s%N)
    for _ in $(seq $runs); do "$@" >/dev/null 2>&1; done
    end=$(date +%s%N)
    echo "$(( (end - start) / runs / 1000 )) us  $*"
}
time_ms "$cli" list
time_ms "$cli" list --all --json
time_ms sh -c 'findmnt -J; lsblk -J'
