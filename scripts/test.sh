#!/usr/bin/env bash
# Installs what is missing, builds korru and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORRU_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure
