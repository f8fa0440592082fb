#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, from Debian's packages, whatever of korru's build and test tools is missing.
# Runs apt-get only when something is missing, so a prepared machine starts at once.
set -euo pipefail

packages=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-svg-dev qt6-l10n-tools libgtest-dev libbenchmark-dev
          fonts-ipafont-gothic xvfb xauth dpkg-dev file)
# The web page's build (scripts/web.sh, through --web) needs only these.
web=(cmake ninja-build emscripten nodejs)
# Its tests drive a real browser.
browser=(chromium chromium-driver python3-selenium python3-pil)
if [ "${1:-}" = "--test" ]; then
    packages+=(valgrind desktop-file-utils appstream man-db clang-format
               at-spi2-core python3-pyatspi dbus-x11 "${web[@]}" "${browser[@]}")
elif [ "${1:-}" = "--web" ]; then
    packages=("${web[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
