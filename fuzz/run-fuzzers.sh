#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds, one after
# the other, starting from its seed corpus. Prints executions per target; exits non-zero when
# a target crashed, leaked or broke a property (the input is kept under <build>/artifacts).
#   fuzz/run-fuzzers.sh SECONDS [build folder (default build-fuzz)] [target ...]
set -euo pipefail
seconds=${1:?usage: fuzz/run-fuzzers.sh SECONDS [build folder] [target ...]}
here=$(cd "$(dirname "$0")" && pwd)
build=${2:-$here/../build-fuzz}
shift $(( $# >= 2 ? 2 : 1 ))

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j "${JOBS:-2}" >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in "$here"/fuzz_*.cpp; do
        name=$(basename "$source" .cpp)
        targets+=("${name#fuzz_}")
    done
fi

mkdir -p "$build/artifacts"
failed=0
printf '%-20s %12s %10s %8s  %s\n' target executions "exec/s" corpus result
for target in "${targets[@]}"; do
    # New inputs go to a working corpus, so the seeds in the source tree stay as they are.
    work="$build/corpus/$target"
    mkdir -p "$work"
    log="$build/$target.log"
    set +e
    "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/$target-" \
        "$work" "$here/corpus/$target" >"$log" 2>&1
    status=$?
    set -e
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
    size=$(find "$work" -type f | wc -l)
    result=ok
    if [ $status -ne 0 ]; then
        result="FAILED (exit $status, see $log)"
        failed=1
    fi
    printf '%-20s %12s %10s %8s  %s\n' "$target" "${runs:-?}" "${rate:-?}" "$size" "$result"
done
exit $failed
