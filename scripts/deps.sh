#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs, from Debian's packages, whatever of korru's build and test tools is missing, and with
# --test the npm packages of the page's browser tests (tests/web/package-lock.json).
# Runs apt-get and npm only when something is missing, so a prepared machine starts at once.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

# The fonts are the window's: Japanese, and Debian's Noto faces for Chinese, Korean, Vietnamese
# and Nepali (Devanagari).
packages=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-svg-dev qt6-l10n-tools libgtest-dev libbenchmark-dev
          fonts-ipafont-gothic fonts-noto-cjk fonts-noto-core qt6-translations-l10n xvfb xauth
          dpkg-dev file)
# The web page's build (scripts/web.sh, through --web) needs only these.
web=(cmake ninja-build emscripten nodejs)
# Its tests drive real browsers: Chromium; WebKit's MiniBrowser through WebKitWebDriver, in a
# Japanese locale made with localedef; Firefox ESR through npm's puppeteer-core.
browser=(chromium chromium-driver python3-selenium python3-pil
         webkit2gtk-driver libwebkit2gtk-4.1-0 locales firefox-esr)
if [ "${1:-}" = "--test" ]; then
    packages+=(valgrind desktop-file-utils appstream man-db clang-format
               at-spi2-core python3-pyatspi dbus-x11 xdotool x11-utils openbox clang "${web[@]}"
               "${browser[@]}")
    # A Node.js from elsewhere may bring its own npm.
    command -v npm >/dev/null || packages+=(npm)
elif [ "${1:-}" = "--web" ]; then
    packages=("${web[@]}")
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -ne 0 ]; then
    echo "installing: ${missing[*]}"
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# npm's packages, as the lock file pins them; npm keeps what it installed in .package-lock.json.
if [ "${1:-}" = "--test" ]; then
    node_dir="$root/tests/web"
    node -e '
        const [want, have] = process.argv.slice(1).map(f => {
            try { return require(f).packages; } catch { return {}; } });
        for (const [name, p] of Object.entries(want))
            if (name && (!have[name] || have[name].version !== p.version)) process.exit(1);' \
        "$node_dir/package-lock.json" "$node_dir/node_modules/.package-lock.json" ||
        { echo "installing npm packages in $node_dir"; npm ci --prefix "$node_dir" --no-audit --no-fund --loglevel=error; }
fi
