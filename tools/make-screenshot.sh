#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshot the AppStream metainfo shows: the bundled sample record book open in the
# main window, 1280 x 720 at the top left of the look tool's virtual screen, cropped to it.
# Usage: tools/make-screenshot.sh [OUT.png]    (data/screenshots/main-window.png unless given;
#        the program is build/catchscale unless CATCHSCALE names another)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-data/screenshots/main-window.png}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A copy, so nothing the program may write lands beside the repository's sample.
cp data/sample/* "$work/"
cat >"$work/steps" <<'STEPS'
windowmove --sync $WIN 0 0
windowsize --sync $WIN 1280 720
sleep 1
# "画面に合わせる" from 表示 → 拡大縮小 by its keys: the eighth item of the zoom menu.
key alt+v
sleep 0.5
key Down Down Right
sleep 0.5
key Down Down Down Down Down Down Down Return
sleep 1.5
STEPS
tools/look "$work/screen.png" -s "$work/steps" -- "$work/catch.ini" >/dev/null
convert "$work/screen.png" -crop 1280x720+0+0 +repage -strip "$out"
echo "saved $out"
