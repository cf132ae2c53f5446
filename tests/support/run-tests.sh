#!/usr/bin/env bash
# Runs the whole test suite from a build folder; further arguments go to ctest (-R NAME). As
# root, the real-device tests get a private system bus with udevd and udisksd for the run; the
# services and any test disks left behind are removed afterwards, also when a test fails.
set -euo pipefail
build=${1:-build}
support=$(cd "$(dirname "$0")" && pwd)

if [ "$(id -u)" -eq 0 ]; then
    QUILLMERE_SERVICES_DIR=$(mktemp -d /tmp/quillmere-services-XXXXXX)
    export QUILLMERE_SERVICES_DIR
    # Test disks of this run only: folders that did not exist before it.
    shopt -s nullglob
    before=" $(echo /tmp/quillmere-test-*) "
    cleanup() {
        local leftover=()
        for d in /tmp/quillmere-test-*; do
            [[ $before == *" $d "* ]] || leftover+=("$d")
        done
        [ ${#leftover[@]} -eq 0 ] || "$support/detach-test-disks.sh" "${leftover[@]}" || true
        "$support/stop-services.sh" || true
        rm -rf "$QUILLMERE_SERVICES_DIR"
    }
    trap cleanup EXIT
    "$support/start-services.sh"
    QUILLMERE_TEST_SYSTEM_BUS_ADDRESS=$(cat "$QUILLMERE_SERVICES_DIR/bus-address")
    export QUILLMERE_TEST_SYSTEM_BUS_ADDRESS
else
    echo "run-tests: not root, so the real-device tests will skip themselves" >&2
fi

cd "$build"
# Both cores; the tests that share udisks2 and the loop devices hold a CTest resource lock.
ctest -j "${CTEST_JOBS:-2}" --output-on-failure --timeout 600 "${@:2}"
