#!/usr/bin/env bash
# The installer as a user meets it, under Wine in a fresh prefix of its own: a silent install
# puts the programs, the store, the shortcut, the uninstall entry and the registered server in
# place, and the macro and the Dictionary work from there; a second run upgrades in place and
# keeps the user's store unless told to replace it; the silent uninstaller leaves no file, no
# COM registration and no uninstall entry, and the user's settings unless asked.
# Usage: installer-under-wine.sh SETUP VERSION WINE_RUN PREFIX STORE WIN64_RELEASE TESTS_DIR DICTIONARY_CHECK
#   DICTIONARY_CHECK: the x86_64 build's dictionary_installed_check.exe
set -uo pipefail
# One private display for the whole run (the Dictionary opens windows), not one per program.
if [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
setup=$1 version=$2 wine_run=$3 prefix=$4 store=$5 images=$6 tests=$7 dictionary_check=$8
export SINDHIKIT_WINEPREFIX=$prefix WINEPREFIX=$prefix
# The installer's shortcut stays a .lnk in the prefix: no menu entry for this machine's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
failures=0 passed=0
ok() { echo "ok   $*"; passed=$((passed + 1)); }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
expect() { local what=$1; shift; if "$@"; then ok "$what"; else fail "$what"; fi; }
wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
# Waits for every process of the prefix (an uninstaller runs on as a copy of itself).
settle() { "$wineserver" -w; }
win() { printf 'Z:%s' "${1//\//\\}"; }

rm -rf "$prefix" "$prefix.lock"
drive="$prefix/drive_c"
folder="$drive/Program Files/SindhiKit"
windows_store="$drive/windows/directodb.dll"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Sindhi Dictionary.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\SindhiKit'
class_key='HKCR\CLSID\{263B683E-200A-459B-AF1E-954D474C125C}'

install() {  # options...
  "$wine_run" "$(win "$setup")" /S "$@"; local status=$?
  settle
  expect "installer $* exits 0" [ $status -eq 0 ]
}
reg_query() { "$wine_run" reg query "$@" 2>/dev/null | tr -d '\r'; }
# True when the key is not in the registry: reg query fails. (Wine's reg prints its error on
# standard output, so an empty answer cannot tell.)
reg_absent() { ! "$wine_run" reg query "$@" >/dev/null 2>&1; }
script_passes() {  # script arguments...
  local out; out=$("$wine_run" cscript //nologo "$@" 2>&1 | tr -d '\r')
  echo "$out" | sed 's/^/  cscript: /'
  grep -q 'all checks passed' <<<"$out" && ! grep -q mismatch <<<"$out"
}
installed_files_are_shipped() {
  expect "Dictionary.exe installed" cmp -s "$images/Dictionary.exe" "$folder/Dictionary.exe"
  expect "x86_64 TavroCodes.dll installed" cmp -s "$images/TavroCodes.dll" "$folder/x64/TavroCodes.dll"
  expect "the macro installed" cmp -s "$tests/../../macros/SindhiTyping.bas" "$folder/SindhiTyping.bas"
  expect "uninstaller in place" [ -f "$folder/uninstall.exe" ]
  expect "Start-menu shortcut to the Dictionary" grep -qa 'Dictionary.exe' "$shortcut"
  local entry; entry=$(reg_query "$uninstall_key")
  echo "$entry" | sed 's/^/  entry: /'
  local value
  for value in "DisplayName	REG_SZ	SindhiKit" "DisplayVersion	REG_SZ	$version" "Publisher	REG_SZ	Darvel" \
               "UninstallString	REG_SZ	\"C:\\Program Files\\SindhiKit\\uninstall.exe\""; do
    expect "uninstall entry ${value%%	*}" grep -qF "    ${value//	/    }" <<<"$entry"
  done
  expect "uninstall entry EstimatedSize" grep -qE 'EstimatedSize +REG_DWORD +0x[0-9a-f]*[1-9a-f]' <<<"$entry"
  expect "server registered at its installed place" \
    grep -qiF 'C:\Program Files\SindhiKit\x64\TavroCodes.dll' <<<"$(reg_query "$class_key\\InprocServer32")"
  expect "a VBScript creates TavroCodes.TavroCode and types 1575" script_passes "$(win "$tests/InstalledServer.vbs")"
}

echo "== fresh prefix, silent install"
"$wine_run" wineboot -i >/dev/null 2>&1; settle
expect "fresh prefix has no store" [ ! -e "$windows_store" ]
install
installed_files_are_shipped
expect "store in C:\\windows" cmp -s "$store" "$windows_store"
# The installed macro's shared part against the installed server.
cmake -DMACRO="$folder/SindhiTyping.bas" -DCHECKS="$tests/../../macros/tests/SharedPartTest.vbs" \
  -DOUTPUT="$prefix/SindhiTypingShared.vbs" -P "$tests/../../macros/tests/AssembleSharedPart.cmake"
expect "the installed macro types Sindhi through the installed server" script_passes "$(win "$prefix/SindhiTypingShared.vbs")"
# The window tests' prefix settings: Wine draws the frames, no window manager is waited for.
for setting in Decorated Managed; do
  "$wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v $setting /t REG_SZ /d N /f >/dev/null 2>&1
done
settle
expect "the installed Dictionary.exe starts, finds the store and answers a lookup" \
  env SINDHIKIT_INSTALLED_DICTIONARY='C:\Program Files\SindhiKit\Dictionary.exe' \
  "$wine_run" "$(win "$dictionary_check")" --gtest_color=no
settle

echo "== second run over a store of the user's: upgrade in place, store kept"
printf 'the user own store\n' >"$windows_store"
install
installed_files_are_shipped
expect "the user's store kept" grep -qx 'the user own store' "$windows_store"
expect "one installation folder" [ "$(find "$drive" -name Dictionary.exe | wc -l)" -eq 1 ]

echo "== /REPLACESTORE"
install /REPLACESTORE
expect "store replaced by the shipped one" cmp -s "$store" "$windows_store"

echo "== silent uninstall"
"$wine_run" reg add 'HKCU\software\DarvelDictionary' /v EFN /d Tahoma /f >/dev/null 2>&1
"$wine_run" "$(win "$folder/uninstall.exe")" /S; settle
expect "installation folder removed" [ ! -e "$folder" ]
expect "store removed" [ ! -e "$windows_store" ]
expect "shortcut removed" [ ! -e "$shortcut" ]
expect "uninstall entry removed" reg_absent "$uninstall_key"
expect "class registration removed" reg_absent "$class_key"
expect "ProgID removed" reg_absent 'HKCR\TavroCodes.TavroCode'
expect "TavroCodes.TavroCode no longer created" script_passes "$(win "$tests/InstalledServer.vbs")" absent
expect "the user's settings left" grep -q Tahoma <<<"$(reg_query 'HKCU\software\DarvelDictionary' /v EFN)"

echo "== install, then uninstall with /REMOVESETTINGS"
install
"$wine_run" "$(win "$folder/uninstall.exe")" /S /REMOVESETTINGS; settle
expect "the user's settings removed on request" reg_absent 'HKCU\software\DarvelDictionary'
expect "nothing left in Program Files" [ ! -e "$folder" ]

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
