#!/usr/bin/env bash
# The kit's main job on a fresh Debian machine: install what it needs, build it, and look
# words up in the default word store the build makes from CLDR and WordNet.
# A second run only checks that everything is up to date, so it is quick.
# Usage: scripts/run.sh [BUILD]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}")

# The lookups need only the native build. The first run goes through scripts/build.sh (setup,
# configure, build); later runs bring the program and the store up to date directly.
mkdir -p "$build"
if [ -f "$build/native/build.ninja" ]; then
  step=(cmake --build "$build/native" --target sindhikit default_store)
else
  step=(env SINDHIKIT_CONFIGS=native bash "$here/scripts/build.sh" "$build")
fi
"${step[@]}" >"$build/run.log" 2>&1 || {
  tail -40 "$build/run.log"; echo "run: the build failed (log: $build/run.log)" >&2; exit 1; }

sindhikit=$build/native/cli/sindhikit
show() {
  echo "\$ sindhikit $*"
  "$sindhikit" "$@"
  echo
}
show store check
show en sindhi
show sd --keys pakstan --definitions
show keys --lang sd "sn=e"
