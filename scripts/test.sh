#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, checks the layout of the C++ sources, builds korru and runs every test
# through CTest: once in an optimised build, then again built with AddressSanitizer and
# UndefinedBehaviorSanitizer (halting on the first error). The builds are the presets `default`
# and `asan` of CMakePresets.json; the web page is built first (scripts/web.sh), and its tests in
# a browser run with the first build only.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --test

# Every C++ file laid out as the checked-in .clang-format says; the files it would change are named.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' sources < <(git ls-files -z -- '*.cpp' '*.h')
else
    mapfile -d '' sources < <(find src tests benchmarks packaging -type f \
        \( -name '*.cpp' -o -name '*.h' \) -print0)
fi
unformatted=()
for f in "${sources[@]}"; do
    [ -f "$f" ] || continue  # tracked, but deleted in this working tree
    clang-format --style=file --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "clang-format would change these files (clang-format -i FILE... lays them out):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "layout: ${#sources[@]} C++ files as .clang-format lays them out"

# The web page in build-web/, which the tests labelled "web" open in headless Chromium.
scripts/web.sh

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
ctest --preset asan
