#!/usr/bin/env bash
# Makes SQLite's amalgamation (sqlite3.c, sqlite3.h) from Debian's own source package,
# which every configuration compiles. Usage: fetch-sqlite.sh OUTDIR. Reuses OUTDIR when already made.
set -euo pipefail
out=${1:?usage: fetch-sqlite.sh OUTDIR}
[ -f "$out/sqlite3.c" ] && [ -f "$out/sqlite3.h" ] && exit 0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
( cd "$work" && apt-get source -qq sqlite3 >/dev/null 2>&1 ) || {
  echo "fetch-sqlite: 'apt-get source sqlite3' failed (is a deb-src entry configured? scripts/setup.sh adds one)" >&2
  exit 1
}
src=$(find "$work" -maxdepth 1 -type d -name 'sqlite3-*' | head -n 1)
( cd "$src" && ./configure -q >/dev/null && make -s sqlite3.c >/dev/null )
mkdir -p "$out"
cp "$src/sqlite3.c" "$src/sqlite3.h" "$src/sqlite3ext.h" "$out/"
