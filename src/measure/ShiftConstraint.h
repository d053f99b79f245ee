// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// While Shift is held, forces the moving end (X, Y) of a line into line with its fixed end
// (X0, Y0): horizontal when it is less than 10 mm above or below, else vertical when less than
// 10 mm left or right, else on the 45-degree diagonal with its vertical extent kept. Without
// Shift (X, Y) stays as it is.
void subShiftConstrain(bool shiftHeld, float X0, float Y0, float &X, float &Y);
