// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageMeasure.h"

#include "output/PageOutput.h"
#include "output/TiledPages.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QSizeF A4(210, 297);

TEST(TilePlan, TheFewestSheetsInTheOrientationThatNeedsFewer)
{
    const struct
    {
        QSizeF area;
        double overlap;
        int rows, columns;
        bool landscape;
    } cases[] = {
        {{800, 300}, 10, 2, 3, true},     // landscape parts 297 x 196: 3 x 2 against 4 x 2
        {{190, 600}, 10, 3, 1, false},    // portrait parts 210 x 283: 3 high against 4
        {{297, 196}, 10, 1, 1, true},     // exactly one landscape part
        {{297.01, 196}, 10, 1, 2, true},  // a hair wider takes a second column
        {{584, 196}, 10, 1, 2, true},     // 297 + (297 - 10): still two
        {{584.01, 196}, 10, 1, 3, true},
        {{584, 196}, 0, 1, 2, true},      // no overlap at all
        {{900, 100}, 40, 1, 4, true},     // a wide overlap needs more sheets: 297 + 3 x 257
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.area.width() << " x " << c.area.height() << " overlap "
                                        << c.overlap);
        const auto plan = planTiles(QRectF(QPointF(30, 20), c.area), A4, c.overlap);
        ASSERT_TRUE(plan);
        EXPECT_EQ(plan->rows, c.rows);
        EXPECT_EQ(plan->columns, c.columns);
        EXPECT_EQ(plan->landscape(), c.landscape);
        // The last part reaches the area's far corner; one sheet fewer along a side would not.
        const QRectF last = plan->partMm(plan->rows - 1, plan->columns - 1);
        EXPECT_GE(last.right(), 30 + c.area.width() - 1e-9);
        EXPECT_GE(last.bottom(), 20 + c.area.height() - 1e-9);
        EXPECT_EQ(plan->partMm(0, 0).topLeft(), QPointF(30, 20));
    }
    EXPECT_FALSE(planTiles(QRectF(0, 0, 800, 300), A4, 210)) << "no room left beside the overlap";
    EXPECT_FALSE(planTiles(QRectF(0, 0, 800, 300), QSizeF(13, 13), 1)) << "lower than the strip";
    EXPECT_FALSE(planTiles(QRectF(0, 0, 0, 300), A4, 10));
    EXPECT_EQ(sheetLabel(*planTiles(QRectF(0, 0, 800, 300), A4, 10), 1, 0), u"4/6  行2 列1");
}

// A picture of 800 x 300 real millimetres in blocks of grey, one pixel a millimetre, with a kept
// dimension of exactly 100 mm on the second sheet of the first row.
struct LargeCatch
{
    static constexpr double DimensionLeft = 320, DimensionY = 100;
    AnnotationStore annotations;
    QImage picture{800, 300, QImage::Format_RGB32};

    LargeCatch()
    {
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, ((x / 40 + y / 30) % 2) ? 0xFFD0D0D0 : 0xFFA0A0A0);
        }
        AnnotationLine line;
        line.Visible = true;
        line.X1 = float(DimensionLeft);
        line.X2 = float(DimensionLeft + 100);
        line.Y1 = line.Y2 = float(DimensionY);
        annotations.lineDsSave[0] = line;
        annotations.lineDsSave.CreateElement(1);
        annotations.shpSnpo[0].Width = 2;
    }
    PageScene scene() const
    {
        return {annotations, &picture, QSizeF(800, 300), QRectF(0, 0, 800, 300), {}};
    }
};

// Where a 100 mm dimension's end circles are, in millimetres apart.
double circlesApartMm(const QImage &strip, double pixelsPerMm)
{
    const auto left = markCentre(strip, false, int(2 * pixelsPerMm / 3));
    const auto right = markCentre(strip, true, int(2 * pixelsPerMm / 3));
    return left && right ? std::hypot(right->x() - left->x(), right->y() - left->y()) / pixelsPerMm
                         : 0;
}

// Pixels of two equally large images whose grey differs by more than a quarter of the range.
int differingPixels(const QImage &a, const QImage &b)
{
    int differing = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            differing += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64;
    }
    return differing;
}

} // namespace

TEST(TiledPdf, SheetsAtActualSizeThatPutTogetherGiveBackTheWholeArea)
{
    const LargeCatch book;
    QTemporaryDir dir;
    const QString tiled = dir.filePath(QStringLiteral("tiled.pdf"));
    const QString whole = dir.filePath(QStringLiteral("whole.pdf"));
    const QString pdf = QStringLiteral("pdf");
    const auto plan = planTiles(QRectF(0, 0, 800, 300), A4, DefaultOverlapMm);
    ASSERT_TRUE(plan);
    ASSERT_FALSE(writeTiledPdf({tiled, pdf}, book.scene(), {true, false, false, false}, *plan));
    ASSERT_FALSE(
        writePagePdf({whole, pdf}, book.scene(), {true, false, false, false}, QSizeF(800, 300)));

    // The dimension is on sheet 2 (row 1, column 2), 100 mm long there.
    const QRectF part = plan->partMm(0, 1);
    const QRectF strip(LargeCatch::DimensionLeft - 10 - part.left(),
                       LargeCatch::DimensionY - 5 - part.top(), 120, 10);
    const QImage dimension = renderPdfPage(tiled, 508, strip, 2);
    ASSERT_FALSE(dimension.isNull()) << "pdftoppm (poppler-utils) is needed";
    EXPECT_NEAR(circlesApartMm(dimension, 508 / 25.4), 100, 0.1);

    // The check bar in the strip below the part is 100 mm between its end ticks.
    const QImage bar = renderPdfPage(tiled, 508, QRectF(150, part.height() + 9, 147, 2), 1);
    EXPECT_NEAR(darkBounds(bar).width() / (508 / 25.4), 100, 0.2);

    // Each sheet's own part, its overlaps aside, is the same part of the single large page; the
    // overlap two sheets share is printed alike on both, marks included, so they align.
    constexpr int PixelsPerMm = 5;
    const QImage large = renderPdfPage(whole, 127);
    ASSERT_GE(large.width(), 4000);
    ASSERT_GE(large.height(), 1500);
    const int o = int(DefaultOverlapMm) * PixelsPerMm;
    std::vector<QImage> sheets;
    for (int page = 1; page <= plan->count(); ++page)
        sheets.push_back(renderPdfPage(tiled, 127, {}, page));
    const QSize partPx = (plan->partSizeMm() * PixelsPerMm).toSize();
    for (int row = 0; row < plan->rows; ++row) {
        for (int column = 0; column < plan->columns; ++column) {
            SCOPED_TRACE(sheetLabel(*plan, row, column).toStdString());
            const QImage &sheet = sheets[std::size_t(row * plan->columns + column)];
            const QPoint at = (plan->partMm(row, column).topLeft() * PixelsPerMm).toPoint();
            const QRect own = QRect(QPoint(o, o), partPx - QSize(2 * o, 2 * o))
                                  .intersected(QRect(-at, large.size()));
            EXPECT_LE(differingPixels(sheet.copy(own), large.copy(own.translated(at))),
                      own.width() * own.height() / 500);
            if (column + 1 < plan->columns) {
                const QImage &right = sheets[std::size_t(row * plan->columns + column + 1)];
                const QRect shared(partPx.width() - o, 0, o, partPx.height());
                EXPECT_LE(differingPixels(sheet.copy(shared),
                                          right.copy(QRect(0, 0, o, partPx.height()))),
                          o * partPx.height() / 1000); // edges that round apart
            }
        }
    }
}
