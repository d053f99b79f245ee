// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the photograph lands on paper, on both axes: a picture with dots at known places,
// calibrated, printed to PDF, saved as a bitmap and a picture and tiled over sheets; the dots are
// found again and compared with the calibration's own arithmetic, written out here.
#include "CalibratedBook.h"
#include "PageMeasure.h"
#include "document/ScaleModel.h"

#include <QFile>
#include <QLineF>
#include <QPainter>
#include <QTransform>
#include <QtEndian>

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

constexpr QSize PicturePx(2400, 1800); // 4:3
constexpr double DotPx = 24;
constexpr double BaseMmPerPx = 25.4 / 96; // the picture's millimetres at 100 %
const QSizeF A4(297, 210);
const QRectF PrintAreaMm(5, 5, 287, 200); // the default, on the canvas at actual size
constexpr double ToleranceMm = 0.3;

// Dots at uneven steps, so that a page shifted by a step cannot pass for the right one; no step
// is longer than 170 px, so each 30 mm overlap of the sheets holds a row and a column of them.
std::vector<QPointF> dotsPx()
{
    std::vector<QPointF> dots;
    const double steps[] = {150, 170, 160};
    double y = 60;
    for (int row = 0; y < PicturePx.height() - 40; y += steps[row++ % 3]) {
        double x = 60;
        for (int column = row; x < PicturePx.width() - 40; x += steps[column++ % 3])
            dots.emplace_back(x, y);
    }
    return dots;
}

struct Calibration
{
    const char *what;
    double rX, rY;
    float tiltRise; // of the tilt line from (10, 10) to (110, 10 + rise), canvas millimetres
    bool tiled;     // the print area then takes 2 x 2 sheets of A5 lying
};

// Canvas millimetres at actual size to paper: turned so that the tilt line lies level, across it
// stretched by r_Y / r_X, turned back; the A4 frame so stretched starts at the paper's corner.
QTransform calibratedPaper(const Calibration &c)
{
    const QTransform level = QTransform().rotateRadians(-std::atan2(c.tiltRise, 100));
    const QTransform stretch = level * QTransform::fromScale(1, c.rY / c.rX) * level.inverted();
    const QPointF corner = stretch.mapRect(QRectF(QPointF(0, 0), A4)).topLeft();
    return stretch * QTransform::fromTranslate(-corner.x(), -corner.y());
}

// A record book of a white picture with black dots, calibrated so and saved as `book`.
void saveBookOfDots(StartedForm &started, const Calibration &c, const QString &book)
{
    QImage picture(PicturePx, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setBrush(Qt::black);
    for (const QPointF dot : dotsPx())
        painter.drawEllipse(dot, DotPx / 2, DotPx / 2);
    painter.end();
    const QString path = started.folder.filePath(QStringLiteral("dots.png"));
    ASSERT_TRUE(picture.save(path));
    startRecordBook(started, path);
    ScaleValues &values = started.form.scale;
    values.GE_tpPtoD_r_X = c.rX;
    values.GE_tpPtoD_r_Y = c.rY;
    std::copy_n(std::array{10.0f, 10.0f, 110.0f, 10 + c.tiltRise}.begin(), 4, values.GE_sngHosei);
    ComputeTiltAngles(values);
    values.GE_strPpSize = QStringLiteral("A4");
    saveRecordBookAs(started, book);
}

// The dots of the calibrated book on paper, and whether a place is whole inside a window of the
// paper and inside the print area, both of which cut the dots on their edges.
struct DotsOnPaper
{
    QTransform toPaper;
    std::vector<QPointF> expectedMm;
    double dotMm;

    bool inside(QPointF paperMm, const QRectF &windowMm) const
    {
        const double m = dotMm * 2;
        return windowMm.adjusted(dotMm, dotMm, -dotMm, -dotMm).contains(paperMm)
               && PrintAreaMm.adjusted(m, m, -m, -m).contains(toPaper.inverted().map(paperMm));
    }
};

// Every dot found lies within the tolerance of one the arithmetic puts there, and every dot put
// there is found.
void expectDots(const std::vector<QPointF> &foundMm, const DotsOnPaper &dots,
                const QRectF &windowMm)
{
    std::vector<QPointF> found, expected;
    const auto inWindow = [&](QPointF p) { return dots.inside(p, windowMm); };
    std::copy_if(foundMm.begin(), foundMm.end(), std::back_inserter(found), inWindow);
    std::copy_if(dots.expectedMm.begin(), dots.expectedMm.end(), std::back_inserter(expected),
                 inWindow);
    ASSERT_GT(expected.size(), 3u);
    EXPECT_EQ(found.size(), expected.size());
    int misplaced = 0;
    QPointF first;
    for (const QPointF at : expected) {
        double nearest = 1e9;
        for (const QPointF f : found)
            nearest = std::min(nearest, QLineF(at, f).length());
        if (nearest > ToleranceMm && misplaced++ == 0)
            first = at;
    }
    EXPECT_EQ(misplaced, 0) << "of " << expected.size() << ", the first to be at " << first.x()
                            << ", " << first.y() << " mm";
}

} // namespace

TEST(OutputGeometry, DotsLandWhereTheCalibrationPutsThemOnEveryOutput)
{
    const Calibration rows[] = {
        {"equal ratios", 0.5, 0.5, 0, true},
        {"a smaller vertical ratio", 0.5, 0.4, 0, false},
        {"a larger vertical ratio, cut by the page", 0.5, 0.55, 0, true},
        {"both ratios and a tilted reference", 0.5, 0.4, 20, false},
    };
    for (const Calibration &c : rows) {
        SCOPED_TRACE(c.what);
        StartedForm started;
        const QString folder = started.folder.path();
        const QString book = folder + QStringLiteral("/dots.ini");
        saveBookOfDots(started, c, book);

        // A pixel is BaseMmPerPx at 100 %, r_X times that on the canvas at actual size.
        DotsOnPaper dots{calibratedPaper(c), {}, DotPx * BaseMmPerPx * std::max(c.rX, c.rY)};
        for (const QPointF dot : dotsPx())
            dots.expectedMm.push_back(dots.toPaper.map(dot * BaseMmPerPx * c.rX));
        const QRectF area = dots.toPaper.mapRect(PrintAreaMm);
        const QRectF onPage = area.intersected(QRectF(QPointF(0, 0), A4));
        const auto found = [&dots](const QImage &image, double pixelsPerMm, QPointF origin) {
            std::vector<QPointF> marks = roundMarks(image, dots.dotMm * pixelsPerMm);
            for (QPointF &p : marks)
                p = origin + p / pixelsPerMm;
            return marks;
        };
        const auto exported = [&](const char *option, const char *name, QStringList extra) {
            const QString out = folder + u'/' + QLatin1String(name);
            const CommandOutput result = exportFromCommandLine(book, folder, option, out, extra);
            EXPECT_EQ(result.exitStatus, 0) << result.standardError.toStdString();
            return out;
        };

        const QString pdf = exported("--export-pdf", "page.pdf", {"--kinds", ""});
        expectDots(found(renderPdfPage(pdf, 254), 10, {}), dots, onPage);

        // At the scale its header says.
        const QString bmp = exported("--export-bmp", "page.bmp", {});
        QFile file(bmp);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const double pxPerMm = qFromLittleEndian<qint32>(file.read(54).constData() + 38) / 1000.0;
        expectDots(found(QImage(bmp), pxPerMm, {}), dots, onPage);

        // The picture starts at the corner of the rectangle around the print area.
        const QString png = exported("--export-image", "area.png", {"--dpi", "150"});
        expectDots(found(QImage(png), 150 / 25.4, area.topLeft()), dots, area);

        if (!c.tiled)
            continue;
        // A5 sheets lying, parts of 210 x 134 mm that overlap by 30 mm: the next column starts
        // 180 mm on, the next row 104 mm down. A dot in an overlap is on both of its sheets.
        const QString sheets = exported("--export-pdf", "sheets.pdf",
                                        {"--kinds", "", "--tile", "A5", "--overlap", "30"});
        ASSERT_EQ(pdfPageCount(sheets), 4);
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 2; ++column) {
                SCOPED_TRACE(testing::Message() << "sheet row " << row << " column " << column);
                const QRectF part(area.topLeft() + QPointF(180 * column, 104 * row),
                                  QSizeF(210, 134));
                const QImage sheet = renderPdfPage(sheets, 254, {}, row * 2 + column + 1);
                expectDots(found(sheet, 10, part.topLeft()), dots, part);
            }
        }
        const auto onBoth = [&](const QRectF &overlap) {
            return std::count_if(dots.expectedMm.begin(), dots.expectedMm.end(),
                                 [&](QPointF p) { return dots.inside(p, overlap); });
        };
        EXPECT_GT(onBoth(QRectF(area.left() + 180, area.top(), 30, area.height())), 0);
        EXPECT_GT(onBoth(QRectF(area.left(), area.top() + 104, area.width(), 30)), 0);
    }
}
