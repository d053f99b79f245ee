#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>

class QPainter;

// Paints the picture stretched to a size, only where the device needs it. A picture shown smaller
// than it is keeps one scaled copy (never larger than the picture itself), so scrolling a reduced
// view does not shrink the whole picture again on every paint; a picture shown larger is sampled
// straight from the source for the exposed part alone, so actual size costs no extra memory.
class PicturePainter
{
public:
    void paint(QPainter &painter, const QImage &picture, QSizeF targetPx, const QRectF &exposedPx);

private:
    const QImage &reducedCopy(const QImage &picture, QSize size);

    QImage m_reduced;
    qint64 m_reducedFrom = 0;
};
