#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds korru as one self-contained web page: installs what is missing (Debian's packages only),
# builds the model and the page with the emscripten toolchain in build-web/, and prints the path
# of korru.html as its last line. The page needs nothing else: hand out that one file.
# With --folder, the last line is instead the folder for a school's web server (build-web/folder:
# index.html, korru.wasm, the manifest, the icons and the service worker): copy the whole folder
# to the server.
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  "") folder=false ;;
  --folder) folder=true ;;
  *) echo "usage: scripts/web.sh [--folder]" >&2; exit 2 ;;
esac

scripts/deps.sh --web

# Debian's emscripten runs its JavaScript tools with Debian's Node.js modules.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
# Built for size: the page is a download, and a click costs the model microseconds either way.
emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DKORRU_WERROR=ON >/dev/null
cmake --build build-web
echo "korru.html: $(wc -c <build-web/korru.html) bytes, the whole page"
echo "folder/: index.html $(wc -c <build-web/folder/index.html) bytes," \
     "korru.wasm $(wc -c <build-web/folder/korru.wasm) bytes, for a web server"
if $folder; then
  echo "$PWD/build-web/folder"
else
  echo "$PWD/build-web/korru.html"
fi
