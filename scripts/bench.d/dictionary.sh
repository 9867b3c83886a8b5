#!/usr/bin/env bash
# Dictionary.exe under Wine on the large word store (about 150,000 English headwords), each
# figure against a baseline measured in the same run (dictionary_bench_driver):
#   process start -> English-to-Sindhi window up with every English headword loaded, and
#   -> every Sindhi headword loaded, against a bare program adding the same strings to a
#   list box and a combo box; a key in WordBox -> both text boxes written, against the same
#   lookup straight through the store.
# Usage: scripts/bench.d/dictionary.sh BUILD [RUNS]   (run by scripts/bench.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m "${1:?usage: dictionary.sh BUILD [RUNS]}")
runs=${2:-3}
win64=$build/win64
for target in native:sindhikit native:sindhikit_extract win64:dictionary_bench_driver; do
  cmake --build "$build/${target%%:*}" --target "${target#*:}" >/dev/null
done
. "$here/scripts/bench.d/lib/large-store.sh"
store=$(large_store "$build")

app=$win64/dictionary/ui/app
# Wine manages the windows itself on the private display, as in the GUI tests.
for setting in Decorated Managed; do
  "$win64/wine-run" reg add "HKCU\\Software\\Wine\\X11 Driver" /v $setting /t REG_SZ /d N /f >/dev/null 2>&1
done
WINEPREFIX=$win64/wineprefix /usr/lib/wine/wineserver -w 2>/dev/null || true
echo "-- Dictionary.exe start-up and typing vs bare list filling and the direct lookup (median of $runs runs)"
timeout 3000 "$win64/wine-run" "$app/dictionary_bench_driver.exe" "Z:$store" "Z:$app/Dictionary.exe" \
  "Z:$app/dictionary_baseline.exe" "$runs"
