// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShiftConstraint.h"

#include <cmath>

namespace {

// Closer than this to the fixed end's row or column (canvas mm), the line is straightened.
constexpr float StraightenMm = 10.0f;

} // namespace

void subShiftConstrain(bool shiftHeld, float X0, float Y0, float &X, float &Y)
{
    if (!shiftHeld)
        return;
    const float h = std::abs(X0 - X);
    const float v = std::abs(Y0 - Y);
    if (v < StraightenMm) {
        Y = Y0;
    } else if (h < StraightenMm) {
        X = X0;
    } else {
        X = X0 > X ? X0 - v : X0 + v;
        Y = Y0 > Y ? Y0 - v : Y0 + v;
    }
}
