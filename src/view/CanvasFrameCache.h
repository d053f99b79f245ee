#pragma once

#include "view/CanvasRenderer.h"
#include "view/PicturePainter.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

// Which part of the canvas a view shows.
struct CanvasViewport
{
    QSize viewSize;        // pixels
    QPoint scroll;         // canvas pixel at the view's top-left corner
    QSizeF canvasPx;       // the canvas's extent; outside it the view shows `outside`
    QColor outside = Qt::darkGray;
};

// Paints a view of the canvas in two layers: the settled frame (picture, kept annotations, paper
// frame, print area, default sample), rendered once and kept, and the live measuring objects
// over it. Moving the live line then costs a copy of its small dirty area, however many
// annotations the canvas holds.
class CanvasFrameCache
{
public:
    void paint(QPainter &painter, const CanvasViewport &viewport, const CanvasScene &scene,
               const QRect &exposed);
    // Anything but the live objects changed: the next paint renders the frame again.
    void invalidate() { m_valid = false; }

private:
    void renderFrame(const CanvasViewport &viewport, const CanvasScene &scene, qreal dpr);

    QImage m_frame;
    QPoint m_scroll;
    QSizeF m_canvasPx;
    bool m_valid = false;
    PicturePainter m_picturePainter;
};

// Where the visible live objects lie, in canvas pixels, padded for pen widths and XOR edges.
QRectF liveObjectsBoundsPx(const LiveObjects &live, double pixelsPerMm = ScreenPixelsPerMm);
