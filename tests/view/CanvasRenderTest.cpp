// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

// The columns of a row that are not white.
std::pair<int, int> inkedSpan(const QImage &image, int y)
{
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) != qRgb(255, 255, 255)) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    return {first, last};
}

} // namespace

// One renderer serves the screen, the printer and the bitmap: on a 300 dpi device a 100 mm line
// must cover 100 mm, that is 1181 pixels (100 x 300 / 25.4).
TEST(CanvasRender, LengthsKeepTheirMillimetresOnAnyDevice)
{
    StartedForm started;
    started.form.annotations.lineHikidashi.AppendToSpare(segment(10, 10, 110, 10));
    started.form.defaults.lblDefault.Visible = false;
    started.form.defaults.linDefault.Visible = false;
    for (double dpi : {96.0, 300.0}) {
        QImage page = blank(QSize(int(130 * dpi / 25.4), int(30 * dpi / 25.4)));
        QPainter painter(&page);
        CanvasRenderOptions options;
        options.pixelsPerMm = dpi / 25.4;
        options.layers = CanvasLayer::LeaderLines;
        renderCanvas(painter, started.form.scene(), options);
        painter.end();
        const auto [first, last] = inkedSpan(page, int(10 * dpi / 25.4));
        EXPECT_NEAR(last - first + 1, 100 * dpi / 25.4, 2) << dpi << " dpi";
        EXPECT_NEAR(first, 10 * dpi / 25.4, 1.5) << dpi << " dpi";
    }
}

// The cached frame must never show a stale picture: after the live line moves, repainting only
// its dirty area gives the same pixels as painting the whole view afresh.
TEST(CanvasRender, RepaintingTheLiveAreaMatchesAFreshPaint)
{
    StartedForm started;
    frmMain &form = started.form;
    form.annotations.lineHikidashi.AppendToSpare(segment(5, 5, 80, 60));
    const CanvasViewport viewport{QSize(400, 300), QPoint(0, 0), form.pictMapPx, Qt::darkGray};
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

TEST(CanvasRender, NothingIsPaintedPastThePaperEdge)
{
    StartedForm started;
    frmMain &form = started.form;
    form.pictOrg = QImage(2000, 200, QImage::Format_RGB32);
    form.pictOrg.fill(Qt::darkBlue);
    form.pictMapHasPicture = true;
    form.pictureOnCanvasMm = form.pictOrgSizeMm(); // 529 mm wide, on A4 paper (297 mm)
    const CanvasViewport viewport{QSize(1400, 100), QPoint(0, 0), form.pictMapPx, Qt::darkGray};
    QImage view = blank(viewport.viewSize);
    CanvasFrameCache cache;
    QPainter painter(&view);
    cache.paint(painter, viewport, form.scene(), QRect(QPoint(0, 0), viewport.viewSize));
    painter.end();
    const int edge = int(form.pictMapPx.width());
    EXPECT_EQ(view.pixel(edge - 5, 50), QColor(Qt::darkBlue).rgb());
    EXPECT_EQ(view.pixel(edge + 5, 50), QColor(Qt::darkGray).rgb());
}
