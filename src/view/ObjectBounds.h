// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

#include <QRectF>

// Where a canvas object lies on a device, before pen widths: what painting and dirty-area
// tracking need to skip what is out of sight.

inline QRectF deviceBounds(const AnnotationLine &line, double pixelsPerMm)
{
    return QRectF(QPointF(line.X1 * pixelsPerMm, line.Y1 * pixelsPerMm),
                  QPointF(line.X2 * pixelsPerMm, line.Y2 * pixelsPerMm))
        .normalized();
}

inline QRectF deviceBounds(const MarkerShape &shape, double pixelsPerMm)
{
    return QRectF(shape.Left * pixelsPerMm, shape.Top * pixelsPerMm, shape.Width * pixelsPerMm,
                  shape.Height * pixelsPerMm);
}

inline QRectF deviceBounds(const AnnotationLabel &label, double pixelsPerMm)
{
    return QRectF(label.Left * pixelsPerMm, label.Top * pixelsPerMm, label.Width * pixelsPerMm,
                  label.Height * pixelsPerMm);
}

// The widest pen (9 px) and a label's frame fit in this margin.
inline constexpr double BoundsPaddingPx = 12;
