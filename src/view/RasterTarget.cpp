// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RasterTarget.h"

#include <QImage>
#include <QPainter>

std::optional<RasterTarget> RasterTarget::of(const QPainter &painter)
{
    QPaintDevice *device = painter.device();
    if (!painter.isActive() || !device || device->devType() != QInternal::Image)
        return std::nullopt;
    auto &image = *static_cast<QImage *>(device);
    const QTransform transform = painter.combinedTransform();
    // The engine writes into the image's own pixels; so must whoever writes directly.
    if (image.format() != QImage::Format_RGB32 || !image.isDetached()
        || image.devicePixelRatio() != 1.0 || transform.type() > QTransform::TxTranslate
        || painter.testRenderHint(QPainter::Antialiasing)
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver
        || painter.opacity() != 1.0)
        return std::nullopt;
    QRect clip = image.rect();
    if (painter.hasClipping()) {
        if (painter.clipRegion().rectCount() != 1)
            return std::nullopt;
        // The engine rounds a rectangle's edges to whole device pixels.
        const QRectF logical = painter.clipBoundingRect();
        const QPointF topLeft = transform.map(logical.topLeft());
        const QPointF bottomRight = transform.map(logical.bottomRight());
        clip &= QRect(QPoint(qRound(topLeft.x()), qRound(topLeft.y())),
                      QPoint(qRound(bottomRight.x()) - 1, qRound(bottomRight.y()) - 1));
    }
    return RasterTarget{&image, transform, clip};
}
