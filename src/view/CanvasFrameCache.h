// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "annotations/CaptionLayouts.h"
#include "view/CanvasRenderer.h"
#include "view/FrameWorker.h"
#include "view/PicturePainter.h"
#include "view/ShapeStamps.h"

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
// annotations the canvas holds. The frame is rendered afresh after an edit, a scroll or a zoom:
// its annotations in two halves at once, with small shapes stamped and captions laid out once
// (the stamps and layouts are kept from frame to frame).
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
    ShapeStamps m_shapeStamps;
    CaptionLayouts m_captionLayouts; // this thread's; the worker keeps its own
    FrameWorker m_worker;
};

// Where the visible live objects lie, in canvas pixels, padded for pen widths and XOR edges.
QRectF liveObjectsBoundsPx(const LiveObjects &live, double pixelsPerMm = ScreenPixelsPerMm);
