#!/usr/bin/env bash
# The Debian package of sindhikit as a user and Debian's tools meet it: its files and control
# file, dependencies that cover every library the program loads, no lintian errors, and the
# packaged program, unpacked into a private root, finding its packaged store by itself.
# Usage: check-deb.sh DEB VERSION WORKDIR
set -uo pipefail
deb=$1 version=$2 work=$3
export LC_ALL=C.UTF-8
unset SINDHIKIT_STORE
failures=0 passed=0
ok() { echo "ok   $*"; passed=$((passed + 1)); }
fail() { echo "FAIL $*"; failures=$((failures + 1)); }
rm -rf "$work" && mkdir -p "$work"

# Control file.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = sindhikit ] && ok "Package" || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] && ok "Version $version" || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] && ok "Architecture" || fail "Architecture"
for f in Maintainer Description Section Priority Installed-Size Depends; do
  [ -n "$(field "$f")" ] && ok "$f present" || fail "no $f"
done

# Files, owned by root.
listing=$(dpkg-deb -c "$deb")
for f in ./usr/bin/sindhikit ./usr/share/sindhikit/directodb.dll ./usr/share/man/man1/sindhikit.1.gz \
         ./usr/share/doc/sindhikit/copyright ./usr/share/doc/sindhikit/changelog.gz; do
  grep -q " $f\$" <<<"$listing" && ok "has $f" || fail "lacks $f"
done
grep -v ' root/root ' <<<"$listing" | grep -q . && fail "files not owned by root" || ok "owned by root"
grep -q '^-rwxr-xr-x .* ./usr/bin/sindhikit$' <<<"$listing" && ok "program executable" || fail "program mode"

root="$work/root"
dpkg-deb -x "$deb" "$root"

# Dependencies: what dpkg-shlibdeps reads off the packaged program, and every library it
# needs comes from a package the control file names.
mkdir -p "$work/src/debian" && : >"$work/src/debian/control"
want=$(cd "$work/src" && dpkg-shlibdeps -O "$root/usr/bin/sindhikit" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
[ "$(field Depends)" = "$want" ] && ok "Depends as dpkg-shlibdeps reads it: $want" ||
  fail "Depends '$(field Depends)', dpkg-shlibdeps says '$want'"
depends=" $(field Depends | sed 's/([^)]*)//g; s/[,|]/ /g') "
for lib in $(objdump -p "$root/usr/bin/sindhikit" | awk '/NEEDED/ {print $2}'); do
  path=$(ldconfig -p | awk -v l="$lib" '$1 == l && /x86-64/ {print $NF; exit}')
  package=$(dpkg -S "$(realpath "$path")" 2>/dev/null | head -1 | cut -d: -f1)
  [ -z "$package" ] && package=$(dpkg -S "$path" 2>/dev/null | head -1 | cut -d: -f1)
  if [[ -n "$package" && "$depends" == *" $package "* ]]; then ok "$lib from $package, a dependency"
  else fail "$lib ($path, package '$package') is not covered by Depends"; fi
done

# lintian: no errors (warnings and notes are printed for the reader).
lintian_out=$(lintian --tag-display-limit 0 "$deb" 2>&1)
echo "$lintian_out" | sed 's/^/  lintian: /'
if grep -q '^E: ' <<<"$lintian_out"; then fail "lintian errors"; else ok "lintian: no errors"; fi

# The packaged program, from its unpacked place and another working folder.
program="$root/usr/bin/sindhikit"
out=$(cd "$work" && "$program" --version)
[ "$out" = "sindhikit $version" ] && ok "--version: $out" || fail "--version says '$out'"
out=$(cd / && "$program" store check 2>&1)
[[ "$out" == *"$root/usr/share/sindhikit/directodb.dll"* ]] && ok "finds the packaged store" ||
  fail "store check did not name the packaged store: $out"
# Sindhi's own name (CLDR) is the first meaning of "sindhi"; "Pakistan" comes back for the
# country's name typed on the phonetic keys.
out=$(cd / && "$program" en sindhi 2>&1); status=$?
if [ $status -eq 0 ] && grep -q '^1 .*سنڌي' <<<"$out"; then ok "en sindhi: $(head -1 <<<"$out")"
else fail "en sindhi: exit $status, $(head -3 <<<"$out")"; fi
out=$(cd / && "$program" sd --keys pakstan 2>&1); status=$?
[ $status -eq 0 ] && grep -qx 'Pakistan' <<<"$out" && ok "sd --keys pakstan: Pakistan" ||
  fail "sd --keys pakstan: exit $status: $out"

# The manual page is the program's --help: every command line of the help is in it.
manual=$(MANWIDTH=250 man -l "$root/usr/share/man/man1/sindhikit.1.gz" 2>/dev/null | col -b)
grep -q "$version" <<<"$manual" && ok "manual page names version $version" || fail "manual page lacks the version"
while IFS= read -r line; do
  words=$(sed -E 's/^ +//; s/  .*//' <<<"$line")
  [ -n "$words" ] || continue
  grep -qF -- "$words" <<<"$manual" && ok "manual page has '$words'" || fail "manual page lacks '$words'"
done < <("$program" --help | grep -E '^  [a-z-]')

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
