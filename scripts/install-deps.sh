#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the program need, and any named on its
# command line. Quick and silent when everything is already there.
set -euo pipefail

packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-translations-l10n libjpeg-dev libcups2-dev
    libgtest-dev libgmock-dev
    libjpeg-turbo-progs
    # The program's Japanese interface font; installed explicitly because other packages bring
    # fallback fonts that would hide its absence.
    fonts-ipafont-gothic
    # Printing: measuring printed pages, and a CUPS with a PDF printer for the print tests (with
    # ipptool, which reads the options a job carried).
    poppler-utils cups printer-driver-cups-pdf cups-ipp-utils
    # Looking at the program as a user does: a virtual screen, a driver and screenshots.
    xvfb xdotool imagemagick x11-utils
    # The desktop icons are rendered from their SVG at build time.
    librsvg2-bin
)
# More for one task, named by the script that needs them (packaging/test-install.sh).
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
