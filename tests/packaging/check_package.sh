#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks of korru as an installed desktop application and as a Debian package.
#   check_package.sh tree      BUILD_DIR VERSION APP_ID WITH_WINDOW  install into a scratch prefix
#   check_package.sh build     BUILD_DIR DEB_DIR                     pack the .deb with CPack
#   check_package.sh deb       DEB_DIR   VERSION APP_ID WITH_WINDOW  the package file's fields
#   check_package.sh roundtrip DEB_DIR   VERSION APP_ID WITH_WINDOW  apt-get install, use, remove
#   check_package.sh version   SOURCE_DIR APP_ID                     one version reaches every file
# WITH_WINDOW is 1 when the build has the window program `korru`, else 0.
set -euo pipefail

# The source tree this script belongs to, for the LICENSE the copyright file must carry.
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Scratch directories, removed when the script ends.
scratch_dirs=()
trap 'rm -rf "${scratch_dirs[@]}"' EXIT
new_scratch() {
    local dir
    dir=$(mktemp -d)
    scratch_dirs+=("$dir")
    REPLY=$dir
}

# Every file a complete installation puts under the prefix, one a line, sorted. Without the
# window program there is only the snapshot tool (and the copyright file): no menu entry, icon or
# AppStream entry.
expected_files() {
    local id=$1 with_window=$2
    {
        echo "bin/korru-snapshot"
        echo "share/man/man1/korru-snapshot.1.gz"
        echo "share/doc/korru/copyright"
        if [ "$with_window" = 1 ]; then
            echo "bin/korru"
            echo "share/man/man1/korru.1.gz"
            echo "share/applications/$id.desktop"
            echo "share/metainfo/$id.metainfo.xml"
            for size in 32 64 128 256; do
                echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
            done
            echo "share/icons/hicolor/scalable/apps/$id.svg"
        fi
    } | LC_ALL=C sort
}

# The `ver` caption that the program shows for a project version M.m.p.t: "ver.M.m.t".
ver_caption() {
    local major minor tweak
    IFS=. read -r major minor _ tweak <<<"$1"
    echo "ver.$major.$minor.${tweak:-0}"
}

# The snapshot tool at $1 starts the window and shows the version label of version $2.
check_snapshot_runs() {
    local tool=$1 version=$2 json
    json=$("$tool" --json - ml) || fail "$tool --json - ml exited with $?"
    case $json in
        '{"screen":'*'"state":{'*) ;;
        *) fail "$tool --json - ml did not write the bench state" ;;
    esac
    grep -qF "\"caption\":\"$(ver_caption "$version")\"" <<<"$json" ||
        fail "$tool shows no version label $(ver_caption "$version")"
}

# The Debian copyright file at $1 in the machine-readable format: one paragraph for all files,
# with LICENSE's copyright holders, and LICENSE's text word for word as the MIT licence's text.
check_copyright() {
    local file=$1 license=$source_dir/LICENSE
    local format="Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    [ -f "$file" ] || fail "no copyright file $file"
    [ "$(head -n1 "$file")" = "$format" ] || fail "$file does not start with the line $format"
    grep -qx 'Upstream-Name: korru' "$file" || fail "$file names no Upstream-Name korru"
    local holders
    holders=$(sed -n 's/^Copyright (c) //p' "$license")
    [ -n "$holders" ] || fail "LICENSE has no copyright line"
    # The paragraph after the first empty line: Files, Copyright, License, then the text.
    sed -n '/^$/,$p' "$file" | sed -n '2,4p' |
        diff -u <(printf 'Files: *\nCopyright: %s\nLicense: MIT\n' "$holders") - ||
        fail "$file: the files paragraph is not Files: * under the MIT licence"
    # The licence text continues the License field: every line one space in and not blank, with
    # " ." for an empty line.
    local text
    text=$(sed -n '/^License: MIT$/,$p' "$file" | sed 1d)
    if grep -qv '^ .*[^[:space:]]' <<<"$text"; then
        fail "$file: a line of the licence text is blank or not indented"
    fi
    diff -u <(sed -n '/^Permission is hereby granted/,$p' "$license") \
        <(sed 's/^ //; s/^\.$//' <<<"$text") || fail "$file: the licence text differs from LICENSE"
}

# The menu entry and the AppStream entry under prefix $1: the validators pass, and both name the
# one application id $3 and the project version $2.
check_desktop_files() {
    local prefix=$1 version=$2 id=$3
    # Validators: hints are tolerated, warnings and errors are not.
    local desktop=$prefix/share/applications/$id.desktop
    local out
    out=$(desktop-file-validate "$desktop" 2>&1) || { echo "$out" >&2; fail "desktop-file-validate"; }
    if grep -E ': (error|warning):' <<<"$out" >&2; then fail "desktop-file-validate complained"; fi
    [ -z "$out" ] || echo "$out"
    local metainfo=$prefix/share/metainfo/$id.metainfo.xml
    appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"

    # One id everywhere, one version everywhere.
    local line
    for line in "Name=Tavensu" "Exec=korru" "Icon=$id" "Categories=Education;Science;Physics;"; do
        grep -qxF "$line" "$desktop" || fail "the desktop entry lacks $line"
    done
    grep -q '^Comment=[[:alnum:]]' "$desktop" || fail "the desktop entry has no English comment"
    grep -q '^Comment\[ja\]=.' "$desktop" || fail "the desktop entry has no Japanese comment"
    grep -q "<id>$id</id>" "$metainfo" || fail "the AppStream id is not $id"
    grep -q '<project_license>MIT</project_license>' "$metainfo" ||
        fail "the AppStream entry does not give the MIT licence"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the AppStream entry does not launch $id.desktop"
    grep -m1 '<release ' "$metainfo" |
        grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9]\{2\}-[0-9]\{2\}\"" ||
        fail "the newest AppStream release is not $version"
}

check_tree() {
    local build=$1 version=$2 id=$3 with_window=$4
    new_scratch
    local scratch=$REPLY
    local prefix=$scratch/usr
    cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" ||
        { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }

    # Exactly the expected files: nothing missing, nothing stray.
    diff -u <(expected_files "$id" "$with_window") \
        <(cd "$prefix" && find . -type f -printf '%P\n' | LC_ALL=C sort) ||
        fail "installed files differ from the expected list (- missing, + unexpected)"

    if [ "$with_window" = 1 ]; then check_desktop_files "$prefix" "$version" "$id"; fi
    check_copyright "$prefix/share/doc/korru/copyright"
    check_snapshot_runs "$prefix/bin/korru-snapshot" "$version"

    # Manual pages: well-formed gzip, the version in the header, no warning from man.
    local page out
    for page in "$prefix"/share/man/man1/*.1.gz; do
        gzip -t "$page" || fail "$page is not gzip"
        zcat "$page" | grep -q "^\.TH .* \"korru $version\"" || fail "$page does not name $version"
        out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z \
            "$page" 2>&1 >/dev/null) || fail "man cannot format $page"
        [ -z "$out" ] || { echo "$out" >&2; fail "man warns about $page"; }
    done
    echo "installed tree: the $(expected_files "$id" "$with_window" | wc -l) expected files, all checked"
}

build_deb() {
    local build=$1 dir=$2
    rm -rf "$dir"
    mkdir -p "$dir"
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$dir" >"$dir/cpack.log" 2>&1 ||
        { cat "$dir/cpack.log" >&2; fail "cpack failed"; }
    ls "$dir"/korru_*.deb
}

the_deb() {
    local debs=("$1"/korru_*.deb)
    if [ ${#debs[@]} != 1 ] || [ ! -f "${debs[0]}" ]; then fail "expected one korru_*.deb in $1"; fi
    echo "${debs[0]}"
}

check_deb() {
    local dir=$1 version=$2 id=$3 with_window=$4
    local deb arch
    deb=$(the_deb "$dir")
    arch=$(dpkg --print-architecture)
    [ "$(basename "$deb")" = "korru_${version}_$arch.deb" ] || fail "package file named $deb"
    [ "$(dpkg-deb -f "$deb" Package)" = korru ] || fail "package name"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
    [ "$(dpkg-deb -f "$deb" Architecture)" = "$arch" ] || fail "package architecture"

    # Depends: the libraries as dpkg-shlibdeps found them (with versions), plus the font.
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    local need=(fonts-ipafont-gothic fonts-noto-cjk fonts-noto-core "libc6 (>=" "libstdc++6 (>=")
    [ "$with_window" = 1 ] && need+=("libqt6widgets6 (>=" "libqt6gui6 (>=" "libqt6core6 (>="
                                     qt6-translations-l10n)
    local n
    for n in "${need[@]}"; do
        grep -qF "$n" <<<"$depends" || fail "Depends lacks '$n'"
    done

    # Contents: every expected file under /usr, nothing outside it, no debugging sections.
    local listed
    listed=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | sed 's#^\./##')
    grep -v '^usr/' <<<"$listed" | grep -v '^$' && fail "files outside /usr"
    local f
    while read -r f; do
        grep -qx "usr/$f" <<<"$listed" || fail "package lacks /usr/$f"
    done < <(expected_files "$id" "$with_window")
    new_scratch
    local unpacked=$REPLY
    dpkg-deb -x "$deb" "$unpacked"
    for f in "$unpacked"/usr/bin/*; do
        if readelf -S "$f" | grep -q '\.debug_'; then fail "$f is not stripped"; fi
    done
    check_copyright "$unpacked/usr/share/doc/korru/copyright"
    local owner
    owner=$(dpkg-deb -c "$deb" | awk '$6 == "./usr/share/doc/korru/copyright" { print $1, $2 }')
    [ "$owner" = "-rw-r--r-- root/root" ] ||
        fail "the copyright file is '$owner', not a plain file of root's with mode 644"
    echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
}

check_roundtrip() {
    local dir=$1 version=$2 id=$3 with_window=$4
    if [ "$(id -u)" -ne 0 ]; then
        echo "SKIP: installing a package needs root"
        exit 77
    fi
    local deb
    deb=$(realpath "$(the_deb "$dir")")
    local apt=(apt-get -y -q -o DPkg::Lock::Timeout=300)
    export DEBIAN_FRONTEND=noninteractive
    installed() { dpkg-query -W -f='${Status}' korru 2>/dev/null | grep -q ' installed$'; }

    # One round trip at a time on the machine, whichever build tree it comes from.
    exec 9>/tmp/korru-package-roundtrip.lock
    flock -w 600 9 || fail "another round trip holds the lock"

    # Start clean, and leave clean whatever happens.
    trap 'dpkg --purge korru >/dev/null 2>&1 || true' EXIT
    if dpkg-query -W korru >/dev/null 2>&1; then
        "${apt[@]}" purge korru >/dev/null || fail "cannot purge the korru installed before"
    fi
    installed && fail "korru still installed before the test"

    "${apt[@]}" install --no-install-recommends "$deb" >/dev/null ||
        fail "apt-get install $deb"
    installed || fail "korru not installed"
    [ "$(dpkg-query -W -f='${Version}' korru)" = "$version" ] || fail "installed version"
    check_snapshot_runs /usr/bin/korru-snapshot "$version"

    local owned f
    owned=$(dpkg -L korru)
    while read -r f; do
        grep -qx "/usr/$f" <<<"$owned" || fail "dpkg -L korru lacks /usr/$f"
    done < <(expected_files "$id" "$with_window")

    # Removal leaves no file of the package, and no directory that only the package made. The
    # package has no configuration files, so removing it purges it.
    "${apt[@]}" remove korru >/dev/null || fail "apt-get remove korru"
    installed && fail "korru still installed after apt-get remove"
    while read -r f; do
        [ -z "$f" ] || [ "$f" = /. ] && continue
        if [ -d "$f" ]; then
            dpkg -S "$f" >/dev/null 2>&1 || fail "apt-get remove left the directory $f behind"
        elif [ -e "$f" ] || [ -L "$f" ]; then
            fail "apt-get remove left $f behind"
        fi
    done <<<"$owned"
    dpkg-query -W korru >/dev/null 2>&1 && fail "dpkg still knows korru after apt-get remove"
    echo "round trip: installed $(basename "$deb") ($(wc -l <<<"$owned") paths), ran it, removed it"
}

# Configures a copy of the sources with another project version: the window's version numbers,
# the package version, the AppStream release and the manual pages must all follow it.
check_version_source() {
    local source=$1 id=$2
    new_scratch
    local scratch=$REPLY
    (cd "$source" && tar -c --exclude='./build*' --exclude=./.git .) | tar -x -C "$scratch"
    sed -i 's/^project(korru VERSION [0-9.]*/project(korru VERSION 2.10.0.7/' "$scratch/CMakeLists.txt"
    grep -q 'project(korru VERSION 2.10.0.7' "$scratch/CMakeLists.txt" ||
        fail "no project(korru VERSION ...) line in CMakeLists.txt"
    cmake -S "$scratch" -B "$scratch/build" -G Ninja -DKORRU_BUILD_TESTS=OFF >"$scratch/log" 2>&1 ||
        { cat "$scratch/log" >&2; fail "configuring the copy failed"; }
    local b=$scratch/build
    local want
    for want in "KORRU_VERSION_MAJOR 2" "KORRU_VERSION_MINOR 10" "KORRU_VERSION_REVISION 7"; do
        grep -q "^#define $want\$" "$b/generated/version.h" || fail "version.h lacks $want"
    done
    grep -q '^set(CPACK_PACKAGE_VERSION "2.10.0.7")' "$b/CPackConfig.cmake" ||
        fail "the package version does not follow the project version"
    grep -q '<release version="2.10.0.7"' "$b/packaging/$id.metainfo.xml" ||
        fail "the AppStream release does not follow the project version"
    for page in "$b"/packaging/*.1; do
        grep -q '^\.TH .* "korru 2.10.0.7"' "$page" || fail "$page does not follow the version"
    done
    echo "version 2.10.0.7 reached version.h, the package, the AppStream release and the manuals"
}

mode=${1:-}
shift || true
case $mode in
    tree) check_tree "$@" ;;
    build) build_deb "$@" ;;
    deb) check_deb "$@" ;;
    roundtrip) check_roundtrip "$@" ;;
    version) check_version_source "$@" ;;
    *) fail "usage: $0 tree|build|deb|roundtrip|version ..." ;;
esac
