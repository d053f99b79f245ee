#include "PicturePainter.h"

#include <QPainter>

#include <cmath>

const QImage &PicturePainter::reducedCopy(const QImage &picture, QSize size)
{
    if (m_reducedFrom != picture.cacheKey() || m_reduced.size() != size) {
        m_reduced = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_reducedFrom = picture.cacheKey();
    }
    return m_reduced;
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
    m_reduced = QImage();
    const double sx = picture.width() / targetPx.width();
    const double sy = picture.height() / targetPx.height();
    const QRectF source(part.left() * sx, part.top() * sy, part.width() * sx, part.height() * sy);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, sx != 1.0 || sy != 1.0);
    painter.drawImage(part, picture, source);
    painter.restore();
}
