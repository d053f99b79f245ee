// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/BitmapExport.h"
#include "app/PaperCommands.h"
#include "output/PaperLayout.h"
#include "app/RecordBookCommands.h"
#include "StartedForm.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QRectF box(const MarkerShape &shape)
{
    return QRectF(shape.Left, shape.Top, shape.Width, shape.Height);
}

} // namespace

TEST(PaperLayout, EveryCodeSizesCanvasFrameAndCaption)
{
    struct Row
    {
        const char *code;
        double width, height;
    };
    const Row rows[] = {{"B0", 1456, 1030}, {"B1", 1030, 728}, {"B2", 728, 515}, {"B3", 515, 364},
                        {"B4", 364, 257},   {"B5", 257, 182},  {"A0", 1189, 841}, {"A1", 841, 594},
                        {"A2", 594, 420},   {"A3", 420, 297},  {"A4", 297, 210}, {"A5", 210, 148}};
    StartedForm started;
    for (const Row &row : rows) {
        subSetPaper(started.form, QLatin1String(row.code));
        const QSizeF canvas = started.form.view.pictMapPx;
        EXPECT_DOUBLE_EQ(canvas.width(), row.width * 3.7824765920506) << row.code;
        EXPECT_DOUBLE_EQ(canvas.height(), row.height * 3.7824765920506) << row.code;
        for (const MarkerShape &frame : started.form.live.shpPrintWaku)
            EXPECT_EQ(box(frame), QRectF(0, 0, row.width, row.height)) << row.code;
        EXPECT_EQ(started.form.defaults.lblDefault.Caption,
                  QStringLiteral("デフォルト 　用紙サイズ = ") + QLatin1String(row.code));
    }
}

TEST(PaperLayout, UnknownCodeBecomesA4AndPictureSizeRoundsItsMillimetres)
{
    StartedForm started;
    started.form.scale.GE_strPpSize = QStringLiteral("Z9");
    subSetPaper(started.form, QStringLiteral("Z9"));
    EXPECT_EQ(started.form.scale.GE_strPpSize, QStringLiteral("A4"));
    EXPECT_EQ(started.form.defaults.lblDefault.Caption, QStringLiteral("デフォルト 　用紙サイズ = A4"));
    EXPECT_EQ(box(started.form.live.shpPrintWaku[2]), QRectF(0, 0, 297, 210));

    // A 1000 x 500 pixel picture is 264.58 x 132.29 mm: 265 x 132.
    started.form.pictOrg = QImage(1000, 500, QImage::Format_RGB32);
    subSetPaper(started.form, QStringLiteral("00"));
    EXPECT_EQ(box(started.form.live.shpPrintWaku[0]), QRectF(0, 0, 265, 132));
    EXPECT_EQ(started.form.defaults.lblDefault.Caption,
              QStringLiteral("デフォルト 　用紙サイズ = 画像サイズ"));
}

TEST(PaperLayout, ChoosingA3FromTheDialogLaysOutFrameAndPrintArea)
{
    StartedForm started;
    started.form.pictOrg = QImage(800, 600, QImage::Format_RGB32);
    started.form.view.ZoomFactor = 0.5f;
    started.platform.listAnswers.push_back(10); // "A3  297× 420"
    mnuSize_Click(started.form);

    ASSERT_EQ(started.platform.listDialogs.size(), 1u);
    const platform::ListDialogRequest &dialog = started.platform.listDialogs.front();
    EXPECT_EQ(dialog.title, QStringLiteral("用紙サイズ"));
    EXPECT_EQ(dialog.entries.size(), 13);
    EXPECT_EQ(dialog.entries.at(10), QStringLiteral("A3  297× 420"));
    EXPECT_EQ(dialog.cancelCaption, QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_EQ(started.form.scale.GE_strPpSize, QStringLiteral("A3"));

    // Laid out at actual size (ratio 1), then taken back to the kept 50 %.
    EXPECT_FLOAT_EQ(started.form.view.ZoomFactor, 0.5f);
    EXPECT_FLOAT_EQ(started.form.view.LayoutZoom, 0.5f);
    EXPECT_EQ(box(started.form.live.shpPrint), QRectF(2.5, 2.5, 205, 143.5));
    EXPECT_NEAR(started.form.view.pictMapPx.width(), 1588.6 / 2, 0.05);
    EXPECT_NEAR(started.form.view.pictMapPx.height(), 1123.4 / 2, 0.05);
    EXPECT_TRUE(started.form.live.shpPrint.Visible);
    EXPECT_EQ(started.platform.busyDepth, 0);
}

TEST(PaperLayout, CancelOrAnAnswerOutsideTheListKeepsTheCodeButStillResetsThePrintArea)
{
    const std::optional<int> answers[] = {std::nullopt, 13, -1}; // the list holds 0 to 12
    for (const std::optional<int> answer : answers) {
        StartedForm started;
        started.form.pictOrg = QImage(800, 600, QImage::Format_RGB32);
        started.form.scale.GE_strPpSize = QStringLiteral("B5");
        started.form.live.shpPrint.Left = 40;
        started.platform.listAnswers.push_back(answer);
        mnuSize_Click(started.form);
        EXPECT_EQ(started.form.scale.GE_strPpSize, QStringLiteral("B5")) << answer.value_or(-2);
        EXPECT_EQ(box(started.form.live.shpPrint), QRectF(5, 5, 247, 172)) << answer.value_or(-2);
    }
}

TEST(PaperLayout, DefaultPrintAreaMasksCoverTheFrameOutsideIt)
{
    StartedForm started;
    subSetPaper(started.form, QStringLiteral("A4"));
    subResetPrintArea(started.form.live, started.form.platform);
    const auto &masks = started.form.live.shpSps;
    EXPECT_EQ(box(masks[0]), QRectF(0, 0, 297, 5));
    EXPECT_EQ(box(masks[1]), QRectF(0, 5, 5, 200));
    EXPECT_EQ(box(masks[2]), QRectF(0, 205, 297, 5));
    EXPECT_EQ(box(masks[3]), QRectF(292, 5, 5, 200));
    for (const MarkerShape &mask : masks)
        EXPECT_TRUE(mask.Visible);
    EXPECT_EQ(started.platform.busyDepth, 0) << "the busy pointer is released";
    EXPECT_GE(started.platform.busyCount, 1);
}

TEST(PaperLayout, TheCanvasAlwaysReachesThePictureAndPictureSizePaperIsItsRealSize)
{
    // A 1200 x 800 picture is 317.5 x 211.7 base mm; at a ratio of 2 it shows 635 x 423.3 mm.
    struct Road
    {
        const char *code;
        QSizeF frameMm;
    };
    for (const Road road : {Road{"00", {635, 423}}, Road{"A4", {297, 210}}}) {
        StartedForm started;
        started.layOutWindow();
        frmMain &form = started.form;
        form.pictOrg = QImage(1200, 800, QImage::Format_RGB32);
        started.form.scale.GE_tpPtoD_r_X = 2.0;
        started.form.scale.GE_strPpSize = QLatin1String(road.code);
        form.runCommand(QStringLiteral("mnuOrgEnlarge")); // 原寸大
        EXPECT_EQ(box(form.live.shpPrintWaku[3]), QRectF(QPointF(0, 0), road.frameMm)) << road.code;
        EXPECT_GE(form.view.pictMapPx.width(), 635 * 96 / 25.4 - 0.01) << road.code;
        EXPECT_GE(form.view.pictMapPx.height(), 423.3 * 96 / 25.4) << road.code;
        // The view is smaller than the canvas: both scroll bars are there to reach its far side.
        EXPECT_TRUE(form.view.hscX.Visible && form.view.vscY.Visible) << road.code;
        EXPECT_GT(form.view.hscX.Max, 0) << road.code;
        EXPECT_EQ(started.form.scale.GE_strPpSize, QLatin1String(road.code)) << "the code is kept";
    }
}

TEST(PaperLayout, TinyPicturesAndAbsurdRatiosStillGiveAUsableCanvas)
{
    struct Road
    {
        QSize picture;
        double ratio;
    };
    for (const Road road : {Road{{1, 1}, 1.0}, Road{{400, 300}, 1e9}, Road{{400, 300}, -3},
                            Road{{400, 300}, 1e-9}}) {
        StartedForm started;
        started.layOutWindow();
        frmMain &form = started.form;
        form.pictOrg = QImage(road.picture, QImage::Format_RGB32);
        started.form.scale.GE_tpPtoD_r_X = road.ratio;
        started.form.scale.GE_strPpSize = QStringLiteral("00");
        started.platform.listAnswers.push_back(std::nullopt);
        mnuSize_Click(form);
        form.runCommand(QStringLiteral("mnuOrgEnlarge"));
        EXPECT_GE(form.live.shpPrintWaku[0].Width, 1.0f) << road.ratio;
        EXPECT_GE(form.view.pictMapPx.width(), 1.0) << road.ratio;
        EXPECT_LT(form.view.pictMapPx.width(), 1e6) << road.ratio;
        const Viewport &view = form.view;
        EXPECT_TRUE(std::isfinite(view.ZoomFactor) && view.ZoomFactor <= 100) << road.ratio;
        EXPECT_LT(std::abs(view.hscX.Max), 1 << 20) << "no scroll range overflows, " << road.ratio;
    }
}

TEST(PaperLayout, ActualSizeOnANewBookShowsTheScrollBarsItNeeds)
{
    StartedForm started;
    started.layOutWindow();
    const QString picture = started.folder.filePath(QStringLiteral("small.bmp"));
    ASSERT_TRUE(QImage(400, 300, QImage::Format_RGB32).save(picture));
    started.platform.messageAnswers.push_back(platform::MessageAnswer::No);
    newRecordBook(started.form, picture);
    ASSERT_FALSE(started.form.view.hscX.Visible) << "a 106 mm picture fits the view";
    started.form.scale.GE_tpPtoD_r_X = 5.0; // 529 mm at actual size
    started.form.runCommand(QStringLiteral("mnuOrgEnlarge"));
    EXPECT_TRUE(started.form.view.hscX.Visible);
    EXPECT_GT(started.form.view.hscX.Max, 0);
}

TEST(PaperLayout, MasksFitAPrintAreaWhoseSidesAllDiffer)
{
    StartedForm started;
    subSetPaper(started.form, QStringLiteral("A4"));
    MarkerShape &area = started.form.live.shpPrint;
    area.Left = 12, area.Top = 30, area.Width = 200, area.Height = 150;
    subPlaceMasks(started.form.live, started.form.platform);
    const auto &masks = started.form.live.shpSps;
    EXPECT_EQ(box(masks[0]), QRectF(0, 0, 297, 30));    // above
    EXPECT_EQ(box(masks[1]), QRectF(0, 30, 12, 150));   // left
    EXPECT_EQ(box(masks[2]), QRectF(0, 180, 297, 30));  // below
    EXPECT_EQ(box(masks[3]), QRectF(212, 30, 85, 150)); // right
}

TEST(PaperLayout, TheBitmapWhitensExactlyOutsideAPrintAreaWhoseSidesAllDiffer)
{
    // 4 px a millimetre makes the rounding plain: left 12 mm is column 48, top 30 mm row 120.
    QImage canvas(1200, 800, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    subWhiteOutside(canvas, QRectF(12, 30, 200, 150), 4);
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    struct Probe
    {
        QPoint white, black;
    };
    for (const Probe &probe : {Probe{{48, 300}, {49, 300}},     // left edge
                               Probe{{848, 300}, {847, 300}},   // right edge, 48 + 800
                               Probe{{400, 120}, {400, 121}},   // top edge
                               Probe{{400, 720}, {400, 719}}}) { // bottom edge, 120 + 600
        EXPECT_EQ(canvas.pixel(probe.white), white) << probe.white.x() << ',' << probe.white.y();
        EXPECT_EQ(canvas.pixel(probe.black), black) << probe.black.x() << ',' << probe.black.y();
    }
}
