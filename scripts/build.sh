#!/usr/bin/env bash
# Configures and builds the three configurations in BUILD (default: build/):
#   BUILD/native  Linux, g++            (tests run natively)
#   BUILD/native-asan  the same with AddressSanitizer and UndefinedBehaviorSanitizer
#   BUILD/fuzz    clang, libFuzzer targets of the parsers (bounded runs as tests)
#   BUILD/win64   Windows x86_64, MinGW (tests run under wine64)
#   BUILD/win32   Windows i686, MinGW   (compiled and linked; this machine cannot run it)
#   BUILD/release the installer and the Debian package, from the shipped images of native,
#                 win32 and win64 (built before it); nothing compiled
# Usage: scripts/build.sh [--clean] [BUILD]
# SINDHIKIT_CONFIGS picks a subset, e.g. SINDHIKIT_CONFIGS="native win64".
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
configs=${SINDHIKIT_CONFIGS:-native native-asan fuzz win64 win32 release}
configure() {  # name, extra cmake args...
  local name=$1; shift
  case " $configs " in *" $name "*) ;; *) return 0;; esac
  # Every configuration compiles the same SQLite amalgamation (cmake/Dependencies.cmake).
  cmake -S "$here" -B "$build/$name" -G Ninja -Wno-dev -DSINDHIKIT_SQLITE_SOURCE="$build/third_party/sqlite" "$@" \
    >"$build/$name.configure.log" 2>&1 || {
    cat "$build/$name.configure.log"; echo "build: configuring $name failed" >&2; exit 1; }
}
configure native -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The native tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
configure native-asan -DCMAKE_BUILD_TYPE=Debug -DSINDHIKIT_TEST_PREFIX=asan. \
  "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
  "-DCMAKE_C_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
# libFuzzer targets of the parsers of outside input, with clang.
configure fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSINDHIKIT_FUZZ=ON -DSINDHIKIT_TEST_PREFIX=fuzz. \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined" \
  "-DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link,address,undefined" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
configure win64 -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure win32 -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=RelWithDebInfo
configure release -DSINDHIKIT_RELEASE=ON -DSINDHIKIT_TEST_PREFIX=release. \
  -DSINDHIKIT_NATIVE_BUILD="$build/native" -DSINDHIKIT_WIN32_BUILD="$build/win32" -DSINDHIKIT_WIN64_BUILD="$build/win64"

for name in $configs; do
  echo "build: $name"
  cmake --build "$build/$name" -j "$jobs"
done
