#include "output/PaperLayout.h"
#include "StartedForm.h"

#include <gtest/gtest.h>

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
        EXPECT_DOUBLE_EQ(started.form.pictMapPx.width(), row.width * 3.7824765920506) << row.code;
        EXPECT_DOUBLE_EQ(started.form.pictMapPx.height(), row.height * 3.7824765920506) << row.code;
        for (const MarkerShape &frame : started.form.live.shpPrintWaku)
            EXPECT_EQ(box(frame), QRectF(0, 0, row.width, row.height)) << row.code;
        EXPECT_EQ(started.form.defaults.lblDefault.Caption,
                  QStringLiteral("デフォルト 　用紙サイズ = ") + QLatin1String(row.code));
    }
}

TEST(PaperLayout, UnknownCodeBecomesA4AndPictureSizeRoundsItsMillimetres)
{
    StartedForm started;
    started.process.GE_strPpSize = QStringLiteral("Z9");
    subSetPaper(started.form, QStringLiteral("Z9"));
    EXPECT_EQ(started.process.GE_strPpSize, QStringLiteral("A4"));
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
    started.form.ZoomFactor = 0.5f;
    started.platform.listAnswers.push_back(10); // "A3  297× 420"
    mnuSize_Click(started.form);

    ASSERT_EQ(started.platform.listDialogs.size(), 1u);
    const platform::ListDialogRequest &dialog = started.platform.listDialogs.front();
    EXPECT_EQ(dialog.title, QStringLiteral("用紙サイズ"));
    EXPECT_EQ(dialog.entries.size(), 13);
    EXPECT_EQ(dialog.entries.at(10), QStringLiteral("A3  297× 420"));
    EXPECT_EQ(dialog.cancelCaption, QStringLiteral("ｷｬﾝｾﾙ"));
    EXPECT_EQ(started.process.GE_strPpSize, QStringLiteral("A3"));

    // Laid out at actual size (ratio 1), then taken back to the kept 50 %.
    EXPECT_FLOAT_EQ(started.form.ZoomFactor, 0.5f);
    EXPECT_FLOAT_EQ(started.form.LayoutZoom, 0.5f);
    EXPECT_EQ(box(started.form.live.shpPrint), QRectF(2.5, 2.5, 205, 143.5));
    EXPECT_NEAR(started.form.pictMapPx.width(), 1588.6 / 2, 0.05);
    EXPECT_NEAR(started.form.pictMapPx.height(), 1123.4 / 2, 0.05);
    EXPECT_TRUE(started.form.live.shpPrint.Visible);
    EXPECT_EQ(started.platform.busyDepth, 0);
}

TEST(PaperLayout, CancelKeepsTheCodeButStillResetsThePrintArea)
{
    StartedForm started;
    started.form.pictOrg = QImage(800, 600, QImage::Format_RGB32);
    started.process.GE_strPpSize = QStringLiteral("B5");
    started.form.live.shpPrint.Left = 40;
    started.platform.listAnswers.push_back(std::nullopt);
    mnuSize_Click(started.form);
    EXPECT_EQ(started.process.GE_strPpSize, QStringLiteral("B5"));
    EXPECT_EQ(box(started.form.live.shpPrint), QRectF(5, 5, 247, 172));
}

TEST(PaperLayout, DefaultPrintAreaMasksCoverTheFrameOutsideIt)
{
    StartedForm started;
    subSetPaper(started.form, QStringLiteral("A4"));
    subResetPrintArea(started.form);
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
