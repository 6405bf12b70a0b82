#!/usr/bin/env bash
# Builds everything and runs every test: natively (sanitizers, fuzzers, the service),
# the i686 build's checks, then everything under Wine. Ends with CTest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${LEXORIN_BUILD_ROOT:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
ctest --test-dir "$build_root/native" --output-on-failure
ctest --test-dir "$build_root/win32" --output-on-failure
# Wine tests one at a time: parallel runs can stall the wineserver.
"$root/scripts/with-display.sh" ctest --test-dir "$build_root/win64" --output-on-failure -j1
