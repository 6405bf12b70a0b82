#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest. One Wine prefix per build directory,
# made once; the code page 936 locale; Wine's virtual desktop, so that windows get a
# screen of their own with a frame Wine draws; no crash dialog, so a crash fails a test
# instead of hanging it.
set -euo pipefail
build_dir=${LEXORIN_BUILD_DIR:-$(pwd)}
while [ ! -f "$build_dir/CMakeCache.txt" ] && [ "$build_dir" != / ]; do build_dir=$(dirname "$build_dir"); done
export WINEPREFIX=${WINEPREFIX:-$build_dir/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=${LEXORIN_WINE_LC_ALL:-zh_CN.UTF-8}  # another locale only for a code-page test
if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: no DISPLAY; start Xvfb first (scripts/test.sh does)" >&2
  exit 2
fi
if [ ! -f "$WINEPREFIX/.lexorin-ready" ]; then
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.lexorin-ready" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /t REG_SZ /d 1024x768 /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.lexorin-ready"
    fi
  ) 9>"$build_dir/.wineprefix.lock"
fi
exec wine "$@"
