// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PicturePainter.h"

#include <QPainter>

#include <cmath>

namespace {

struct ReducedCopy
{
    QImage image;
    qint64 from = 0; // the cache key of the picture it was made from
};

ReducedCopy &sharedCopy()
{
    static ReducedCopy copy;
    return copy;
}

} // namespace

const QImage &PicturePainter::reducedCopy(const QImage &picture, QSize size)
{
    ReducedCopy &copy = sharedCopy();
    if (copy.from != picture.cacheKey() || copy.image.size() != size) {
        copy.image = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        copy.from = picture.cacheKey();
    }
    return copy.image;
}

void PicturePainter::paint(QPainter &painter, const QImage &picture, QSizeF targetPx,
                           const QRectF &exposedPx)
{
    if (picture.isNull() || targetPx.isEmpty())
        return;
    const QRectF target(QPointF(0, 0), targetPx);
    const QRectF part = target.intersected(exposedPx);
    if (part.isEmpty())
        return;
    const QSize reducedSize(int(std::lround(targetPx.width())),
                            int(std::lround(targetPx.height())));
    if (reducedSize.width() < picture.width() && reducedSize.height() < picture.height()
        && !reducedSize.isEmpty()) {
        const QImage &reduced = reducedCopy(picture, reducedSize);
        painter.drawImage(part, reduced, part);
        return;
    }
    sharedCopy().image = QImage();
    const double sx = picture.width() / targetPx.width();
    const double sy = picture.height() / targetPx.height();
    const QRectF source(part.left() * sx, part.top() * sy, part.width() * sx, part.height() * sy);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, sx != 1.0 || sy != 1.0);
    painter.drawImage(part, picture, source);
    painter.restore();
}
