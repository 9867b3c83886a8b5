#!/usr/bin/env bash
# The shipped installer is 32-bit (it must run on 32-bit Windows), so this machine cannot run
# it; the tests run its 64-bit twin, made from the same script and files. This reads the
# shipped one instead: a 32-bit Windows program carrying exactly the twin's files, among
# them both bitnesses of each image, and, as makensis compiled it, each server registered and
# unregistered by the regsvr32 of its own bitness.
# Usage: check-installer-contents.sh SETUP TWIN WIN32_RELEASE WIN64_RELEASE STORE MACRO MAKENSIS_LOG WORKDIR
set -uo pipefail
setup=$1 twin=$2 win32=$3 win64=$4 store=$5 macro=$6 log=$7 work=$8
failures=0 passed=0
ok() { echo "ok   $*"; passed=$((passed + 1)); }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
expect() { local what=$1; shift; if "$@"; then ok "$what"; else fail "$what"; fi; }
rm -rf "$work" && mkdir -p "$work"

expect "the installer is a 32-bit Windows program" grep -q 'file format pei-i386' <<<"$(i686-w64-mingw32-objdump -f "$setup")"
expect "its twin is a 64-bit one" grep -q 'file format pei-x86-64' <<<"$(x86_64-w64-mingw32-objdump -f "$twin")"

# The files each carries (NSIS's own plug-ins and the generated uninstaller aside), by content.
payload() {  # installer folder
  7z x -y -o"$2" "$1" >/dev/null || { echo "7z cannot read $1"; return 1; }
  (cd "$2" && find . -type f ! -path './$PLUGINSDIR/*' ! -name uninstall.exe -print0 | sort -z |
   xargs -0 sha256sum)
}
shipped=$(payload "$setup" "$work/x86") && twin_files=$(payload "$twin" "$work/amd64")
echo "$shipped" | sed 's/^/  carries: /'
expect "the same files as the tested twin" [ "$shipped" = "$twin_files" ]
for image in "$win32/TavroCodes.dll" "$win64/TavroCodes.dll" "$win32/Dictionary.exe" "$win64/Dictionary.exe" \
             "$store" "$macro"; do
  sum=$(sha256sum <"$image" | cut -d' ' -f1)
  expect "carries $image" grep -q "^$sum " <<<"$shipped"
done
expect "the i686 server goes to x86" cmp -s "$win32/TavroCodes.dll" "$work/x86/x86/TavroCodes.dll"
expect "the x86_64 server goes to x64" cmp -s "$win64/TavroCodes.dll" "$work/x86/x64/TavroCodes.dll"

# Registration as compiled: each server by its own bitness's regsvr32, on install and uninstall.
for line in \
  'ExecWait: ""$WINDIR\System32\regsvr32.exe" /s "$INSTDIR\x64\TavroCodes.dll""' \
  'ExecWait: ""$WINDIR\SysWOW64\regsvr32.exe" /s "$INSTDIR\x86\TavroCodes.dll""' \
  'ExecWait: ""$SYSDIR\regsvr32.exe" /s "$INSTDIR\x86\TavroCodes.dll""' \
  'ExecWait: ""$WINDIR\System32\regsvr32.exe" /s /u "$INSTDIR\x64\TavroCodes.dll""' \
  'ExecWait: ""$WINDIR\SysWOW64\regsvr32.exe" /s /u "$INSTDIR\x86\TavroCodes.dll""' \
  'ExecWait: ""$SYSDIR\regsvr32.exe" /s /u "$INSTDIR\x86\TavroCodes.dll""'; do
  expect "compiled: ${line#ExecWait: }" grep -qF "$line" "$log"
done
expect "no server registered another way" [ "$(grep -c '^ExecWait: .*regsvr32' "$log")" -eq 6 ]
# The 64-bit half switches file-system redirection off for System32 to mean the 64-bit one.
expect "file-system redirection switched off and on" \
  [ "$(grep -c 'Wow64EnableWow64FsRedirection' "$log")" -ge 4 ]

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
