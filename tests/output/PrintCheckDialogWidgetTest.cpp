// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The printer self-check on the desktop, typed into as a user types.
#include "StartedForm.h"
#include "output/PrintCorrectionSettings.h"
#include "output/PrintCheckDialogWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(PrintCheckDialogWidget, BoxesShowTheChosenPrintersCorrectionAndOkKeepsWhatWasTyped)
{
    StartedForm started;
    ScriptedPlatform &platform = started.platform;
    platform.printers = {QStringLiteral("Laser"), QStringLiteral("Ink")};
    platform.defaultPrinter = QStringLiteral("Laser");
    const QString settings = started.process.settingsFile;
    ASSERT_TRUE(SavePrintCorrection(settings, QStringLiteral("Ink"), {99, 101}));
    PrintCheckDialog model(platform, settings);
    model.load();
    PrintCheckDialogWidget dialog(model, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷の実寸チェック"));

    auto *printers = dialog.findChild<QComboBox *>(QStringLiteral("cmbPrinter"));
    auto *across = dialog.findChild<QLineEdit *>(QStringLiteral("txtAcross"));
    auto *down = dialog.findChild<QLineEdit *>(QStringLiteral("txtDown"));
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("OKButton"));
    ASSERT_TRUE(printers && across && down && ok);
    EXPECT_EQ(printers->currentText(), QStringLiteral("Laser"));
    EXPECT_EQ(across->text(), QString());

    emit printers->textActivated(QStringLiteral("Ink"));
    EXPECT_EQ(across->text(), QStringLiteral("99"));
    EXPECT_EQ(down->text(), QStringLiteral("101"));
    across->clear();
    QTest::keyClicks(across, QStringLiteral("98.5"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(LoadPrintCorrection(settings, QStringLiteral("Ink")), (PrintCorrection{98.5, 101}));
    EXPECT_TRUE(platform.messages.empty());
}
