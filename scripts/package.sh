#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds korru for release (the preset `release` of CMakePresets.json)
# and packs it as a Debian package with CPack.
# Prints the path of the .deb; install it with `apt-get install ./korru_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
build="build-release"  # the preset's binary directory
cmake --preset release >/dev/null
cmake --build --preset release
rm -f "$build"/korru_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log" >&2; exit 1; }
debs=("$build"/korru_*.deb)
[ -f "${debs[0]}" ] || { echo "package.sh: cpack made no korru_*.deb" >&2; exit 1; }
realpath "${debs[0]}"
