// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Segment.h"
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
    AnnotationStore annotations;
    annotations.lineHikidashi.AppendToSpare(segment(10, 10, 110, 10));
    const LiveObjects live;
    const StyleDefaults defaults;
    const CanvasScene scene{annotations, live, defaults, nullptr, QSizeF()};
    for (double dpi : {96.0, 300.0}) {
        QImage page = blank(QSize(int(130 * dpi / 25.4), int(30 * dpi / 25.4)));
        QPainter painter(&page);
        CanvasRenderOptions options;
        options.pixelsPerMm = dpi / 25.4;
        options.layers = CanvasLayer::LeaderLines;
        renderCanvas(painter, scene, options);
        painter.end();
        const auto [first, last] = inkedSpan(page, int(10 * dpi / 25.4));
        EXPECT_NEAR(last - first + 1, 100 * dpi / 25.4, 2) << dpi << " dpi";
        EXPECT_NEAR(first, 10 * dpi / 25.4, 1.5) << dpi << " dpi";
    }
}

TEST(CanvasRender, NothingIsPaintedPastThePaperEdge)
{
    QImage picture(2000, 200, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    const AnnotationStore annotations;
    const LiveObjects live;
    const StyleDefaults defaults;
    // 529 mm wide, on a canvas as wide as an A4 paper (297 mm)
    const CanvasScene scene{annotations, live, defaults, &picture,
                            QSizeF(picture.size()) / ScreenPixelsPerMm};
    const QSizeF canvasPx(1122.66, 793.8);
    const CanvasViewport viewport{QSize(1400, 100), QPoint(0, 0), canvasPx, Qt::darkGray};
    QImage view = blank(viewport.viewSize);
    CanvasFrameCache cache;
    QPainter painter(&view);
    cache.paint(painter, viewport, scene, QRect(QPoint(0, 0), viewport.viewSize));
    painter.end();
    const int edge = int(canvasPx.width());
    EXPECT_EQ(view.pixel(edge - 5, 50), QColor(Qt::darkBlue).rgb());
    EXPECT_EQ(view.pixel(edge + 5, 50), QColor(Qt::darkGray).rgb());
}
