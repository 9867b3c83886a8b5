#!/usr/bin/env bash
# Runs every test: builds the three configurations from scratch in BUILD (default: build/),
# runs the native tests, the Windows x86_64 tests under wine64 (Wine prefix inside BUILD,
# windows on a private Xvfb display) and checks the i686 images, with one ctest summary.
# Usage: scripts/test.sh [BUILD] [ctest arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}")
[ $# -gt 0 ] && shift

bash "$here/scripts/build.sh" --clean "$build"

# One test tree over the three builds, so ctest prints one summary.
cat >"$build/CTestTestfile.cmake" <<CTEST
subdirs("native")
subdirs("native-asan")
subdirs("fuzz")
subdirs("win64")
subdirs("release")
add_test(win32.images_are_i686 "$here/scripts/check-i686.sh" "$build/win32" "$build/win64")
CTEST

# No test is run twice here. Window tests share this one display and the Wine prefix's
# wineserver; they hold one resource lock and run one at a time (sindhikit_window_test).
# Wine's start-up failure when the previous wineserver is exiting, and only that, is run
# again by the Wine runner (scripts/wine-run.sh.in).
cd "$build"
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --output-on-failure --timeout 600 -j "$(nproc)" "$@"
