#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds korru and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target korru
exec build/korru "$@"
