#!/usr/bin/env bash
# Runs the whole test suite from a build folder.
set -euo pipefail
build=${1:-build}
cd "$build"
ctest --output-on-failure --timeout 600
