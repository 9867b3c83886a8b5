#!/usr/bin/env bash
# Demonstration of TavroCodes.dll as a word-processor macro uses it: registers the x86_64
# DLL under Wine (in the build's own prefix), then a macro-like JScript "types" a Sindhi
# sentence key by key, sending each key code through TavroCode(code, Sindhi), and the
# letters that come back are printed as UTF-8.
# Usage: scripts/demo-typing.sh [BUILD] [KEYS]   (BUILD defaults to build/)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}")
# سنڌي ٻولي مٺي آهي ("the Sindhi language is sweet") on the phonetic layout.
keys=${2:-"sn=e Bole m|e AKe"}

dll="$build/win64/server/TavroCodes.dll"
if [ ! -f "$dll" ]; then
  echo "demo: building (first run only) ..." >&2
  bash "$here/scripts/build.sh" "$build" >"$build.demo-build.log" 2>&1 || {
    tail -n 30 "$build.demo-build.log" >&2; echo "demo: build failed, see $build.demo-build.log" >&2; exit 1; }
fi
wine_run="$build/win64/wine-run"

"$wine_run" regsvr32 /s "Z:$dll" 2>/dev/null || { echo "demo: regsvr32 failed for $dll" >&2; exit 1; }

macro=$(mktemp --suffix=.js)
trap 'rm -f "$macro"' EXIT
cat >"$macro" <<'JS'
// A typing macro: every key the user presses goes through TavroCode; the macro inserts
// what comes back. Wine's console is not UTF-8, so the code points are printed and the
// shell turns them into text.
var tc = new ActiveXObject("TavroCodes.TavroCode");
var keys = WScript.Arguments(0);
var typed = [];
for (var i = 0; i < keys.length; i++) typed.push(tc.TavroCode(keys.charCodeAt(i), 1));
WScript.Echo(typed.join(" "));
JS
points=$("$wine_run" cscript //nologo "Z:$macro" "$keys" 2>/dev/null | tr -d '\r')
case "$points" in
  ''|*[!0-9\ ]*) echo "demo: the macro did not answer (got: '$points')" >&2; exit 1 ;;
esac
echo "keys typed:  $keys"
echo "code points: $points"
printf 'text:        '
perl -CO -e 'print map(chr, @ARGV), "\n"' $points
