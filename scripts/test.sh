#!/usr/bin/env bash
# Builds everything and runs every test: natively (sanitizers, fuzzers, the service),
# the i686 build's checks, then everything under Wine. Ends with CTest's summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
ctest --test-dir "$root/build/native" --output-on-failure
# Wine tests one at a time: parallel runs can stall the wineserver.
"$root/scripts/with-display.sh" ctest --test-dir "$root/build/win64" --output-on-failure -j1
