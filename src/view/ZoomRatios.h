// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Platform.h"

// The zooms that follow from the record book's ratio.

// Whether a ratio is one the actual-size zoom takes as it is.
bool isUsableRatio(double ratio);

// The zoom at which one canvas millimetre is one real millimetre: the record book's ratio, kept
// within what the canvas can show (a damaged book's zero or absurd ratio shows at 100 %).
float actualSizeZoom(double ratio);

// The zoom at which the picture's calibrated millimetres are millimetres on a screen of that many
// pixels a millimetre: the actual-size zoom, taken from the canvas's nominal 96 dots an inch to
// the screen's. One zoom serves both directions; it follows the screen across, the direction the
// calibration's ratio is taken in. Kept within what the canvas can show.
float realSizeOnScreenZoom(double ratio, platform::PixelsPerMm screen);
