// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

// A line from (x1, y1) to (x2, y2) with the record's default look.
inline AnnotationLine segment(float x1, float y1, float x2, float y2)
{
    AnnotationLine line;
    line.X1 = x1;
    line.Y1 = y1;
    line.X2 = x2;
    line.Y2 = y2;
    return line;
}
