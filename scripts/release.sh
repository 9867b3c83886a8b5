#!/usr/bin/env bash
# Builds the release artefacts: the configurations that make the shipped images (native,
# win64, win32), then the release configuration, which makes from them
#   BUILD/release/SindhiKit-<version>-setup.exe   the Windows installer
#   BUILD/release/sindhikit_<version>_<arch>.deb  the Debian package of sindhikit
# and prints their names and sizes. Usage: scripts/release.sh [BUILD]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}")
SINDHIKIT_CONFIGS="native win64 win32 release" bash "$here/scripts/build.sh" "$build"
ls -l "$build"/release/SindhiKit-*-setup.exe "$build"/release/sindhikit_*.deb
