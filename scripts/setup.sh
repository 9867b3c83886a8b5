#!/usr/bin/env bash
# Installs every Debian package the kit needs to build, test and run, and fetches the
# sources that the builds compile themselves (SQLite). Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  mingw-w64 g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools
  libwine-dev wine wine64 xvfb xauth x11-utils
  sqlite3 googletest libgtest-dev libbenchmark-dev
  libpugixml-dev unicode-cldr-core wordnet-base
  dictd dict dict-wn hyperfine
  fonts-noto-core fonts-sil-lateef fonts-dejavu-core imagemagick
  dpkg-dev tcl clang-14 libclang-rt-14-dev python3
  nsis lintian help2man fakeroot p7zip-full
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

sudo_() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# apt-get source needs deb-src entries: mirror the machine's own Debian entry.
ensure_deb_src() {
  local src=/etc/apt/sources.list.d/debian.sources out=/etc/apt/sources.list.d/sindhikit-src.sources
  [ -f "$out" ] && return 0
  [ -f "$src" ] || return 0
  grep -q '^Types:.*deb-src' "$src" && return 0
  sed 's/^Types: deb$/Types: deb-src/' "$src" | sudo_ tee "$out" >/dev/null
  return 1
}

need_update=0
ensure_deb_src || need_update=1
if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  sudo_ apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_ env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
