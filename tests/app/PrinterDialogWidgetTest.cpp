// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The print dialog on the desktop, clicked as a user clicks it.
#include "CalibratedBook.h"
#include "app/OutputCommands.h"
#include "output/PrinterDialogWidget.h"
#include "output/TilePreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

template <class T>
T *child(const QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// On the box and its caption: a check box stretched by its layout takes clicks there only.
void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

} // namespace

TEST(PrinterDialogWidget, BoxesFollowTheUserAndPrintWritesThePdfAndCloses)
{
    CalibratedBook book;
    ScriptedPlatform &platform = book.started.platform;
    platform.printers = {QStringLiteral("Laser")};
    platform.defaultPrinter = QStringLiteral("Laser");
    // The page is taken at 100 %: A3 holds it whole.
    platform.printerPage = platform.printerPaper = QSizeF(420, 297);
    frmMain &form = book.started.form;
    dlgPrinter model(platform,
                     {pageScene(form), paperSizeMm(form), QString(), form.process.settingsFile});
    model.Form_Load();
    PrinterDialogWidget dialog(model, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷"));
    QStringList frames;
    for (const QGroupBox *frame : dialog.findChildren<QGroupBox *>())
        frames << frame->title();
    EXPECT_EQ(frames, (QStringList{QStringLiteral("プリンタ"), QStringLiteral("カラー・モノクロ")}));
    auto *texts = child<QCheckBox>(dialog, "chkMoji");
    auto *dimensions = child<QCheckBox>(dialog, "chkSnpo");
    auto *comments = child<QCheckBox>(dialog, "chkComent");
    auto *printers = child<QComboBox>(dialog, "cmbPrinter");
    auto *properties = child<QPushButton>(dialog, "cmdPropaty");
    EXPECT_EQ(comments->text(), QStringLiteral("寸法コメントを印刷する"));
    EXPECT_TRUE(texts->isChecked());
    EXPECT_FALSE(comments->isEnabled());
    EXPECT_EQ(printers->currentText(), QStringLiteral("Laser"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "optColor1")->isChecked());

    click(dimensions);
    EXPECT_TRUE(comments->isEnabled());
    click(comments);
    EXPECT_TRUE(model.kinds().comments);
    click(dimensions);
    EXPECT_FALSE(comments->isChecked());
    EXPECT_FALSE(comments->isEnabled());
    EXPECT_FALSE(model.kinds().comments);
    click(child<QRadioButton>(dialog, "optColor0"));
    EXPECT_TRUE(model.monochrome);

    emit printers->textActivated(dlgPrinter::PdfFileEntry);
    EXPECT_FALSE(properties->isEnabled());
    auto *monochrome = child<QRadioButton>(dialog, "optColor0");
    EXPECT_FALSE(monochrome->isEnabled()) << "a PDF file keeps its colours";
    EXPECT_TRUE(child<QRadioButton>(dialog, "optColor1")->isChecked());
    emit printers->textActivated(QStringLiteral("Laser"));
    EXPECT_TRUE(monochrome->isEnabled());
    EXPECT_TRUE(monochrome->isChecked()) << "the printer's choice is kept";
    emit printers->textActivated(dlgPrinter::PdfFileEntry);
    const QString pdf = book.started.folder.filePath(QStringLiteral("dialog.pdf"));
    platform.fileAnswers.push_back(pdf);
    click(child<QPushButton>(dialog, "cmdPrint"));
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Slips caught: the size told not following the boxes or the choice; the own size offered when
// the text is large enough; the choice not reaching the preview of a print over sheets.
TEST(PrinterDialogWidget, TheSmallestTextSizeFollowsTheBoxesAndTheOwnSizeIsOfferedBelowSix)
{
    CalibratedBook book;
    ScriptedPlatform &platform = book.started.platform;
    platform.printers = {QStringLiteral("Laser")};
    platform.defaultPrinter = QStringLiteral("Laser");
    platform.printerPage = QSizeF(60, 40); // sheets for the print area
    std::optional<TextSize> previewed;
    platform.useTilePreview = [&previewed](TilePreview &preview) {
        previewed = preview.scene().textSize;
        return platform::TileChoice::Cancel;
    };
    frmMain &form = book.started.form;
    form.scale.GE_tpPtoD_r_X = form.scale.GE_tpPtoD_r_Y = 0.25; // H 22.5 pt, "10.0cm" 2.4
    const ActualSizePage page(form);
    dlgPrinter model(platform, {page.scene(), page.paperSizeMm(), QString(),
                                form.process.settingsFile});
    model.Form_Load();
    PrinterDialogWidget dialog(model, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto *size = child<QLabel>(dialog, "lblTextSize");
    auto *own = child<QCheckBox>(dialog, "chkOwnTextSize");
    EXPECT_TRUE(size->text().contains(QStringLiteral("最小 22.5 pt"))) << size->text().toStdString();
    EXPECT_FALSE(own->isVisible());
    click(child<QCheckBox>(dialog, "chkSnpo"));
    EXPECT_TRUE(size->text().contains(QStringLiteral("最小 2.4 pt"))) << size->text().toStdString();
    ASSERT_TRUE(own->isVisible());
    click(own);
    EXPECT_TRUE(model.chkOwnTextSize);
    EXPECT_TRUE(size->text().contains(QStringLiteral("最小 9.8 pt"))) << size->text().toStdString();
    click(child<QPushButton>(dialog, "cmdPrint"));
    EXPECT_EQ(previewed, TextSize::OwnPoints);
    click(child<QCheckBox>(dialog, "chkMoji"));
    click(child<QCheckBox>(dialog, "chkSnpo"));
    EXPECT_FALSE(size->isVisible()) << "no text prints";
}
