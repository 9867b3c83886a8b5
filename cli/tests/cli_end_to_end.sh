#!/usr/bin/env bash
# sindhikit end to end, as a user runs it: a table of command lines with the exit status,
# standard output and standard error each must give, on a fixture store built by the program
# itself, on the default store the build made, and on broken stores.
# Usage: cli_end_to_end.sh WORLD EXE DEFAULT_STORE FIXTURE_SOURCE WORKDIR [RUNNER...]
#   WORLD is native (LF, Unix paths) or wine (CRLF, Windows paths); RUNNER runs EXE (wine-run).
set -uo pipefail
# Under Wine, one private display for the whole table rather than one per program run.
if [ "$1" = wine ] && [ -z "${DISPLAY:-}" ] && command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 640x480x24" bash "$0" "$@"
fi
world=$1 exe=$2 default_store=$3 fixture_source=$4 work=$5
shift 5
runner=("$@")
unset SINDHIKIT_STORE  # the default-store cases find the store from the program's place

rm -rf "$work" && mkdir -p "$work"
failures=0

# Paths as the program under test sees them.
hostpath() {
  if [ "$world" = wine ]; then printf 'Z:%s' "${1//\//\\}"; else printf '%s' "$1"; fi
}
nl=$'\n'
[ "$world" = wine ] && nl=$'\r\n'
lines() {  # each argument one line, ended by the world's newline
  local l; for l in "$@"; do printf '%s%s' "$l" "$nl"; done
}

# Standard input is $stdin_file when set, else empty.
run() {
  "${runner[@]}" "$exe" "$@" <"${stdin_file:-/dev/null}" >"$work/out" 2>"$work/err"
  echo $? >"$work/rc"
}

# check NAME EXIT STDOUT STDERR -- ARGS...
#   STDOUT: "=TEXT" exactly TEXT and a final newline (write TEXT with $(lines ...), whose
#           last newline the command substitution drops), "^TEXT" exactly TEXT with no newline
#           added, "~TEXT" contains TEXT, "" nothing
#   STDERR: a grep -E pattern it must match, or "" for nothing at all
check() {
  local name=$1 want_rc=$2 want_out=$3 want_err=$4
  shift 5
  run "$@"
  local rc out err problem=""
  rc=$(cat "$work/rc")
  out=$(cat "$work/out"; printf x); out=${out%x}
  err=$(cat "$work/err")
  [ "$rc" = "$want_rc" ] || problem+=" exit $rc (want $want_rc);"
  case $want_out in
    "") [ -z "$out" ] || problem+=" unexpected stdout;" ;;
    =*) local want=${want_out#=}
        want=${want%$'\r'}  # the substitution dropped only the LF of a last CR LF
        [ "$out" = "$want$nl" ] || problem+=" stdout differs;" ;;
    ^*) [ "$out" = "${want_out#^}" ] || problem+=" stdout differs;" ;;
    ~*) [[ "$out" == *"${want_out#\~}"* ]] || problem+=" stdout lacks '${want_out#\~}';" ;;
  esac
  if [ -z "$want_err" ]; then
    [ -z "$err" ] || problem+=" unexpected stderr;"
  else
    grep -Eq -- "$want_err" "$work/err" || problem+=" stderr does not match /$want_err/;"
  fi
  if [ -n "$problem" ]; then
    failures=$((failures + 1))
    echo "FAIL $name:$problem"
    echo "  args: $*"
    echo "  stdout: $(od -c "$work/out" | head -8)"
    echo "  stderr: $err"
  else
    echo "ok   $name"
  fi
}

# verify NAME WANT GOT: a derived value against the one it must equal.
verify() {
  if [ "$2" = "$3" ]; then
    echo "ok   $1"
  else
    failures=$((failures + 1))
    echo "FAIL $1: got '$3', want '$2'"
  fi
}

fixture=$work/fixture.dll
check "store build makes the fixture" 0 "~English headwords: 2" "" -- \
  store build "$(hostpath "$fixture_source")" -o "$(hostpath "$fixture")"
F=(--store "$(hostpath "$fixture")")

# Broken stores, each a copy or a stand-in made here.
printf '' >"$work/empty.dll"
printf 'Provider=Microsoft.Jet.OLEDB.4.0\nnot a database\n' >"$work/text.dll"
head -c 3000 "$fixture" >"$work/truncated.dll"
mkdir "$work/folder.dll"
cp "$fixture" "$work/noquery.dll" && sqlite3 "$work/noquery.dll" "DELETE FROM StoredQueries WHERE Name='getXstrip'"
cp "$fixture" "$work/notable.dll" && sqlite3 "$work/notable.dll" "DROP TABLE YList"
printf 'en\tApple\nen\tEuro \xe2\x82\xac\n' >"$work/bad.tsv"  # line 2: English the cipher cannot keep

apple=$(lines "1           سيب" "2           صوف" "3           ميوو" \
  " 1       noun  :   fruit with red or yellow or green skin" \
  "2       noun  :   native Eurasian tree widely cultivated")

# Lookups on the fixture: the exact lines.
check "en gives numbered meanings and definitions" 0 "=$apple" "" -- "${F[@]}" en Apple
check "en capitalises a lower-case word" 0 "=$apple" "" -- en apple "${F[@]}"
check "en: a leading space keeps the first letter" 1 "" "" -- "${F[@]}" en " apple"
check "en joins words with one space" 0 "=$(lines "1           سيب" " 1       noun  :   a tree that bears apples")" "" -- \
  "${F[@]}" en apple tree
check "sd gives the English meanings" 0 "=$(lines "Apple" "Apple tree")" "" -- "${F[@]}" sd "سيب"
check "sd --keys types through the phonetic map" 0 "=$(lines "Apple" "Apple tree")" "" -- "${F[@]}" sd --keys seb
check "sd --definitions adds each meaning's lines" 0 "=$(lines "Apple" \
  "1       noun  :   fruit with red or yellow or green skin" \
  "2       noun  :   native Eurasian tree widely cultivated" \
  "Apple tree" "1       noun  :   a tree that bears apples")" "" -- "${F[@]}" sd --definitions --keys seb
SINDHIKIT_STORE=$(hostpath "$fixture") check "the store from SINDHIKIT_STORE" 0 "=$apple" "" -- en Apple
SINDHIKIT_STORE=$(hostpath "$work/missing.dll") check "--store wins over SINDHIKIT_STORE" 0 "=$apple" "" -- \
  "${F[@]}" en Apple
check "en: unknown word exits 1, silent" 1 "" "" -- "${F[@]}" en Zzyzzyva
check "sd: unknown word exits 1, silent" 1 "" "" -- "${F[@]}" sd --keys qqq

# The default store the build made (found without --store, from the program's place).
if [ "$world" = wine ]; then D=(--store "$(hostpath "$default_store")"); else D=(); fi
check "default store: en Sindhi" 0 "~1           سنڌي$nl 1       noun  :   a native or inhabitant of Sind$nl" "" -- \
  "${D[@]}" en sindhi
check "default store: sd --keys pakstan" 0 "~Pakistan$nl" "" -- "${D[@]}" sd --keys pakstan
check "default store: unknown word" 1 "" "" -- "${D[@]}" en Qwxzzy
check "default store: check names its full path" 0 "~$(hostpath "$default_store")" "" -- "${D[@]}" store check

# Key maps.
check "keys sd" 0 "=$(lines "سا I")" "" -- keys --lang sd "sa I"
check "keys ur" 0 "=$(lines "مش")" "" -- keys --lang ur ab
check "keys fa" 0 "=$(lines "شذ")" "" -- keys --lang fa ab

# The phonetic guide: a header line and 52 letter lines in dictionary order, then a header line
# and the digits 0 to 10, whose column is what the Sindhi key map types for the digit keys.
# (The implosive's line: b with U+0324 COMBINING DIAERESIS BELOW, IPA U+0253.)
check "alphabet prints the guide" 0 "~${nl}3	ٻ	ٻي	b̤e	b̤	/ɓ/${nl}4	ڀ	" "" -- alphabet
guide=$(tr -d '\r' <"$work/out")
check "keys types the digits 0 to 10" 0 "~۱۰" "" -- keys --lang sd "0 1 2 3 4 5 6 7 8 9 10"
typed=$(tr -d '\r\n' <"$work/out")
letter_lines() { printf '%s\n' "$guide" | awk -F'\t' '!/^#/ && NF == 6'; }
digit_lines() { printf '%s\n' "$guide" | awk -F'\t' '!/^#/ && NF == 4'; }
verify "alphabet: places 1 to 52 in order" "$(seq -s' ' 1 52)" "$(letter_lines | cut -f1 | paste -sd' ')"
verify "alphabet: 52 different letters, alef first, yeh last" "52 ا ي" \
  "$(letter_lines | cut -f2 | LC_ALL=C sort -u | wc -l) $(letter_lines | head -1 | cut -f2) $(letter_lines | tail -1 | cut -f2)"
verify "alphabet: the digits are what the key map types" "$typed" "$(digit_lines | cut -f1 | paste -sd' ')"
verify "alphabet: every line is a letter, a digit or a header" "$(printf '%s\n' "$guide" | wc -l)" \
  "$(( $(letter_lines | wc -l) + $(digit_lines | wc -l) + $(printf '%s\n' "$guide" | grep -c '^#') ))"
check "alphabet takes no operands" 2 "" "alphabet takes no operands" -- alphabet extra
check "alphabet takes no store" 2 "" "does not apply to alphabet" -- --store x.dll alphabet

# InPage bytes: marker 4 + letter byte, the marked alef + marked 0xB3, unmarked bytes as they
# are, a marker at the very end dropped.
printf '\x04\x81\x04\x82 A\x04\x81\x04\xb3\x04' >"$work/sample.inp"
check "inpage FILE" 0 "^اب Aآ" "" -- inpage "$(hostpath "$work/sample.inp")"
stdin_file=$work/sample.inp check "inpage from standard input" 0 "^اب Aآ" "" -- inpage
check "inpage: missing file" 2 "" "cannot read .*nothing\.inp" -- inpage "$(hostpath "$work/nothing.inp")"

# Usage errors: exit 2, nothing on standard output.
check "no arguments" 2 "" "usage: sindhikit" --
check "unknown command" 2 "" "unknown command frobnicate" -- frobnicate
check "en without a word" 2 "" "en needs a word" -- en
check "--store without a value" 2 "" "--store needs a value" -- en apple --store
check "unknown option" 2 "" "unknown option --fast" -- en --fast apple
check "keys with a bad language" 2 "" "--lang must be sd, ur or fa" -- keys --lang xx a
check "store build without -o" 2 "" "needs -o" -- store build "$(hostpath "$fixture_source")"
check "store build: missing source named" 2 "" "nosuch\.tsv" -- \
  store build "$(hostpath "$work/nosuch.tsv")" -o "$(hostpath "$work/new.dll")"
if [ "$world" = native ]; then  # Windows hands the program UTF-16, never bytes
  check "argument not UTF-8" 2 "" "not valid UTF-8" -- en $'\xff'
fi
check "--help" 0 "~usage: sindhikit" "" -- --help
check "--version" 0 "~sindhikit " "" -- --version
check "--version with a command" 0 "~sindhikit " "" -- en --version apple

# Broken stores: exit 2, a message naming the store, nothing on standard output.
for bad in missing empty text truncated folder; do
  check "$bad store" 2 "" "$bad\.dll" -- --store "$(hostpath "$work/$bad.dll")" en Apple
done
check "missing stored query names itself" 2 "" "getXstrip" -- --store "$(hostpath "$work/noquery.dll")" en Apple
check "check: missing table names itself" 2 "" "YList" -- store check "$(hostpath "$work/notable.dll")"
check "check: text file" 2 "" "text\.dll" -- store check "$(hostpath "$work/text.dll")"
check "build refuses a bad source, keeps the store" 2 "" "bad\.tsv:2" -- \
  store build "$(hostpath "$work/bad.tsv")" -o "$(hostpath "$fixture")"
check "the kept store still answers" 0 "=$apple" "" -- "${F[@]}" en Apple

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
