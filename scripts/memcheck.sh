#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs korru-snapshot under valgrind's memcheck with a script of 10,000 clicks and a PNG of the
# window: fails on any memory error and on any definite or indirect leak outside the system
# libraries named in tests/valgrind.supp.
#   scripts/memcheck.sh                  installs what is missing, builds (preset default), runs
#   scripts/memcheck.sh --run SNAPSHOT   runs an already built korru-snapshot (as CTest does)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--run" ]; then
    snapshot=$2
else
    scripts/deps.sh --test
    cmake --preset default
    cmake --build --preset default --target korru-snapshot
    snapshot=build/korru-snapshot
fi

mapfile -t names < <("$snapshot" --list-clicks)
[ ${#names[@]} -gt 0 ] || { echo "memcheck: $snapshot lists no clicks"; exit 1; }
RANDOM=2026
clicks=()
for _ in $(seq 10000); do clicks+=("${names[RANDOM % ${#names[@]}]}"); done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_RUNTIME_DIR=$out
status=0
valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect \
         --errors-for-leak-kinds=definite,indirect --error-exitcode=99 \
         --suppressions=tests/valgrind.supp --gen-suppressions=all --num-callers=30 \
         --log-file="$out/memcheck.log" \
         "$snapshot" --png "$out/window.png" --json "$out/window.json" "${clicks[@]}" || status=$?
grep -E 'ERROR SUMMARY|definitely lost|indirectly lost|suppressed:' "$out/memcheck.log" || true
if [ "$status" -ne 0 ]; then
    echo "memcheck: korru-snapshot exited $status; the full log:"
    cat "$out/memcheck.log"
    exit 1
fi
[ -s "$out/window.png" ] || { echo "memcheck: no picture written"; exit 1; }
echo "memcheck: 10000 clicks and a PNG, clean"
