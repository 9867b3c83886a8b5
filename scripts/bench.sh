#!/usr/bin/env bash
# Runs every benchmark: each *_bench program of the native build, each *_bench.exe of the
# Windows x86_64 build under wine64, then the whole-process comparisons in scripts/bench.d/.
# Every benchmark reports against a baseline measured in the same run.
# Usage: scripts/bench.sh [BUILD]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}")
SINDHIKIT_CONFIGS="native win64" bash "$here/scripts/build.sh" "$build" >/dev/null
for b in $(find "$build/native" -name third_party -prune -o -type f -executable -name '*_bench' -print | sort); do
  echo "== native: ${b#$build/}"
  "$b"
done
for b in $(find "$build/win64" \( -name wineprefix -o -name third_party \) -prune -o -type f -name '*_bench.exe' -print | sort); do
  echo "== wine64: ${b#$build/}"
  "$build/win64/wine-run" "$b"
done
for s in "$here"/scripts/bench.d/*.sh; do
  [ -f "$s" ] || continue
  echo "== $(basename "$s")"
  bash "$s" "$build"
done
