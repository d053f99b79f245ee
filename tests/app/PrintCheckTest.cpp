// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The printer self-check as a user goes through it: the check page printed as it is, the square
// measured and typed in, and every later print on that printer drawn larger or smaller by what
// was measured, across and down on their own.
#include "CalibratedBook.h"
#include "PageMeasure.h"

#include "output/PrintCorrectionSettings.h"
#include "output/PrintCheckDialog.h"
#include "output/PrintCheckPage.h"
#include "output/TilePreview.h"
#include "output/dlgPrinter.h"
#include "app/RecordBookCommands.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Book = CalibratedBook;

constexpr int Dpi = 508;
constexpr double PixelsPerMm = Dpi / 25.4;

// The middles of the dark runs along one row (or one column) of an image, in millimetres from
// its edge: where thin lines cross it.
std::vector<double> lineCentresMm(const QImage &image, bool alongRow, int index)
{
    std::vector<double> centres;
    const int length = alongRow ? image.width() : image.height();
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool dark =
            i < length && isDark(alongRow ? image.pixel(i, index) : image.pixel(index, i));
        if (dark && start < 0)
            start = i;
        if (!dark && start >= 0) {
            centres.push_back((start + i - 1) / 2.0 / PixelsPerMm);
            start = -1;
        }
    }
    return centres;
}

// From the first line crossed to the last.
double outerLinesApartMm(const QImage &image, bool alongRow)
{
    const auto centres =
        lineCentresMm(image, alongRow, (alongRow ? image.height() : image.width()) / 2);
    return centres.size() < 2 ? 0 : centres.back() - centres.front();
}

struct CheckedPrinters
{
    Book book;
    ScriptedPlatform &platform = book.started.platform;
    frmMain &form = book.started.form;

    CheckedPrinters()
    {
        platform.printers = {QStringLiteral("Laser"), QStringLiteral("Ink")};
        platform.defaultPrinter = QStringLiteral("Ink");
        platform.printerPdf = book.started.folder.filePath(QStringLiteral("printer.pdf"));
        // Opened afresh, the book lies on its A4 paper at actual size: its print area fits the
        // fake printer's A4 page.
        openRecordBook(form, book.iniPath);
    }

    // "印刷の実寸チェック" from the file menu: the printer picked, the square's sides typed in as
    // measured, OK.
    void measureAs(const QString &printer, const QString &across, const QString &down)
    {
        platform.usePrintCheckDialog = [&](PrintCheckDialog &dialog) {
            dialog.choosePrinter(printer);
            dialog.across = across;
            dialog.down = down;
            dialog.accept();
        };
        form.runCommand(QStringLiteral("mnuFilePrintCheck"));
    }

    // "印刷(&P)..." on that printer with dimensions and leader lines.
    void print(const QString &printer)
    {
        platform.usePrinterDialog = [&](dlgPrinter &dialog) {
            dialog.cmbPrinter_Click(printer);
            dialog.chkSnpo_Click(true);
            dialog.chkHikidashi = true;
            dialog.cmdPrint_Click();
        };
        form.runCommand(QStringLiteral("mnuFilePrint"));
    }
};

} // namespace

// 100 mm on a printer whose square measured 98.5 mm across and 97 mm down: drawn 100/98.5 and
// 100/97 times larger, the 100 mm dimension prints 101.52 mm long, and the 60 mm between the
// dimension line and the thin leader line print 61.86 mm. Axes swapped they would be 103.09 and
// 60.91 mm.
TEST(PrintCheck, ASquareMeasured98_5MmPrintsTheNextPage1_5PercentLargerAcrossAndItsOwnWayDown)
{
    CheckedPrinters printers;
    printers.measureAs(QStringLiteral("Laser"), QStringLiteral("98.5"), QStringLiteral("９７"));
    ASSERT_TRUE(printers.platform.messages.empty())
        << printers.platform.messageTexts().join(u'|').toStdString();
    printers.print(QStringLiteral("Laser"));
    ASSERT_TRUE(printers.platform.messages.empty())
        << printers.platform.messageTexts().join(u'|').toStdString();

    const double down = 100 / 97.0;
    const QString pdf = printers.platform.printerPdf;
    const QImage dimension = renderPdfPage(
        pdf, Dpi, QRectF(30, Book::DimensionY * down - 5, 125, 10));
    ASSERT_FALSE(dimension.isNull()) << "pdftoppm (poppler-utils) is needed";
    const auto left = markCentre(dimension, false, int(Book::MarkerDiameter * PixelsPerMm / 3));
    const auto right = markCentre(dimension, true, int(Book::MarkerDiameter * PixelsPerMm / 3));
    ASSERT_TRUE(left && right);
    EXPECT_NEAR((right->x() - left->x()) / PixelsPerMm, 101.52, 0.1);

    // A column between the dimension's ends crosses the dimension line and both leader lines.
    const QImage column = renderPdfPage(pdf, Dpi, QRectF(91, 50, 1, 85));
    const double apart = Book::ThinLeaderY - Book::DimensionY;
    EXPECT_NEAR(outerLinesApartMm(column, false), apart * down, 0.1);
}

// A standing sheet runs its x axis along the paper's short side, which the check page measured
// down, so its bar takes the correction down; a lying one takes the one across. The A4 print
// area goes on 6 lying sheets of 150 x 100 mm (8 standing), on 2 standing ones of 220 x 150 mm
// (4 lying).
TEST(PrintCheck, TheCheckBarOfATiledSheetShowsWhatTheCorrectionMakesOf100Mm)
{
    const struct
    {
        QSizeF page;
        bool landscape;
        double barMm; // 100 mm across, or down
    } cases[] = {{{150, 100}, true, 100 / 0.985}, {{220, 150}, false, 100 / 0.97}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.landscape ? "lying sheets" : "standing sheets");
        CheckedPrinters printers;
        printers.measureAs(QStringLiteral("Laser"), QStringLiteral("98.5"), QStringLiteral("97"));
        printers.platform.printerPage = c.page;
        std::optional<TilePlan> plan;
        printers.platform.useTilePreview = [&](TilePreview &preview) {
            plan = preview.plan();
            return platform::TileChoice::Tiles;
        };
        printers.print(QStringLiteral("Laser"));
        ASSERT_TRUE(plan);
        ASSERT_EQ(plan->landscape(), c.landscape);
        ASSERT_TRUE(printers.platform.messages.empty())
            << printers.platform.messageTexts().join(u'|').toStdString();

        const PrintScale scale = PrintCorrection{98.5, 97}.scale(!c.landscape);
        // The bar's end ticks reach 2 mm above it; 1 mm above, only they are crossed.
        const double right = plan->sheetMm.width() - 5;
        const double barY = plan->partSizeMm().height() + 10;
        const QImage ticks = renderPdfPage(
            printers.platform.printerPdf, Dpi,
            QRectF((right - 103) * scale.x, (barY - 1) * scale.y - 0.1, 106 * scale.x, 0.2));
        EXPECT_NEAR(outerLinesApartMm(ticks, true), c.barMm, 0.1);
    }
}

TEST(PrintCheck, TheCheckPageComesOutAsItIsWhateverTheCorrection)
{
    CheckedPrinters printers;
    printers.measureAs(QStringLiteral("Laser"), QStringLiteral("90"), QStringLiteral("110"));
    printers.platform.usePrintCheckDialog = [&](PrintCheckDialog &dialog) {
        EXPECT_EQ(dialog.printer, QStringLiteral("Ink")) << "the default printer first";
        dialog.choosePrinter(QStringLiteral("Laser"));
        EXPECT_EQ(dialog.across, QStringLiteral("90"));
        EXPECT_EQ(dialog.down, QStringLiteral("110"));
        dialog.printPage();
        dialog.cancel();
    };
    printers.form.runCommand(QStringLiteral("mnuFilePrintCheck"));
    ASSERT_TRUE(printers.platform.messages.empty())
        << printers.platform.messageTexts().join(u'|').toStdString();
    ASSERT_EQ(printers.platform.printRequests.size(), 1u);
    EXPECT_EQ(printers.platform.printRequests[0].name, QStringLiteral("Laser"));
    EXPECT_FALSE(printers.platform.printRequests[0].portrait);

    using namespace checkpage;
    const QString pdf = printers.platform.printerPdf;
    const QImage row = renderPdfPage(pdf, Dpi, QRectF(Left - 5, SquareTop + 75, 110, 0.5));
    const QImage column = renderPdfPage(pdf, Dpi, QRectF(Left + 75, SquareTop - 5, 0.5, 110));
    // 3.5 mm above the bar only the ticks each 10 mm, 4 mm long, are crossed.
    const QImage bar = renderPdfPage(pdf, Dpi, QRectF(Left - 5, BarY - 3.5, BarMm + 10, 0.5));
    EXPECT_NEAR(outerLinesApartMm(row, true), 100, 0.1);
    EXPECT_NEAR(outerLinesApartMm(column, false), 100, 0.1);
    EXPECT_NEAR(outerLinesApartMm(bar, true), 150, 0.1);
    EXPECT_EQ(lineCentresMm(bar, true, bar.height() / 2).size(), 16u);
}

// The whole page fits the printable part of an A5 sheet lying down: the bar with its sixteen
// long ticks, the square's right and bottom sides, and nothing cut off at the right or the bottom.
TEST(PrintCheck, TheCheckPageFitsAnA5SheetLyingDown)
{
    using namespace checkpage;
    const auto px = [](double mm) { return int(mm * PixelsPerMm); };
    QImage page(px(200), px(138), QImage::Format_Grayscale8);
    page.setDotsPerMeterX(qRound(PixelsPerMm * 1000)); // text at its printed size
    page.setDotsPerMeterY(qRound(PixelsPerMm * 1000));
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        renderPrintCheckPage(painter, PixelsPerMm, QStringLiteral("とても長い名前の A5 プリンタ"));
    }
    EXPECT_EQ(lineCentresMm(page, true, px(BarY - 3.5)).size(), 16u);
    EXPECT_TRUE(isDark(page.pixel(px(Left + 100), px(SquareTop + 50))));
    EXPECT_TRUE(isDark(page.pixel(px(Left + 50), px(SquareTop + 100))));
    const auto blank = [&page](QRect strip) {
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x)
                if (isDark(page.pixel(x, y)))
                    return false;
        return true;
    };
    EXPECT_TRUE(blank({page.width() - px(2), 0, px(2), page.height()})) << "cut off at the right";
    EXPECT_TRUE(blank({0, page.height() - px(2), page.width(), px(2)})) << "cut off at the bottom";
}

// Each way the check can go wrong is told, the dialog stays, and the correction in force is
// the one before.
TEST(PrintCheck, NonsenseAndFailuresAreToldAndTheCorrectionInForceStays)
{
    const struct
    {
        const char *across, *down; // as typed
        const char *told;
    } rows[] = {
        {"", "99", "正方形の横の長さを入力してください。"},
        {"99", "  ", "正方形の縦の長さを入力してください。"},
        {"約99", "99", "正方形の横に入力された「約99」は数ではありません。"},
        {"98,5", "99", "「98,5」は数ではありません。"},
        {"49.9", "99", "正方形の横に入力された 49.9 mm は、"},
        {"99", "150.1", "50～150 mm の長さを入力してください。"},
        {"nan", "99", "50～150 mm"},
        {"99", "inf", "50～150 mm"},
    };
    CheckedPrinters printers;
    const QString settings = printers.book.started.process.settingsFile;
    printers.measureAs(QStringLiteral("Laser"), QStringLiteral("99"), QStringLiteral("101"));
    const PrintCorrection before{99, 101};
    ASSERT_EQ(LoadPrintCorrection(settings, QStringLiteral("Laser")), before);
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.across) + " / " + row.down);
        printers.platform.messages.clear();
        PrintCheckDialog dialog(printers.platform, settings);
        int closes = 0;
        QObject::connect(&dialog, &PrintCheckDialog::closeRequested, [&] { ++closes; });
        dialog.load();
        dialog.choosePrinter(QStringLiteral("Laser"));
        dialog.across = QString::fromUtf8(row.across);
        dialog.down = QString::fromUtf8(row.down);
        dialog.accept();
        ASSERT_EQ(printers.platform.messages.size(), 1u);
        const QString text = printers.platform.messages[0].text;
        EXPECT_TRUE(text.contains(QString::fromUtf8(row.told))) << text.toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral("補正は前のままです。"))) << text.toStdString();
        EXPECT_EQ(closes, 0);
        EXPECT_EQ(LoadPrintCorrection(settings, QStringLiteral("Laser")), before);
    }

    // A settings file that cannot be written: told as the folder settings tell it.
    printers.platform.messages.clear();
    const QString blocked = printers.book.started.folder.filePath(QStringLiteral("blocked.ini"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    PrintCheckDialog unwritable(printers.platform, blocked);
    unwritable.load();
    unwritable.across = unwritable.down = QStringLiteral("99");
    unwritable.accept();
    unwritable.clearCorrection();
    ASSERT_EQ(printers.platform.messages.size(), 2u);
    for (const auto &message : printers.platform.messages) {
        EXPECT_TRUE(message.text.contains(
            QStringLiteral("理由：設定ファイルの名前でフォルダなど、ファイルでないものがあります。")))
            << message.text.toStdString();
    }

    // A printer that refuses the check page.
    printers.platform.messages.clear();
    printers.platform.printerError = QStringLiteral("印刷システム (CUPS) に接続できません。");
    PrintCheckDialog refused(printers.platform, settings);
    refused.load();
    refused.printPage();
    EXPECT_EQ(printers.platform.messageTexts(),
              QStringList{QStringLiteral("チェックページを印刷できませんでした。\r"
                                         "印刷システム (CUPS) に接続できません。")});
    EXPECT_EQ(printers.platform.busyDepth, 0);

    // "補正なしに戻す" acts at once, on the chosen printer only.
    printers.measureAs(QStringLiteral("Ink"), QStringLiteral("98"), QStringLiteral("98"));
    PrintCheckDialog cleared(printers.platform, settings);
    cleared.load();
    cleared.choosePrinter(QStringLiteral("Laser"));
    cleared.clearCorrection();
    EXPECT_EQ(cleared.across, QString());
    EXPECT_EQ(cleared.correctionInForce(), QStringLiteral("このプリンタは補正なしで印刷します。"));
    EXPECT_EQ(LoadPrintCorrection(settings, QStringLiteral("Laser")), std::nullopt);
    EXPECT_EQ(LoadPrintCorrection(settings, QStringLiteral("Ink")), (PrintCorrection{98, 98}));
}
