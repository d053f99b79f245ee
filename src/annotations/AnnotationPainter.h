// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

#include <QColor>

class CaptionLayouts;
class QPainter;

// Draws one canvas object onto any painter: the screen, a printer page or a bitmap. The painter
// works in device pixels; pixelsPerMm maps canvas millimetres onto them. Pen widths are screen
// pixels at 96 dpi and keep that physical width on other devices.

QColor toQColor(OleColor colour);
// A border style as Qt draws it; transparent is no pen.
Qt::PenStyle toQtPenStyle(std::int16_t borderStyle);

void paintLine(QPainter &painter, const AnnotationLine &line, double pixelsPerMm);
void paintShape(QPainter &painter, const MarkerShape &shape, double pixelsPerMm);
// With layouts the caption's layout is kept between paints (see CaptionLayouts).
void paintLabel(QPainter &painter, const AnnotationLabel &label, double pixelsPerMm,
                CaptionLayouts *layouts = nullptr);
