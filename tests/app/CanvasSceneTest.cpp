// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's canvas as it follows the measuring tool.
#include "Segment.h"
#include "StartedForm.h"
#include "measure/PointerEvents.h"
#include "view/CanvasFrameCache.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

// The cached frame must never show a stale picture: after the live line moves, repainting only
// its dirty area gives the same pixels as painting the whole view afresh.
TEST(CanvasRender, RepaintingTheLiveAreaMatchesAFreshPaint)
{
    StartedForm started;
    frmMain &form = started.form;
    form.annotations.lineHikidashi.AppendToSpare(segment(5, 5, 80, 60));
    const CanvasViewport viewport{QSize(400, 300), QPoint(0, 0), form.view.pictMapPx, Qt::darkGray};
    const QRect whole(QPoint(0, 0), viewport.viewSize);

    CanvasFrameCache cache;
    QImage kept = blank(viewport.viewSize);
    {
        QPainter painter(&kept);
        cache.paint(painter, viewport, form.scene(), whole);
    }
    pictMap_MouseDown(form.measuring, 1, 20, 40);
    pictMap_MouseUp(form.measuring, 1, 20, 40);
    for (float x : {100.0f, 60.0f, 140.0f}) {
        const QRectF before = liveObjectsBoundsPx(form.live);
        pictMap_MouseMove(form.measuring, 0, x, 40);
        const QRect dirty = (before | liveObjectsBoundsPx(form.live)).toAlignedRect();
        QPainter painter(&kept);
        cache.paint(painter, viewport, form.scene(), dirty & whole);
    }

    QImage fresh = blank(viewport.viewSize);
    {
        CanvasFrameCache another;
        QPainter painter(&fresh);
        another.paint(painter, viewport, form.scene(), whole);
    }
    EXPECT_TRUE(form.live.lineDistance.Visible);
    EXPECT_EQ(kept, fresh);
}
