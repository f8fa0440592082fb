#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The model in WebAssembly under Node against the same model built natively: both run the same
# seeded walk of random clicks (walk.cpp) and must print the same digests and counts.
# Usage: compare_walks.sh NATIVE_WALK WASM_WALK.js
set -euo pipefail
native=$1 wasm=$2
if [ ! -f "$wasm" ]; then
    echo "no $wasm: build the page first (scripts/web.sh)" >&2
    exit 1
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

timed() {  # timed NAME COMMAND...: runs it into $out/NAME and says how long it took
    local name=$1 start end
    shift
    start=$(date +%s%N)
    "$@" >"$out/$name"
    end=$(date +%s%N)
    echo "$name: $(( (end - start) / 1000000 )) ms"
}
timed native "$native"
timed wasm node "$wasm"
if ! diff -u "$out/native" "$out/wasm"; then
    echo "the WebAssembly walk differs from the native one" >&2
    exit 1
fi
if ! grep -qE '^[0-9]+ clicks, [0-9]+ floats$' "$out/native"; then
    echo "the walk did not finish" >&2
    exit 1
fi
cat "$out/native"
