#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what reaches a user's system, from a configured and built BUILD_DIR:
#   1. every file of the repository says its licence (reuse lint);
#   2. `make install` with DESTDIR into a fresh folder holds exactly the expected files and a
#      stripped program, the desktop entry and the metainfo validate, and the installed program
#      runs from there with its settings in the XDG folder; the uninstall then leaves nothing;
#   3. the Debian package (packaging/build-deb.sh, in build-deb/) holds the same files under /usr
#      with the expected control fields, and lintian --pedantic finds no error, no warning and
#      no missing hardening in it;
#   4. `make` in a clean copy of the sources builds the program and nothing else, without the
#      test packages;
#   5. the package installs with apt into a clean Debian 12 made by debootstrap and the program
#      starts there headless: --version and a --dump of the installed sample.
# Step 3 needs root (debootstrap, chroot) and the Debian mirror (DEBIAN_MIRROR to use another).
# Usage: packaging/test-install.sh [BUILD_DIR]      (make check-install)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
app_id=io.github.catchscale.CatchScale

fail() { printf 'FAIL: %s\n' "$*" >&2; exit 1; }
step() { printf '== %s\n' "$*"; }
# Runs a command with its output in $work/NAME.log, shown only when it fails.
quietly() {
    local log="$work/$1.log"
    shift
    "$@" >"$log" 2>&1 || { tail -n 30 "$log" >&2; fail "$*"; }
}

[ "$(id -u)" -eq 0 ] || fail "run as root (sudo make check-install): a clean Debian needs chroot"
scripts/install-deps.sh test desktop-file-utils appstream debootstrap dpkg-dev lintian

# The package and the clean copy are built anew; the shared compiler cache spares most of it.
if command -v ccache >/dev/null; then
    export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
fi

work=$(mktemp -d /tmp/catchscale-install.XXXXXX)
manifest="$build/install_manifest.txt"
[ -e "$manifest" ] && cp "$manifest" "$work/manifest.saved"
cleanup() {
    # Keep a real install's manifest for `make uninstall`.
    [ -e "$work/manifest.saved" ] && cp "$work/manifest.saved" "$manifest"
    # The chroot's mounts live in their own namespace and are gone; never delete through one.
    if grep -q " $work/" /proc/self/mounts; then
        echo "still mounted under $work: left in place" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

# Every file an installation holds, relative to its prefix.
expected=(
    bin/catchscale
    share/applications/$app_id.desktop
    share/catchscale/help.html
    share/catchscale/sample/catch.ini
    share/catchscale/sample/catch.jpg
    share/catchscale/sample/catch_Line.Bin
    share/catchscale/sample/catch_Shape.Bin
    share/catchscale/sample/catch_Text.Bin
    share/catchscale/weight-table.txt
    share/doc/catchscale/changelog.gz
    share/doc/catchscale/copyright
    share/icons/hicolor/scalable/apps/catchscale.svg
    share/man/man1/catchscale.1.gz
    share/metainfo/$app_id.metainfo.xml
)
icon_sizes=(16 24 32 48 64 128 256)
for size in "${icon_sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/catchscale.png")
done

# Lists the files under $1, relative to it, and compares them with `expected`.
expect_exactly_the_files() {
    local got
    got=$(cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort)
    diff <(printf '%s\n' "${expected[@]}" | LC_ALL=C sort) <(printf '%s\n' "$got") \
        || fail "$2: files differ from the expected list (< expected, > found)"
}

# The width and height a PNG's header gives, as "W H".
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4,
                                             $5*16777216+$6*65536+$7*256+$8 }'
}

step "reuse lint"
quietly reuse reuse lint

step "make install with DESTDIR"
stage="$work/stage"
quietly install make install BUILD_DIR="$build" DESTDIR="$stage" PREFIX=/usr/local
prefix="$stage/usr/local"
expect_exactly_the_files "$prefix" "the installation"
# A stripped program keeps no symbol table and no debugging sections.
! readelf -S "$prefix/bin/catchscale" | grep -q '\.symtab\|\.debug_' \
    || fail "make install put an unstripped program in place"
for size in "${icon_sizes[@]}"; do
    [ "$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/catchscale.png")" \
        = "$size $size" ] || fail "the ${size}x${size} icon has another size"
done
gzip -t "$prefix/share/man/man1/catchscale.1.gz" || fail "the man page is not a gzip file"

step "validate the desktop entry and the metainfo"
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"

step "the installed program runs with its data and the XDG settings folder"
run() {
    env QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" "$prefix/bin/catchscale" "$@"
}
version=$(run --version | awk 'NR == 1 { print $NF }')
newest=$(grep -o '<release version="[^"]*"' "$prefix/share/metainfo/$app_id.metainfo.xml" \
         | head -n1 | cut -d'"' -f2)
[ "$version" = "$newest" ] || fail "--version says $version, the metainfo's newest release $newest"
run --dump "$prefix/share/catchscale/sample/catch.ini" >"$work/dump.json"
grep -q '"fMei_MapImage": *"catch.jpg"' "$work/dump.json" || fail "--dump of the sample: no picture"
[ -d "$work/config/catchscale" ] || fail "the settings folder is not \$XDG_CONFIG_HOME/catchscale"
[ ! -e "$prefix/bin/Init.ini" ] || fail "the installed program put Init.ini beside itself"

step "uninstall"
quietly uninstall env DESTDIR="$stage" cmake --build "$build" --target uninstall
left=$(find "$stage" -type f)
[ -z "$left" ] || fail "left after uninstall: $left"
[ ! -e "$prefix/share/catchscale" ] || fail "share/catchscale left after uninstall"

step "build the Debian package"
quietly package packaging/build-deb.sh build-deb
debs=(build-deb/catchscale_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one catchscale_*.deb in build-deb"
deb=$(realpath "${debs[0]}")
grep -q '^BUILD_TESTING:BOOL=OFF$' build-deb/CMakeCache.txt || fail "the package built the tests"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = catchscale ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "package version $(field Version), program $version"
[ "$(field Section)" = graphics ] || fail "section $(field Section)"
[[ "$(field Depends)" == *fonts-ipafont-gothic* ]] || fail "no Japanese font in: $(field Depends)"
[[ "$(field Depends)" == *libqt6widgets6* ]] || fail "no Qt from shlibdeps in: $(field Depends)"
dpkg-deb -x "$deb" "$work/deb"
[ "$(ls "$work/deb")" = usr ] || fail "the package installs outside /usr: $(ls "$work/deb")"
expect_exactly_the_files "$work/deb/usr" "the package"
[ "$(dpkg-parsechangelog -l packaging/changelog -S Version)" = "$version" ] \
    || fail "packaging/changelog's newest entry is not version $version"

step "lintian --pedantic"
# Errors and warnings fail, and so does any hardening lintian finds missing (told as info).
status=0
lintian --pedantic --display-info --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 \
    || status=$?
[ "$status" -le 1 ] || { cat "$work/lintian.log" >&2; fail "lintian did not run"; }
if grep -E '^(E|W): |^I: .*hardening-' "$work/lintian.log"; then
    fail "lintian (above; the whole report in $work/lintian.log)"
fi

step "a clean make builds the program alone"
# A copy of the committed sources beside the others, so the shared compiler cache serves it.
clean="$PWD/build-clean-make"
rm -rf "$clean"
mkdir -p "$clean"
git archive HEAD | tar -x -C "$clean"
quietly make make -C "$clean"
[ -x "$clean/build/catchscale" ] || fail "make built no program"
grep -q '^BUILD_TESTING:BOOL=OFF$' "$clean/build/CMakeCache.txt" || fail "make configured tests"
! grep -q '^GTest_DIR\|^GTEST_' "$clean/build/CMakeCache.txt" || fail "make looked for GoogleTest"
built=$(find "$clean/build" -type f -executable \( -name '*_tests' -o -name '*_bench' \))
[ -z "$built" ] || fail "make built more than the program: $built"
rm -rf "$clean"

step "install the package into a clean Debian 12 ($mirror)"
debian="$work/debian"
quietly debootstrap debootstrap --variant=minbase bookworm "$debian" "$mirror"
cp "$deb" "$debian/tmp/"
cp /etc/resolv.conf "$debian/etc/resolv.conf"
# A private mount namespace: /proc and /dev go away with it, whatever happens.
unshare --mount --fork bash -euo pipefail -s "$debian" "$(basename "$deb")" <<'IN_CHROOT'
debian=$1
deb=$2
mount -t proc proc "$debian/proc"
mount --rbind /dev "$debian/dev"
inside() {
    chroot "$debian" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"
}
inside apt-get update -qq
inside env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "/tmp/$deb" >/dev/null
inside env QT_QPA_PLATFORM=offscreen catchscale --version
inside env QT_QPA_PLATFORM=offscreen catchscale --dump /usr/share/catchscale/sample/catch.ini \
    >"$debian/tmp/dump.json"
grep -q '"fMei_MapImage": *"catch.jpg"' "$debian/tmp/dump.json"
[ -d "$debian/root/.config/catchscale" ]
[ ! -e "$debian/usr/bin/Init.ini" ]
IN_CHROOT
step "all checks passed"
