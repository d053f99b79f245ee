#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the program alone (BUILD_TESTING=OFF) in BUILD_DIR, compiled and
# linked with the flags dpkg-buildflags gives with all its hardening on: the stack protector,
# fortified calls, read-only relocations bound at start (BIND_NOW).
# Prints the path of the .deb.   Usage: packaging/build-deb.sh [BUILD_DIR]    (make package)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# CMake reads no CPPFLAGS: the preprocessor's (_FORTIFY_SOURCE) go with the compiler's.
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build "$build" --target catchscale catchscale_installed_files
rm -f "$build"/catchscale_*.deb
# cpack itself: the package target would build every target first.
cpack --config "$build/CPackConfig.cmake" -B "$build" >/dev/null
ls "$build"/catchscale_*.deb
