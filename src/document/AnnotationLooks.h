// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

// The parts of a look that objects hand on to each other: a new object takes them from the
// style defaults, a compacted one from the element above it.

inline void copyFont(AnnotationLabel &to, const AnnotationLabel &from)
{
    to.FontBold = from.FontBold;
    to.FontItalic = from.FontItalic;
    to.FontName = from.FontName;
    to.FontSize = from.FontSize;
    to.FontStrikethru = from.FontStrikethru;
    to.FontUnderline = from.FontUnderline;
}

inline void copyLineLook(AnnotationLine &to, const AnnotationLine &from)
{
    to.BorderColor = from.BorderColor;
    to.BorderStyle = from.BorderStyle;
    to.BorderWidth = from.BorderWidth;
}
