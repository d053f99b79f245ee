// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

// What moves down one place when a collection closes the gap left by a removed element. Only
// these fields travel; the rest (a label's alignment, a line's raster mode, a marker's size and
// shape) stay with the place, as every element of one collection shares them anyway.

// Visible, Caption, ToolTipText, Top, Tag, Left, the colours, BackStyle, BorderStyle and the six
// font fields; the box is then sized to the caption and font it received.
void moveCompactedFields(AnnotationLabel &to, const AnnotationLabel &from);

// Visible, Tag, both ends, BorderColor, BorderStyle, BorderWidth.
void moveCompactedFields(AnnotationLine &to, const AnnotationLine &from);

// Visible, Tag, Top, Left, BorderColor, FillColor, BorderWidth.
void moveCompactedFields(MarkerShape &to, const MarkerShape &from);
