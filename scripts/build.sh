#!/usr/bin/env bash
# Configures and builds the three trees: build/win64 (the program, run and tested under
# Wine), build/win32 (built and inspected only) and build/native (the pure routines under
# sanitizers, the fuzzers and the stand-in service). Pass tree names to build fewer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(win64 win32 native)
for tree in "${trees[@]}"; do
  case "$tree" in
    win64) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake") ;;
    win32) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DLEXORIN_TESTS=OFF) ;;
    native) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DLEXORIN_SANITIZE=ON) ;;
    *) echo "unknown tree $tree" >&2; exit 2 ;;
  esac
  cmake -S "$root" -B "$root/build/$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release "${args[@]}" >/dev/null
  cmake --build "$root/build/$tree"
done
