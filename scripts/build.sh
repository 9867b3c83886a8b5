#!/usr/bin/env bash
# Configures and builds the three configurations in BUILD (default: build/):
#   BUILD/native  Linux, g++            (tests run natively)
#   BUILD/win64   Windows x86_64, MinGW (tests run under wine64)
#   BUILD/win32   Windows i686, MinGW   (compiled and linked; this machine cannot run it)
# Usage: scripts/build.sh [--clean] [BUILD]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
clean=0
if [ "${1:-}" = "--clean" ]; then clean=1; shift; fi
build=$(realpath -m "${1:-$here/build}")

bash "$here/scripts/setup.sh"
[ $clean -eq 1 ] && rm -rf "$build"
mkdir -p "$build"
bash "$here/scripts/fetch-sqlite.sh" "$build/third_party/sqlite"

jobs=$(nproc)
configure() {  # name, extra cmake args...
  local name=$1; shift
  cmake -S "$here" -B "$build/$name" -G Ninja -Wno-dev "$@" >"$build/$name.configure.log" 2>&1 || {
    cat "$build/$name.configure.log"; echo "build: configuring $name failed" >&2; exit 1; }
}
configure native -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure win64 -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-x86_64.cmake" \
  -DSINDHIKIT_SQLITE_SOURCE="$build/third_party/sqlite" -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure win32 -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake" \
  -DSINDHIKIT_SQLITE_SOURCE="$build/third_party/sqlite" -DCMAKE_BUILD_TYPE=RelWithDebInfo

for name in native win64 win32; do
  echo "build: $name"
  cmake --build "$build/$name" -j "$jobs"
done
