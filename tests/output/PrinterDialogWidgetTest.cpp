// The print dialog on the desktop, clicked as a user clicks it.
#include "CalibratedBook.h"
#include "output/OutputCommands.h"
#include "output/PrinterDialogWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
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
    const QString pdf = book.started.folder.filePath(QStringLiteral("dialog.pdf"));
    platform.fileAnswers.push_back(pdf);
    click(child<QPushButton>(dialog, "cmdPrint"));
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
