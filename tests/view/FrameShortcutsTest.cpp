// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcuts the window's frame takes (lines written straight into the image, small shapes
// stamped, captions kept laid out, two halves painted at once) against the painter drawing the
// same scene in one pass without any of them. The reference is painted into a premultiplied
// 32-bit image, which takes no shortcut and which the raster engine blends exactly as the
// screen's RGB32.
#include "Segment.h"
#include "annotations/AnnotationPainter.h"
#include "annotations/CaptionLayouts.h"
#include "document/LabelMetrics.h"
#include "view/CanvasFrameCache.h"

#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <functional>

namespace {

QImage referenceFrame(const CanvasScene &scene, const CanvasViewport &viewport)
{
    QImage frame(viewport.viewSize, QImage::Format_ARGB32_Premultiplied);
    frame.fill(viewport.outside);
    QPainter painter(&frame);
    painter.translate(-viewport.scroll);
    const QRectF canvas(QPointF(0, 0), viewport.canvasPx);
    painter.fillRect(canvas, Qt::white);
    painter.setClipRect(canvas);
    CanvasRenderOptions options;
    options.layers = AllCanvasLayers & ~CanvasRenderOptions::LiveLayers;
    options.exposedPx = QRectF(viewport.scroll, QSizeF(viewport.viewSize));
    renderCanvas(painter, scene, options);
    painter.end();
    return frame.convertToFormat(QImage::Format_RGB32);
}

QImage cachedFrame(const CanvasScene &scene, const CanvasViewport &viewport)
{
    QImage view(viewport.viewSize, QImage::Format_RGB32);
    CanvasFrameCache cache;
    QPainter painter(&view);
    cache.paint(painter, viewport, scene, QRect(QPoint(0, 0), viewport.viewSize));
    return view;
}

struct Difference
{
    int pixels = 0;
    int unexplained = 0; // differing pixels whose colour is nowhere next to them in the other
};

// A dot drawn from a stamp may sit one pixel off at its rim: every differing pixel must then
// find its colour within one pixel in the other image.
Difference compare(const QImage &fast, const QImage &reference)
{
    const auto nearby = [](const QImage &image, int x, int y, QRgb colour) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p(x + dx, y + dy);
                if (image.rect().contains(p) && image.pixel(p) == colour)
                    return true;
            }
        }
        return false;
    };
    Difference difference;
    for (int y = 0; y < fast.height(); ++y) {
        for (int x = 0; x < fast.width(); ++x) {
            const QRgb a = fast.pixel(x, y), b = reference.pixel(x, y);
            if (a == b)
                continue;
            ++difference.pixels;
            if (!nearby(reference, x, y, a) || !nearby(fast, x, y, b))
                ++difference.unexplained;
        }
    }
    return difference;
}

float within(QRandomGenerator &random, double from, double to)
{
    return float(from + random.bounded(to - from));
}

// Leader lines over the canvas and beyond its edges, in every look the renderer meets: one
// pixel wide (written straight), wider, patterned and of no length (drawn by the painter). The
// wider ones lie in a strip across the middle of the view, where the frame's halves would meet:
// the engine draws a line cut by them a little differently, so they meet elsewhere.
void leaderLines(AnnotationStore &objects)
{
    QRandomGenerator random(3);
    for (int i = 0; i < 3000; ++i) {
        AnnotationLine line = segment(within(random, -40, 340), within(random, -40, 250),
                                      within(random, -40, 340), within(random, -40, 250));
        line.BorderColor = rgb(i * 7, 255 - i % 200, i % 3 * 100);
        line.BorderWidth = std::int16_t(i % 2);
        if (i % 13 == 0) {
            line = segment(within(random, -40, 340), within(random, 80, 105),
                           within(random, -40, 340), within(random, 80, 105));
            line.BorderWidth = 3;
        }
        line.BorderStyle = std::int16_t(i % 17 == 0 ? BorderDash : BorderSolid);
        if (i % 101 == 0) {
            line.X2 = line.X1;
            line.Y2 = line.Y1;
        }
        objects.lineHikidashi.AppendToSpare(line);
    }
}

// Captions in each alignment, font, size and attribute, some with spaces at their ends, an
// empty one and one with a tab (which drawText treats specially), overlapping each other, so
// that the frame leaves out those wholly covered.
void textLabels(AnnotationStore &objects)
{
    QRandomGenerator random(5);
    const QString captions[] = {QStringLiteral("No.7 真鯛 23cm"), QStringLiteral(" 体長： "),
                                QStringLiteral("12.3cm"), QString(),
                                QStringLiteral("a\tb"), QStringLiteral("Wi-Fi AV To")};
    for (int i = 0; i < 300; ++i) {
        AnnotationLabel &label = objects.lblMoji[*objects.CreateTextLabel()];
        label.FontName = i % 2 ? QStringLiteral("ＭＳ ゴシック") : QStringLiteral("ＭＳ Ｐゴシック");
        label.FontSize = within(random, 5, 24);
        label.FontBold = i % 3 == 0;
        label.FontItalic = i % 4 == 0;
        label.FontUnderline = i % 11 == 0;
        label.Alignment = std::int16_t(i % 3);
        label.BorderStyle = std::int16_t(i % 5 == 0);
        label.BackStyle = std::int16_t(i % 6 != 1); // some see-through, covering nothing
        label.ForeColor = rgb(i, 0, 255 - i % 256);
        setCaption(label, captions[i % 6]);
        label.Width *= i % 7 == 0 ? 1.5f : 1.0f; // wider than its caption: the alignment shows
        label.Left = within(random, -10, 290);
        label.Top = within(random, -5, 200);
        label.Visible = true;
    }
}

// Kept dimensions: lines, extension lines, their end dots and labels, crowded.
void dimensions(AnnotationStore &objects)
{
    QRandomGenerator random(7);
    while (objects.dimensionCount() < 1500) {
        const float x = within(random, -5, 290), y = within(random, -5, 200);
        AnnotationLabel label = objects.lblKyori.spare();
        label.Left = x + 4;
        label.Top = y - 5;
        MarkerShape marker = objects.shpSnpo.spare();
        objects.AppendDimension(label, segment(x, y, x + 12, y), segment(x, y + 5, x, y),
                                segment(x + 12, y + 5, x + 12, y), marker, marker);
        setCaption(objects.lblKyori[objects.dimensionCount() - 1],
                   QString::number(x / 10, 'f', 1) + QStringLiteral("cm"));
    }
}

} // namespace

// Lines and captions come out pixel for pixel as the painter draws them; stamped dots may sit a
// pixel off at their rim, on no more than a few in a hundred.
TEST(FrameShortcuts, FrameMatchesThePainterDrawingItInOnePass)
{
    struct Case
    {
        const char *scene;
        std::function<void(AnnotationStore &)> fill;
        QPoint scroll;
        bool exact;
    };
    const Case cases[] = {
        {"leader lines", leaderLines, QPoint(0, 0), true},
        {"leader lines, scrolled", leaderLines, QPoint(137, 211), true},
        {"text labels", textLabels, QPoint(0, 0), true},
        {"text labels, scrolled", textLabels, QPoint(-20, 35), true},
        {"dimensions", dimensions, QPoint(0, 0), false},
    };
    for (const Case &c : cases) {
        AnnotationStore annotations;
        c.fill(annotations);
        const LiveObjects live;
        const StyleDefaults defaults;
        const CanvasScene scene{annotations, live, defaults, nullptr, QSizeF()};
        // A canvas of 1122.66 x 793.8 pixels, as an A4 paper's: its clip falls within pixels.
        const CanvasViewport viewport{QSize(1000, 700), c.scroll, QSizeF(1122.66, 793.8),
                                      Qt::darkGray};
        const QImage reference = referenceFrame(scene, viewport);
        const Difference difference = compare(cachedFrame(scene, viewport), reference);
        if (c.exact) {
            EXPECT_EQ(difference.pixels, 0) << c.scene;
        } else {
            EXPECT_EQ(difference.unexplained, 0) << c.scene;
            // 3,000 dots of about 16 pixels each
            EXPECT_LT(difference.pixels, 3000 * 16 / 20) << c.scene;
        }
    }
}

// A kept layout is found by font and caption: after each change the caption comes out as
// drawText draws it, never as it was drawn before.
TEST(FrameShortcuts, CaptionIsLaidOutAfreshWhenItsTextOrFontChanges)
{
    const std::pair<const char *, std::function<void(AnnotationLabel &)>> changes[] = {
        {"first drawn", [](AnnotationLabel &) {}},
        {"caption", [](AnnotationLabel &l) { l.Caption = QStringLiteral("38.5cm"); }},
        {"face", [](AnnotationLabel &l) { l.FontName = QStringLiteral("ＭＳ Ｐゴシック"); }},
        {"size", [](AnnotationLabel &l) { l.FontSize = 14.25f; }},
        {"bold", [](AnnotationLabel &l) { l.FontBold = true; }},
        {"italic", [](AnnotationLabel &l) { l.FontItalic = true; }},
        {"back to the first caption",
         [](AnnotationLabel &l) { l.Caption = QStringLiteral("38.0cm"); }},
    };
    CaptionLayouts layouts; // one for all, as the window keeps it
    AnnotationLabel label;
    label.Visible = true;
    label.FontName = QStringLiteral("ＭＳ ゴシック");
    label.Caption = QStringLiteral("38.0cm");
    label.Left = 10.3f;
    label.Top = 5.2f;
    label.Width = 30;
    label.Height = 6;
    label.Alignment = AlignCenter;
    for (const auto &[change, apply] : changes) {
        apply(label);
        QImage drawn(QSize(200, 60), QImage::Format_RGB32), expected = drawn;
        drawn.fill(Qt::white);
        expected.fill(Qt::white);
        {
            QPainter painter(&drawn);
            paintLabel(painter, label, ScreenPixelsPerMm, &layouts);
        }
        {
            QPainter painter(&expected);
            paintLabel(painter, label, ScreenPixelsPerMm);
        }
        EXPECT_EQ(drawn, expected) << change;
    }
}
