#!/usr/bin/env bash
# What ships is built for release: the builds are optimised, and each shipped Windows image
# of both bitnesses carries no debug information or symbol table, imports only DLLs that
# every Windows has (no MinGW runtime DLL to ship beside it), and TavroCodes.dll exports
# exactly the four COM entry points under their plain names (an i686 stdcall export would
# otherwise read Name@N).
# Read with objdump, so the i686 images are checked without running them.
# Usage: check-images.sh WIN32_RELEASE_DIR WIN64_RELEASE_DIR IMAGE...
set -uo pipefail
win32=$1 win64=$2
shift 2
failures=0 checked=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# The system DLLs our programs may import (lower case).
system_dlls=" kernel32.dll user32.dll gdi32.dll advapi32.dll ole32.dll oleaut32.dll msvcrt.dll \
shell32.dll shlwapi.dll comctl32.dll comdlg32.dll usp10.dll version.dll uxtheme.dll imm32.dll \
windowscodecs.dll msimg32.dll winspool.drv "
entry_points="DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer"

check() {  # objdump-prefix format image
  local tool=$1 format=$2 image=$3 headers
  checked=$((checked + 1))
  if [ ! -f "$image" ]; then fail "$image: missing"; return; fi
  headers=$("$tool-objdump" -h -f "$image") || { fail "$image: objdump cannot read it"; return; }
  grep -q "file format $format" <<<"$headers" || fail "$image: not $format"
  grep -Eq '\.debug_|\.stab' <<<"$headers" && fail "$image: has debug sections"
  grep -Eq 'HAS_SYMS' <<<"$headers" && fail "$image: has a symbol table"

  local private dll imports
  private=$("$tool-objdump" -p "$image")
  imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$private" | tr 'A-Z' 'a-z' | sort -u)
  [ -n "$imports" ] || fail "$image: no imports read"
  for dll in $imports; do
    [[ "$system_dlls" == *" $dll "* ]] || fail "$image: imports $dll, which Windows does not have"
  done

  if [[ "$image" == */TavroCodes.dll ]]; then
    # The export table's name entries: "[ordinal] Name".
    local exported
    exported=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$private" |
               sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort | tr '\n' ' ')
    [ "$exported" = "$entry_points " ] || fail "$image: exports '$exported', want '$entry_points '"
  fi
  echo "checked $image: $(stat -c %s "$image") bytes, imports $(tr '\n' ' ' <<<"$imports")"
}

# Optimised: the images come from builds configured for an optimised build type (-O2 or -O3).
for dir in "$win32" "$win64"; do
  type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$dir/../CMakeCache.txt" 2>/dev/null)
  checked=$((checked + 1))
  case $type in
    Release | RelWithDebInfo) echo "checked $dir: built as $type" ;;
    *) fail "$dir: built as '$type', not an optimised build type" ;;
  esac
done

for name in "$@"; do
  check i686-w64-mingw32 pei-i386 "$win32/$name"
  check x86_64-w64-mingw32 pei-x86-64 "$win64/$name"
done
echo "$((checked - failures)) passed, $failures failed"
[ "$failures" -eq 0 ] && [ "$checked" -gt 0 ]
