#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages of one set, and any named after it, saying which and why before
# it asks for sudo (root needs none). Quick and silent when everything is already there.
#
#   scripts/install-deps.sh run [PACKAGE...]    building and running the program (make run)
#   scripts/install-deps.sh test [PACKAGE...]   that and the test tools (make test, make check)
set -euo pipefail

# Each entry: "packages:why".
run_needs=(
    "cmake ninja-build g++ pkgconf:the compiler and build tools"
    "qt6-base-dev libjpeg-dev libcups2-dev libheif-dev:Qt 6 and the libraries the program uses"
    "librsvg2-bin:the desktop icons, rendered from their SVG at build time"
    # Installed explicitly: other packages bring fallback fonts that would hide its absence.
    "fonts-ipafont-gothic:the Japanese font the interface is drawn in"
    "qt6-translations-l10n:Qt's own dialogs in Japanese"
    "qt6-image-formats-plugins:photos in TIFF and WebP"
    "xdg-utils:F1 opens the guide in the desktop's browser"
)
test_needs=(
    "libgtest-dev libgmock-dev:the unit tests (GoogleTest)"
    "libjpeg-turbo-progs:djpeg, the benchmarks' yardstick"
    # With ipptool, which reads the options a job carried. CUPS runs as a system service.
    "cups printer-driver-cups-pdf cups-ipp-utils:a CUPS with a PDF printer for the print tests"
    "poppler-utils:measuring printed pages"
    "xvfb xdotool imagemagick x11-utils:driving the window on a virtual screen, screenshots"
    "reuse:the check that every file says its licence"
)

set_name=${1:-test}
[ $# -gt 0 ] && shift
case $set_name in
    run) needs=("${run_needs[@]}") purpose="build and run CatchScale" ;;
    test) needs=("${run_needs[@]}" "${test_needs[@]}") purpose="build, run and test CatchScale" ;;
    *) echo "usage: $0 run|test [PACKAGE...]" >&2; exit 2 ;;
esac
[ $# -gt 0 ] && needs+=("$*:asked for by the command that runs this")

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
report=()
for entry in "${needs[@]}"; do
    absent=()
    for p in ${entry%%:*}; do
        installed "$p" || absent+=("$p")
    done
    [ ${#absent[@]} -eq 0 ] && continue
    missing+=("${absent[@]}")
    report+=("$(printf '  %-44s %s' "${absent[*]}" "${entry#*:}")")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
        echo "These Debian packages are missing: ${missing[*]}. Install them as root." >&2
        exit 1
    }
    sudo="sudo"
fi
echo "To $purpose, these Debian packages are needed and not installed:"
printf '%s\n' "${report[@]}"
echo "Installing them with: ${sudo:+$sudo }apt-get install --no-install-recommends ..."
# apt-get asks before it installs when someone is at the terminal.
yes=-y
[ -t 0 ] && [ -z "${CI:-}" ] && yes=""
$sudo apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive \
    apt-get install -q $yes --no-install-recommends "${missing[@]}"
