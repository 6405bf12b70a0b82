#!/usr/bin/env bash
# Configures and builds the three trees: build/win64 (the program, run and tested under
# Wine), build/win32 (built and inspected only) and build/native (the pure routines under
# sanitizers, the fuzzers and the stand-in service). Pass tree names to build fewer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${LEXORIN_BUILD_ROOT:-$root/build}
trees=("$@")
[ ${#trees[@]} -gt 0 ] || trees=(native win64 win32)
for tree in "${trees[@]}"; do
  case "$tree" in
    win64) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
                 -DLEXORIN_NATIVE_BUILD_DIR="$build_root/native") ;;
    win32) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DLEXORIN_TESTS=OFF) ;;
    native) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DLEXORIN_SANITIZE=ON) ;;
    *) echo "unknown tree $tree" >&2; exit 2 ;;
  esac
  cmake -S "$root" -B "$build_root/$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release "${args[@]}" >/dev/null
  cmake --build "$build_root/$tree"
done
