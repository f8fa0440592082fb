#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds korru as one self-contained web page: installs what is missing (Debian's packages only),
# builds the model and the page with the emscripten toolchain in build-web/, and prints the path
# of korru.html as its last line. The page needs nothing else: hand out that one file.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --web

# Debian's emscripten runs its JavaScript tools with Debian's Node.js modules.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
# Built for size: the page is a download, and a click costs the model microseconds either way.
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DKORRU_WERROR=ON >/dev/null
cmake --build build-web
echo "korru.html: $(wc -c <build-web/korru.html) bytes, the whole page"
echo "$PWD/build-web/korru.html"
