#!/usr/bin/env bash
# Starts Dictionary.exe under Wine with the default word store installed in the Wine
# prefix's Windows folder (C:\windows\directodb.dll), where the program looks for it.
# With a display (DISPLAY set) the program opens there and the script returns when it
# ends. Without one it runs on a private Xvfb display: once the English-to-Sindhi window
# is up and has settled, a screenshot is saved, its path printed, and the program ended.
# Usage: scripts/dictionary.sh [BUILD]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}")
mkdir -p "$build"

# The store comes from the native build, the program from the Windows x86_64 build.
log=$build/dictionary.log
if [ -f "$build/native/build.ninja" ] && [ -f "$build/win64/build.ninja" ]; then
  { cmake --build "$build/native" --target default_store && cmake --build "$build/win64" --target Dictionary; } \
    >"$log" 2>&1 || { tail -40 "$log"; echo "dictionary: the build failed (log: $log)" >&2; exit 1; }
else
  SINDHIKIT_CONFIGS="native win64" bash "$here/scripts/build.sh" "$build" >"$log" 2>&1 ||
    { tail -40 "$log"; echo "dictionary: the build failed (log: $log)" >&2; exit 1; }
fi
exe=$build/win64/dictionary/ui/app/Dictionary.exe
store=$build/native/data/directodb.dll
wine_run=$build/win64/wine-run
prefix=$build/win64/wineprefix
export WINEPREFIX=$prefix

# wine-run makes the prefix on its first use; the store goes into its Windows folder.
[ -f "$prefix/.sindhikit-ready" ] || DISPLAY= "$wine_run" cmd /c ver >/dev/null 2>&1 || true
cp "$store" "$prefix/drive_c/windows/directodb.dll"
# A wineserver started without a display must be gone before windows are shown.
/usr/lib/wine/wineserver -w 2>/dev/null || wineserver -w 2>/dev/null || true

if [ -n "${DISPLAY:-}" ]; then
  echo "dictionary: starting Dictionary.exe on $DISPLAY (store: C:\\windows\\directodb.dll)"
  exec "$wine_run" "$exe"
fi

# No display: a private Xvfb, a screenshot of the settled window, then an orderly end.
for n in $(seq 90 140); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
dictionary=
cleanup() {
  [ -n "$dictionary" ] && kill "$dictionary" 2>/dev/null || true
  /usr/lib/wine/wineserver -w 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":$n"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
"$wine_run" "$exe" &
dictionary=$!

shot=$build/dictionary-screenshot.png
# Up: the English-to-Sindhi window is the frame's maximised child and the splash window
# (whose title is its progress caption) is gone.
for _ in $(seq 3000); do
  tree=$(xwininfo -root -tree 2>/dev/null || true)
  grep -q 'English To Sindhi' <<<"$tree" && ! grep -q '"Loading Data' <<<"$tree" && break
  kill -0 "$dictionary" 2>/dev/null || { echo "dictionary: Dictionary.exe ended early" >&2; exit 1; }
  sleep 0.2
done
# Settled: two screenshots a moment apart show the same.
previous=
for _ in $(seq 100); do
  import -display "$DISPLAY" -window root "$shot.new.png"
  sum=$(md5sum <"$shot.new.png")
  [ "$sum" = "$previous" ] && break
  previous=$sum
  sleep 0.5
done
mv "$shot.new.png" "$shot"
echo "dictionary: Dictionary.exe ran on a private display (Xvfb :$n); screenshot: $shot"
