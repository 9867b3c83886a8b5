#!/usr/bin/env bash
# wine-run runs a program again only when it died in Wine's start-up because the prefix's
# wineserver was exiting; every other failure is the program's own answer and stands.
# That start-up failure comes from a race that cannot be brought about on demand, so a
# stand-in for the Wine loader plays it: it fails or runs as each case says and counts
# how often it was started.
# Usage: wine_run_retry.sh WINE_RUN WORKDIR
set -uo pipefail
wine_run=$1 work=$2
rm -rf "$work" && mkdir -p "$work/prefix"
touch "$work/prefix/.sindhikit-ready"  # no wineboot for the stand-in
export SINDHIKIT_WINEPREFIX="$work/prefix" SINDHIKIT_WINE="$work/wine" DISPLAY="${DISPLAY:-:0}"

# The stand-in: $PLAY is a list of runs, one word a start; "startup" is the start-up
# failure, "fail" an ordinary failure, "runreset" a program that ran and then lost its
# server, "ok" a clean run; later starts repeat the last word.
cat >"$work/wine" <<'WINE'
#!/usr/bin/env bash
n=$(($(cat "$COUNT" 2>/dev/null || echo 0) + 1)); echo $n >"$COUNT"
read -ra plays <<<"$PLAY"
play=${plays[$((n <= ${#plays[@]} ? n - 1 : ${#plays[@]} - 1))]}
case $play in
  startup)  echo "wine client error:2c: recvmsg: Connection reset by peer" >&2; exit 1 ;;
  fail)     echo "[  FAILED  ] a test"; echo "expected 1, got 2" >&2; exit 1 ;;
  runreset) echo "[ RUN      ] a test"; echo "wine client error:2c: recvmsg: Connection reset by peer" >&2; exit 1 ;;
  ok)       echo "ran with: $*"; read -r line; echo "read: $line"; exit 0 ;;
esac
WINE
chmod +x "$work/wine"

failures=0
# case_ NAME PLAY WANT_STATUS WANT_STARTS WANT_STDOUT (a grep -E pattern, or "" for nothing)
case_() {
  local name=$1 play=$2 want_status=$3 want_starts=$4 want_out=$5
  rm -f "$work/count"
  COUNT="$work/count" PLAY="$play" "$wine_run" prog.exe "an argument" <<<"input line" >"$work/out" 2>"$work/err"
  local status=$? starts
  starts=$(cat "$work/count")
  local problem=""
  [ "$status" = "$want_status" ] || problem+=" status $status (want $want_status);"
  [ "$starts" = "$want_starts" ] || problem+=" started $starts times (want $want_starts);"
  if [ -z "$want_out" ]; then
    [ ! -s "$work/out" ] || problem+=" unexpected stdout;"
  else
    grep -Eq "$want_out" "$work/out" || problem+=" stdout lacks /$want_out/;"
  fi
  if [ -n "$problem" ]; then
    echo "FAIL $name:$problem"; sed 's/^/  stdout: /' "$work/out"; sed 's/^/  stderr: /' "$work/err"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

case_ "a start-up failure runs again, with arguments and input" "startup ok" 0 2 '^ran with: prog.exe an argument$'
case_ "input reaches the run that runs" "startup startup ok" 0 3 '^read: input line$'
case_ "at most three starts" "startup" 1 3 ""
case_ "an ordinary failure is not run again" "fail" 1 1 'FAILED'
case_ "a program that ran is not run again" "runreset" 1 1 'RUN'
case_ "a clean run runs once" "ok" 0 1 '^ran with'
[ $failures -eq 0 ] && echo "wine-run: all cases passed"
exit $((failures > 0))
