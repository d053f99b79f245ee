// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct MeasuringTool;

// The live measuring construction that follows the pointer (the line lineDistance, the four
// extension lines lineHojo(0..3) and the length labels lblDistance and lblFt), and the copy of it
// that a finished measurement leaves behind as a kept dimension. Positions are canvas
// millimetres; shown lengths are real millimetres from the scale model.

// Shows or hides the four live extension lines.
void subHojoVisible(MeasuringTool &tool, bool show);

// Puts the start of the two extension lines at end A (lineHojo(0) and (2)) on (X, Y).
void subHojoStart(MeasuringTool &tool, float X, float Y);

// Places the four extension lines perpendicular to the line (X1, Y1)-(X2, Y2), L long: 0 and 1 on
// the +n side from end A and end B, 2 and 3 on the -n side. The lines at A start where
// subHojoStart put them; the lines at B start at (X2, Y2).
void subHojoPlace(MeasuringTool &tool, float X1, float Y1, float X2, float Y2, float L);

// Centres lblDistance between the +n ends and lblFt between the -n ends (side by side when they
// would overlap), then writes the calibrated length of lineDistance into both labels, the
// direction into txtPict(3) and the length text (in the chosen unit) into txtPict(4).
void subDistanceLabels(MeasuringTool &tool);

// Keeps the live construction as a new dimension: the extension lines of the side facing up
// (or right, for a vertical line), the dimension line between their outer ends, a dot on each
// end and the centimetre text as its label with the direction as its comment; the live extension
// lines are hidden then. At the limit of 16383 dimensions nothing is kept and the user is told.
void subKeepDimension(MeasuringTool &tool);

// The length texts of the live labels for a length of realMm real millimetres.
QString centimetreText(double realMm); // "38.0cm ", ".5cm "
QString footText(double realMm);       // "1.25ft. "
