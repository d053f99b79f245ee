// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog as the user meets it: the printers offered, the boxes' rules, and what each
// way of printing or failing to print does.
#include "CalibratedBook.h"
#include "PageMeasure.h"

#include "app/OutputCommands.h"
#include "output/TilePreview.h"
#include "output/dlgPrinter.h"
#include "app/RecordBookCommands.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

struct OpenDialog
{
    CalibratedBook book;
    ScriptedPlatform &platform = book.started.platform;
    std::unique_ptr<dlgPrinter> dialog;
    int closes = 0;

    explicit OpenDialog(QStringList printers = {QStringLiteral("Laser"), QStringLiteral("Ink")},
                        QString defaultPrinter = QStringLiteral("Ink"), bool colour = false,
                        bool printSystemUp = true)
    {
        platform.printers = printers;
        platform.printSystemUp = printSystemUp;
        platform.defaultPrinter = defaultPrinter;
        platform.printerColor = colour;
        platform.printerPdf = book.started.folder.filePath(QStringLiteral("printer.pdf"));
        // The page is taken at 100 %, where the print area is larger than at actual size: an A3
        // page holds it whole.
        platform.printerPage = platform.printerPaper = QSizeF(420, 297);
        frmMain &form = book.started.form;
        dialog = std::make_unique<dlgPrinter>(
            platform, dlgPrinter::Page{pageScene(form), paperSizeMm(form), QString(),
                                       form.process.settingsFile});
        QObject::connect(dialog.get(), &dlgPrinter::closeRequested, [this] { ++closes; });
        dialog->Form_Load();
    }
};

} // namespace

TEST(PrinterDialog, OpensOnTheDefaultPrinterWithItsColourModeAndThePdfTargetLast)
{
    OpenDialog open;
    const dlgPrinter &dialog = *open.dialog;
    EXPECT_EQ(dialog.cmbPrinter, (QStringList{QStringLiteral("Laser"), QStringLiteral("Ink"),
                                              QStringLiteral("PDF ファイル...")}));
    EXPECT_EQ(dialog.SelectedPrinter, QStringLiteral("Ink"));
    EXPECT_TRUE(dialog.monochrome);
    EXPECT_EQ(dialog.kinds(), (PageKinds{false, false, false, true}));
    EXPECT_FALSE(dialog.chkComentEnabled);

    OpenDialog colour({QStringLiteral("Laser")}, QStringLiteral("Laser"), true);
    EXPECT_FALSE(colour.dialog->monochrome);
}

TEST(PrinterDialog, TheCommentBoxFollowsTheDimensionBox)
{
    OpenDialog open;
    dlgPrinter &dialog = *open.dialog;
    dialog.chkSnpo_Click(true);
    EXPECT_TRUE(dialog.chkComentEnabled);
    EXPECT_FALSE(dialog.chkComent);
    dialog.chkComent = true;
    EXPECT_EQ(dialog.kinds(), (PageKinds{true, true, false, true}));
    dialog.chkSnpo_Click(false);
    EXPECT_FALSE(dialog.chkComentEnabled);
    EXPECT_FALSE(dialog.chkComent);
    dialog.chkSnpo_Click(true);
    EXPECT_FALSE(dialog.chkComent) << "checked again, the comment box starts unchecked";
    // Even if a comment box were left checked, no comment prints without dimensions.
    dialog.chkSnpo = false;
    dialog.chkComent = true;
    EXPECT_FALSE(dialog.kinds().comments);
}

TEST(PrinterDialog, PrintsOnTheChosenPrinterInTheChosenColourModeAndCloses)
{
    OpenDialog open;
    dlgPrinter &dialog = *open.dialog;
    dialog.cmbPrinter_Click(QStringLiteral("Laser"));
    dialog.monochrome = false;
    dialog.cmdPrint_Click();
    ASSERT_EQ(open.platform.printRequests.size(), 1u);
    EXPECT_EQ(open.platform.printRequests[0].name, QStringLiteral("Laser"));
    EXPECT_FALSE(open.platform.printRequests[0].monochrome);
    EXPECT_TRUE(QFile::exists(open.platform.printerPdf));
    EXPECT_TRUE(dialog.printed);
    EXPECT_EQ(open.closes, 1);
    EXPECT_TRUE(open.platform.messages.empty());
    EXPECT_EQ(open.platform.busyDepth, 0);
}

TEST(PrinterDialog, APrintThatCannotHappenIsToldAndTheDialogStaysForAnotherChoice)
{
    const QStringList laser{QStringLiteral("Laser")};
    struct Row
    {
        const char *what;
        QString chosen;
        QStringList printersAtPrint;
        bool printSystemUp;
        QString printerError;
        QString expected;
        size_t requests;
    };
    const Row rows[] = {
        {"every printer removed since opening", QStringLiteral("Laser"), {}, true, {},
         QStringLiteral("プリンタがインストールされていません。"), 0},
        {"print system stopped since opening", QStringLiteral("Laser"), {}, false, {},
         QStringLiteral("印刷システム (CUPS) に接続できません。"), 0},
        {"printer gone since opening", QStringLiteral("Ink"), laser, true, {},
         QStringLiteral("プリンタ「Ink」が見つかりません。"), 0},
        {"print system refuses", QStringLiteral("Laser"), laser, true,
         QStringLiteral("印刷システム (CUPS) に接続できません。"),
         QStringLiteral("印刷システム (CUPS) に接続できません。"), 1},
    };
    for (const Row &row : rows) {
        OpenDialog open(laser, laser[0]);
        open.platform.printers = row.printersAtPrint;
        open.platform.printSystemUp = row.printSystemUp;
        open.platform.printerError = row.printerError;
        open.dialog->cmbPrinter_Click(row.chosen);
        open.dialog->cmdPrint_Click();
        ASSERT_EQ(open.platform.messages.size(), 1u) << row.what;
        const QString text = open.platform.messages[0].text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("cmdPrint_Click():ｴﾗｰ番号 482 "))) << row.what;
        EXPECT_TRUE(text.contains(row.expected)) << row.what << ": " << text.toStdString();
        EXPECT_EQ(open.platform.printRequests.size(), row.requests) << row.what;
        EXPECT_FALSE(open.dialog->printed) << row.what;
        EXPECT_EQ(open.closes, 0) << row.what;
    }
}

// Slips caught: a stopped print system told as no printer installed; nothing chosen when only the
// PDF file can be printed to, or the PDF file chosen in monochrome.
TEST(PrinterDialog, WithoutPrintersThePdfFileIsChosenAndAStoppedPrintSystemIsTold)
{
    struct Row
    {
        const char *what;
        QStringList printers;
        bool printSystemUp;
        QString chosen;
        QString note;
    };
    const Row rows[] = {
        {"print system stopped", {}, false, dlgPrinter::PdfFileEntry,
         QStringLiteral("印刷システム (CUPS) に接続できません。")},
        {"no printer installed", {}, true, dlgPrinter::PdfFileEntry,
         QStringLiteral("プリンタがインストールされていません。")},
        {"a printer", {QStringLiteral("Laser")}, false, QStringLiteral("Laser"), {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        OpenDialog open(row.printers, row.printers.value(0), false, row.printSystemUp);
        dlgPrinter &dialog = *open.dialog;
        EXPECT_EQ(dialog.SelectedPrinter, row.chosen);
        EXPECT_EQ(dialog.printerNote, row.note);
        EXPECT_EQ(dialog.monochrome, !dialog.printsToPdf()); // the printer is monochrome
    }
}

// Slip caught: a print job the queue shows without a name.
TEST(PrinterDialog, PrintJobsAreNamedAfterTheRecordBookOrElseItsPicture)
{
    for (const bool saved : {true, false}) {
        SCOPED_TRACE(saved);
        CalibratedBook book;
        frmMain &form = book.started.form;
        ScriptedPlatform &platform = book.started.platform;
        if (!saved) {
            const QString picture = book.started.folder.filePath(QStringLiteral("madai.bmp"));
            ASSERT_TRUE(QFile::copy(book.started.folder.filePath(QStringLiteral("catch.bmp")),
                                    picture));
            platform.messageAnswers.push_back(platform::MessageAnswer::No); // no template
            newRecordBook(form, picture);
        }
        platform.printers = {QStringLiteral("Laser")};
        platform.defaultPrinter = QStringLiteral("Laser");
        platform.printerPdf = book.started.folder.filePath(QStringLiteral("printer.pdf"));
        platform.printerPage = QSizeF(1189, 841);
        platform.usePrinterDialog = [](dlgPrinter &dialog) { dialog.cmdPrint_Click(); };
        mnuFilePrint_Click(form);
        ASSERT_EQ(platform.printRequests.size(), 1u);
        EXPECT_EQ(platform.printRequests[0].jobName,
                  saved ? QStringLiteral("catch") : QStringLiteral("madai"));
    }
}

TEST(PrinterDialog, PdfTargetAsksForAFileAndCancelLeavesEverythingAsItWas)
{
    OpenDialog open;
    dlgPrinter &dialog = *open.dialog;
    dialog.cmbPrinter_Click(dlgPrinter::PdfFileEntry);
    dialog.cmdPropaty_Click();
    EXPECT_TRUE(open.platform.propertiesShown.empty()) << "a PDF file has no printer settings";

    open.platform.fileAnswers.push_back(std::nullopt);
    dialog.cmdPrint_Click();
    EXPECT_EQ(open.closes, 0);
    ASSERT_EQ(open.platform.fileDialogs.size(), 2u); // the book's save, then this one
    EXPECT_EQ(open.platform.fileDialogs[1].request.defaultExtension, QStringLiteral("pdf"));

    const QString pdf = open.book.started.folder.filePath(QStringLiteral("shop.pdf"));
    open.platform.fileAnswers.push_back(pdf);
    dialog.cmdPrint_Click();
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(open.platform.printRequests.empty());
    EXPECT_EQ(open.closes, 1);

    OpenDialog cancelled;
    cancelled.dialog->CancelButton_Click();
    EXPECT_EQ(cancelled.closes, 1);
    EXPECT_TRUE(cancelled.platform.printRequests.empty());
    EXPECT_FALSE(QFile::exists(cancelled.platform.printerPdf));
}

TEST(PrinterDialog, PropertiesOpenForTheNamedPrinterAndAFailureIsTold)
{
    OpenDialog open;
    open.dialog->cmbPrinter_Click(QStringLiteral("Laser"));
    open.dialog->cmdPropaty_Click();
    EXPECT_EQ(open.platform.propertiesShown, std::vector<QString>{QStringLiteral("Laser")});
    open.platform.propertiesError = QStringLiteral("プリンタ「Laser」が見つかりません。");
    open.dialog->cmdPropaty_Click();
    ASSERT_EQ(open.platform.messages.size(), 1u);
    EXPECT_TRUE(open.platform.messages[0].text.startsWith(
        QStringLiteral("cmdPropaty_Click():ｴﾗｰ番号 482 ")));
}

TEST(PrinterDialog, APrintAreaLargerThanThePageIsOfferedOverSeveralSheetsFirst)
{
    // The printer prints on 150 x 100 mm of its 160 x 110 mm paper; a PDF page is all paper.
    const QSizeF smallPage(150, 100), smallPaper(160, 110);
    const struct
    {
        const char *what;
        platform::TileChoice choice;
        bool toPdfFile;
        bool tiled;   // else one page, as before
        bool printed; // else the dialog stays for another choice
    } cases[] = {
        {"sheets on the printer", platform::TileChoice::Tiles, false, true, true},
        {"one page on the printer", platform::TileChoice::OnePage, false, false, true},
        {"back to the dialog", platform::TileChoice::Cancel, false, false, false},
        {"sheets in a PDF file", platform::TileChoice::Tiles, true, true, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        OpenDialog open;
        open.platform.printerPage = smallPage;
        open.platform.printerPaper = smallPaper;
        dlgPrinter &dialog = *open.dialog;
        const QString pdf = open.book.started.folder.filePath(QStringLiteral("sheets.pdf"));
        if (c.toPdfFile) {
            dialog.cmbPrinter_Click(dlgPrinter::PdfFileEntry);
            open.platform.fileAnswers.push_back(pdf);
        }
        std::optional<TilePlan> offered;
        open.platform.useTilePreview = [&](TilePreview &preview) {
            EXPECT_TRUE(preview.setOverlapMm(20));
            offered = preview.plan();
            return c.choice;
        };
        dialog.cmdPrint_Click();

        ASSERT_TRUE(offered);
        EXPECT_GT(offered->count(), 1);
        EXPECT_EQ(offered->overlapMm, 20) << "the overlap set in the preview is the one printed";
        EXPECT_EQ(open.closes, c.printed ? 1 : 0);
        const QString output = c.toPdfFile ? pdf : open.platform.printerPdf;
        EXPECT_EQ(QFile::exists(output), c.printed);
        if (c.printed) {
            EXPECT_EQ(pdfPageCount(output), c.tiled ? offered->count() : 1);
        }
        if (c.printed && c.tiled && c.toPdfFile) {
            const QSizeF pageMm = lyingDown(*pdfPageSizePoints(output) * 25.4 / 72);
            EXPECT_NEAR(pageMm.width(), smallPaper.width(), 0.5);
            EXPECT_NEAR(pageMm.height(), smallPaper.height(), 0.5);
        }
        if (c.printed && !c.toPdfFile) {
            EXPECT_EQ(open.platform.printRequests.back().portrait,
                      c.tiled && !offered->landscape());
        }
    }
}

TEST(PrinterDialog, SheetsTooManyAndAPdfPageTooLargeAreToldAndTheDialogStays)
{
    // Pages of 60 x 40 mm take about a hundred sheets, over 400 once they overlap 30 mm: the
    // preview keeps its overlap. Pages of 20 x 20 mm leave parts 6 mm high: no preview at all.
    OpenDialog fewer;
    fewer.platform.printerPage = QSizeF(60, 40);
    fewer.platform.useTilePreview = [](TilePreview &preview) {
        const qint64 sheets = preview.plan().count();
        EXPECT_LE(sheets, MostSheets);
        EXPECT_FALSE(preview.setOverlapMm(30));
        EXPECT_EQ(preview.plan().count(), sheets);
        return platform::TileChoice::Cancel;
    };
    fewer.dialog->cmdPrint_Click();
    OpenDialog many;
    many.platform.printerPage = QSizeF(20, 20);
    int previews = 0;
    many.platform.useTilePreview = [&](TilePreview &) {
        ++previews;
        return platform::TileChoice::Tiles;
    };
    many.dialog->cmdPrint_Click();
    EXPECT_EQ(previews, 0);

    // A page of 6 m, asked for in one piece.
    OpenDialog huge;
    frmMain &form = huge.book.started.form;
    huge.dialog = std::make_unique<dlgPrinter>(
        huge.platform, dlgPrinter::Page{pageScene(form), QSizeF(6000, 300), QString(), {}});
    QObject::connect(huge.dialog.get(), &dlgPrinter::closeRequested, [&huge] { ++huge.closes; });
    huge.dialog->Form_Load();
    huge.dialog->cmbPrinter_Click(dlgPrinter::PdfFileEntry);
    huge.platform.useTilePreview = [](TilePreview &) { return platform::TileChoice::OnePage; };
    huge.dialog->cmdPrint_Click();

    for (const auto &[open, said] : {std::pair{&many, "枚になります"}, {&huge, "大きすぎます"}}) {
        SCOPED_TRACE(said);
        ASSERT_EQ(open->platform.messages.size(), 1u);
        EXPECT_TRUE(open->platform.messages[0].text.contains(QString::fromUtf8(said)));
        EXPECT_TRUE(open->platform.printRequests.empty());
        EXPECT_EQ(open->closes, 0);
    }
    EXPECT_EQ(huge.platform.fileDialogs.size(), 1u) << "no PDF file is asked for";
}
