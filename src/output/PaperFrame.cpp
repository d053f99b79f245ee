// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperFrame.h"

#include "view/ZoomRatios.h"

#include <QRectF>

#include <cmath>

QTransform paperFrame(const ScaleValues &values, QSizeF paperFrameMm)
{
    const double rX = values.GE_tpPtoD_r_X;
    const double rY = values.GE_tpPtoD_r_Y;
    // The rotation a caption turns its segment by, so that the tilt line lies horizontal.
    const double levelling = values.GE_dblHosei[3];
    if (!isUsableRatio(rX) || !isUsableRatio(rY) || !std::isfinite(levelling) || rX == rY)
        return {};
    QTransform level;
    level.rotateRadians(levelling);
    const QTransform stretch = level * QTransform::fromScale(1, rY / rX) * level.inverted();
    const QPointF corner = stretch.mapRect(QRectF(QPointF(0, 0), paperFrameMm)).topLeft();
    return stretch * QTransform::fromTranslate(-corner.x(), -corner.y());
}
