#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds korru and runs every test through CTest: once in an optimised
# build, then again built with AddressSanitizer and UndefinedBehaviorSanitizer (halting on the
# first error).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --test

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORRU_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORRU_WERROR=ON \
      -DKORRU_SANITIZE=ON
cmake --build build-asan
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
ctest --test-dir build-asan --output-on-failure --label-exclude "^packag"
