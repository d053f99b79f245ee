#include "CanvasFrameCache.h"

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
    QPainter painter(&m_frame);
    painter.translate(-viewport.scroll);
    // Everything lives on the canvas, which ends with the paper: a picture larger than the
    // paper is cut off at its edge, as on the printed page.
    const QRectF canvas(QPointF(0, 0), viewport.canvasPx);
    painter.fillRect(canvas, Qt::white);
    painter.setClipRect(canvas);
    CanvasRenderOptions options;
    options.layers = AllCanvasLayers & ~CanvasRenderOptions::LiveLayers;
    options.exposedPx = QRectF(viewport.scroll, QSizeF(viewport.viewSize));
    options.picturePainter = &m_picturePainter;
    renderCanvas(painter, scene, options);
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
