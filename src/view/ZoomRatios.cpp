// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZoomRatios.h"

#include "document/AnnotationTypes.h"

#include <algorithm>
#include <cmath>

namespace {

// A ratio is shown as the actual-size zoom only within these bounds: beyond them every
// annotation shrinks to nothing or the canvas grows past any memory and scroll range.
constexpr double SmallestActualSizeZoom = 0.01;
constexpr double LargestActualSizeZoom = 100;

} // namespace

bool isUsableRatio(double ratio)
{
    return std::isfinite(ratio) && ratio >= SmallestActualSizeZoom
           && ratio <= LargestActualSizeZoom;
}

float actualSizeZoom(double ratio)
{
    return isUsableRatio(ratio) ? float(ratio) : 1.0f;
}

float realSizeOnScreenZoom(double ratio, platform::PixelsPerMm screen)
{
    const double z = actualSizeZoom(ratio) * screen.across / ScreenPixelsPerMm;
    return float(std::clamp(z, SmallestActualSizeZoom, LargestActualSizeZoom));
}
