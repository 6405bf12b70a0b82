#!/usr/bin/env bash
# Builds Lexorin and runs it under Wine with the stand-in translation service. Shows one
# round trip (a text typed, translated by the stand-in service, copied) and takes a
# screenshot. With a display the window then stays open until you close it; without one,
# everything runs on a private Xvfb and the screenshot's path is printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${LEXORIN_BUILD_ROOT:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" native win64

headless=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then headless=1; fi
if [ "${LEXORIN_INNER:-}" != 1 ]; then
  LEXORIN_INNER=1 LEXORIN_HEADLESS=$headless exec "$root/scripts/with-display.sh" "$0" "$@"
fi

bin=$build_root/win64/bin
wine_run=$root/cmake/wine-run.sh
export LEXORIN_BUILD_DIR=$build_root/win64
shot=${LEXORIN_SCREENSHOT:-$build_root/lexorin-screenshot.png}

service_log=$build_root/lexorin-service.log
"$build_root/native/bin/lexorin-service" >"$service_log" 2>&1 &
service_pid=$!
trap 'kill $service_pid 2>/dev/null || true' EXIT
sleep 0.5
head -n 3 "$service_log" || true

"$wine_run" "$bin/Lexorin.exe" &
program_pid=$!
"$wine_run" "$bin/round_trip.exe" 2>/dev/null
sleep 1
import -window root -crop 1024x768+0+0 +repage "$shot"
echo "Screenshot: $shot"

if [ "$LEXORIN_HEADLESS" = 1 ]; then
  WINEPREFIX=$build_root/win64/wineprefix wineserver -k || true
else
  echo "Lexorin is running; close its window to end."
  wait "$program_pid" || true
fi
