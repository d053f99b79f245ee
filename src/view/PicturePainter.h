// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

class QPainter;

// Paints the picture stretched to a size, only where the device needs it. A picture shown smaller
// than it is keeps one scaled copy (never larger than the picture itself), so scrolling a reduced
// view does not shrink the whole picture again on every paint; a picture shown larger is sampled
// straight from the source for the exposed part alone, so actual size costs no extra memory.
// The program shows one picture, so every painter shares the one copy: a bitmap saved at the
// size the screen shows reuses the screen's.
class PicturePainter
{
public:
    void paint(QPainter &painter, const QImage &picture, QSizeF targetPx, const QRectF &exposedPx);

private:
    const QImage &reducedCopy(const QImage &picture, QSize size);
};
