#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds korru (the preset `default` of CMakePresets.json) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset default
cmake --build --preset default --target korru
exec build/korru "$@"
