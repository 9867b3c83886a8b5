#!/usr/bin/env bash
# The i686 build cannot run on this machine: check that it produced 32-bit Windows images
# for every program and library the x86_64 build has. Usage: check-i686.sh WIN32DIR WIN64DIR
set -euo pipefail
win32=${1:?} win64=${2:?}
status=0 count=0
while IFS= read -r -d '' image; do
  rel=${image#"$win64"/}
  # Only the images the build made: tests leave data files (word stores are named *.dll too).
  x86_64-w64-mingw32-objdump -f "$image" 2>/dev/null | grep -q 'file format pei-x86-64' || continue
  other="$win32/$rel"
  if [ ! -f "$other" ]; then echo "missing i686 image: $rel"; status=1; continue; fi
  if ! i686-w64-mingw32-objdump -f "$other" | grep -q 'file format pei-i386'; then
    echo "not a 32-bit Windows image: $rel"; status=1; continue
  fi
  count=$((count + 1))
done < <(find "$win64" \( -name 'wineprefix*' -o -name third_party -o -name CMakeFiles \) -prune \
           -o \( -name '*.exe' -o -name '*.dll' \) -print0)
echo "i686 images checked: $count"
[ $count -gt 0 ] || status=1
exit $status
