// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasFrameCache.h"

#include "view/FrameSeam.h"
#include "view/ObjectBounds.h"

#include <QPainter>


QRectF liveObjectsBoundsPx(const LiveObjects &live, double ppm)
{
    QRectF bounds;
    auto addLine = [&](const AnnotationLine &line) {
        if (line.Visible)
            bounds |= deviceBounds(line, ppm);
    };
    auto addBox = [&](const auto &box) {
        if (box.Visible)
            bounds |= deviceBounds(box, ppm);
    };
    addLine(live.lineDistance);
    for (const AnnotationLine &line : live.lineHojo)
        addLine(line);
    addLine(live.lineHintX);
    addLine(live.lineHintY);
    addLine(live.lineCheck);
    addBox(live.lblDistance);
    addBox(live.lblFt);
    addBox(live.shpSnap);
    for (const MarkerShape &marker : live.shpCheck)
        addBox(marker);
    if (bounds.isNull())
        return {};
    return bounds.adjusted(-BoundsPaddingPx, -BoundsPaddingPx, BoundsPaddingPx, BoundsPaddingPx);
}

void CanvasFrameCache::renderFrame(const CanvasViewport &viewport, const CanvasScene &scene,
                                   qreal dpr)
{
    const QSize pixels = (QSizeF(viewport.viewSize) * dpr).toSize();
    if (m_frame.size() != pixels)
        m_frame = QImage(pixels, QImage::Format_RGB32);
    m_frame.setDevicePixelRatio(dpr);
    m_frame.fill(viewport.outside);
    // Everything lives on the canvas, which ends with the paper: a picture larger than the
    // paper is cut off at its edge, as on the printed page.
    const QRectF canvas(QPointF(0, 0), viewport.canvasPx);
    CanvasRenderOptions options;
    options.picturePainter = &m_picturePainter;
    options.shapeStamps = &m_shapeStamps;
    {
        QPainter painter(&m_frame);
        painter.translate(-viewport.scroll);
        painter.fillRect(canvas, Qt::white);
        painter.setClipRect(canvas);
        options.layers = CanvasLayer::Picture;
        options.exposedPx = QRectF(viewport.scroll, QSizeF(viewport.viewSize));
        renderCanvas(painter, scene, options);
    }
    // The annotations go over the picture in two halves of the frame at once, the lower one on
    // the worker thread: a crowded record book takes most of a frame's time there. Each half is
    // painted into the whole frame clipped to its rows, so every object is drawn exactly as in
    // one pass, and no pixel is written by both.
    options.layers = AllCanvasLayers & ~CanvasRenderOptions::LiveLayers
                     & ~CanvasLayers(CanvasLayer::Picture) & ~CanvasLayers(CanvasLayer::Defaults);
    m_shapeStamps.trim();
    const auto renderRows = [&](int top, int bottom, CaptionLayouts &layouts) {
        QImage frame(m_frame.bits(), m_frame.width(), m_frame.height(), m_frame.bytesPerLine(),
                     m_frame.format());
        frame.setDevicePixelRatio(dpr);
        QPainter painter(&frame);
        painter.translate(-viewport.scroll);
        const QRectF rows(QPointF(viewport.scroll) + QPointF(0, top / dpr),
                          QSizeF(viewport.viewSize.width(), (bottom - top) / dpr));
        painter.setClipRect(canvas & rows);
        CanvasRenderOptions rowsOptions = options;
        rowsOptions.exposedPx = rows;
        rowsOptions.captionLayouts = &layouts;
        rowsOptions.skipCoveredLabels = true;
        renderCanvas(painter, scene, rowsOptions);
        // The default-style sample may stand beside the canvas, off the picture.
        painter.setClipRect(rows);
        rowsOptions.layers = CanvasLayer::Defaults;
        renderCanvas(painter, scene, rowsOptions);
    };
    // Halves of a scaled frame would meet within a pixel: that is painted in one.
    const int half = dpr == 1.0 ? frameSeam(scene, viewport.scroll, pixels.height()) : 0;
    if (half > 0) {
        m_worker.start(
            [&](CaptionLayouts &layouts) { renderRows(half, pixels.height(), layouts); });
    }
    renderRows(0, half > 0 ? half : pixels.height(), m_captionLayouts);
    if (half > 0)
        m_worker.wait();
    m_scroll = viewport.scroll;
    m_canvasPx = viewport.canvasPx;
    m_valid = true;
}

void CanvasFrameCache::paint(QPainter &painter, const CanvasViewport &viewport,
                             const CanvasScene &scene, const QRect &exposed)
{
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (!m_valid || m_scroll != viewport.scroll || m_canvasPx != viewport.canvasPx
        || m_frame.deviceIndependentSize() != QSizeF(viewport.viewSize))
        renderFrame(viewport, scene, dpr);
    painter.drawImage(exposed, m_frame, QRectF(QPointF(exposed.topLeft()) * dpr,
                                               QSizeF(exposed.size()) * dpr));
    painter.save();
    painter.setClipRect(exposed);
    painter.translate(-viewport.scroll);
    painter.setClipRect(QRectF(QPointF(0, 0), viewport.canvasPx), Qt::IntersectClip);
    CanvasRenderOptions options;
    options.layers = CanvasRenderOptions::LiveLayers;
    options.exposedPx = QRectF(exposed.translated(viewport.scroll));
    renderCanvas(painter, scene, options);
    painter.restore();
}
