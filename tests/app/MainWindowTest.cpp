// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownWindow.h"
#include "annotations/EditTarget.h"
#include "app/MainWindow.h"
#include "app/ScreenCheckDialog.h"
#include "app/ScreenScale.h"
#include "app/frmMain.h"
#include "platform/ProfileFile.h"
#include "app/QtPlatform.h"
#include "app/Zoom.h"
#include "document/ScaleModel.h"

#include <QAction>
#include <QApplication>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

QStringList visibleCaptions(const QList<QAction *> &actions)
{
    QStringList captions;
    for (const QAction *action : actions) {
        if (action->isVisible() && !action->isSeparator())
            captions << action->text();
    }
    return captions;
}

} // namespace

TEST(MainWindow, MenuBarMirrorsTheModel)
{
    ShownWindow shown;
    EXPECT_EQ(shown.window->windowTitle(), QStringLiteral("CatchScale >゜)))彡"));
    EXPECT_EQ(visibleCaptions(shown.window->menuBar()->actions()),
              QStringList({"ﾌｧｲﾙ(&F)", "編集(&E)", "表示(&V)", "ﾂｰﾙ(&T)", "ヘルプ(&H)"}));
    auto *file = shown.window->findChild<QMenu *>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(visibleCaptions(file->actions()),
              QStringList({"新しい記録帳の作成(&N)...", "記録帳を開く(&O)", "記録帳の上書き保存(&S)",
                           "名前を付けて保存...", "ビットマップファイルへ保存",
                           "画像へ書き出し（PNG・JPEG）...", "CSV へ書き出し...", "用紙サイズ....",
                           "印刷(&P)...", "印刷の実寸チェック", "終了(&X)"}));
    auto *save = shown.window->findChild<QAction *>(QStringLiteral("mnuFileSavePrj"));
    ASSERT_NE(save, nullptr);
    EXPECT_FALSE(save->isEnabled());
    auto *measure = shown.window->findChild<QAction *>(QStringLiteral("mnuToolMes"));
    ASSERT_NE(measure, nullptr);
    EXPECT_TRUE(measure->isChecked());
    EXPECT_NE(shown.window->popupMenu(QStringLiteral("popEdit")), nullptr);
}

TEST(MainWindow, CommandChangesReachTheActions)
{
    ShownWindow shown;
    shown.form.menus[QStringLiteral("mnuFileSavePrj")].enabled = true;
    shown.form.menus[QStringLiteral("mnuToolMes")].checked = false;
    shown.window->syncFromModel();
    EXPECT_TRUE(shown.window->findChild<QAction *>(QStringLiteral("mnuFileSavePrj"))->isEnabled());
    EXPECT_FALSE(shown.window->findChild<QAction *>(QStringLiteral("mnuToolMes"))->isChecked());
}

TEST(MainWindow, ExitActionEndsTheProgram)
{
    ShownWindow shown;
    int unloads = 0;
    QObject::connect(&shown.form, &frmMain::unloadRequested, [&] { ++unloads; });
    auto *exit = shown.window->findChild<QAction *>(QStringLiteral("mnuFileEnd"));
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    exit->trigger();
    EXPECT_EQ(unloads, 1);
}

TEST(MainWindow, PopupSubmenusFollowTheMenuTree)
{
    ShownWindow shown;
    QMenu *edit = shown.window->popupMenu(QStringLiteral("popEdit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(visibleCaptions(edit->actions()),
              QStringList({"測定線の反対側へ移動", "文字", "線の幅", "線の種類", "線の色....", "複製",
                           "消去"}));
    auto *text = edit->findChild<QMenu *>(QStringLiteral("popEditColor"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(visibleCaptions(text->actions()),
              QStringList({"前景色....", "背景色....", "背景スタイル", "境界", "フォント...."}));
}

// OK in the untouched font dialog turned the style sample's "ＭＳ Ｐゴシック" 9.75 into the
// dialog's fallback face "Sans Serif": the dialog lists installed families only. It opens on
// the installed face of the stored name, and OK alone leaves the stored font as it was.
TEST(MainWindow, FontDialogOpensOnTheInstalledFaceAndOkAloneKeepsTheFont)
{
    ShownWindow shown;
    const AnnotationLabel &sample = shown.form.defaults.lblDefault;
    ASSERT_EQ(sample.FontName, QStringLiteral("ＭＳ Ｐゴシック"));
    ASSERT_FLOAT_EQ(sample.FontSize, 9.75f);
    shown.form.EditTarget = {QLatin1String(editkind::Defaults), 0};
    QFont opened;
    QTimer user;
    user.setInterval(10);
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget())) {
            opened = dialog->currentFont();
            dialog->accept();
        }
    });
    user.start();

    shown.window->findChild<QAction *>(QStringLiteral("popEditFont"))->trigger();

    EXPECT_EQ(opened.family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(opened.pointSize(), 10) << "the dialog's whole points";
    EXPECT_EQ(sample.FontName, QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_FLOAT_EQ(sample.FontSize, 9.75f);
}

// The canvas holds the keyboard focus from the start and takes it back with a click, so a menu
// used from the keyboard hands the focus back to it: the menu bar left with the focus would
// open a menu at a plain letter ("e", then Return, undid the last step).
TEST(MainWindow, TheCanvasHoldsTheKeyboardFocus)
{
    ShownWindow shown;
    shown.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown.window.get()));
    EXPECT_EQ(QApplication::focusWidget(), shown.canvas) << "at start";
    shown.window->menuBar()->setFocus();
    QTest::mouseClick(shown.canvas, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(QApplication::focusWidget(), shown.canvas) << "after a click on the canvas";
}

// The readout beside the toolbar follows every way of zooming: the toolbar, the menu and
// Ctrl + wheel over the canvas, which zooms one toolbar step a notch.
TEST(MainWindow, ZoomReadoutFollowsEveryZoom)
{
    ShownWindow shown;
    shown.form.pictOrg = QImage(1600, 1200, QImage::Format_RGB32);
    shown.form.pictOrg.fill(Qt::white);
    SetRatio(shown.form.scale, 300, 300); // calibrated at one to one
    shown.window->findChild<QAction *>(QStringLiteral("mnuDisp100"))->trigger();
    auto *readout = shown.window->findChild<QLabel *>(QStringLiteral("lblZoom"));
    ASSERT_NE(readout, nullptr);
    EXPECT_EQ(readout->text(), QStringLiteral("100 %  原寸大"));

    shown.window->findChild<QAction *>(QStringLiteral("Toolbar1_magnify"))->trigger();
    EXPECT_EQ(readout->text(), QStringLiteral("110 %"));
    shown.window->findChild<QAction *>(QStringLiteral("mnuDisp25"))->trigger();
    EXPECT_EQ(readout->text(), QStringLiteral("25 %"));

    auto *canvas = shown.window->findChild<QWidget *>(QStringLiteral("pictWindow"));
    const QPointF at(200, 150);
    QWheelEvent notch(at, canvas->mapToGlobal(at), {}, QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(canvas, &notch);
    EXPECT_EQ(readout->text(), QStringLiteral("35 %"));

    auto *fit = shown.window->findChild<QAction *>(QStringLiteral("Toolbar1_fit"));
    ASSERT_NE(fit, nullptr);
    EXPECT_EQ(fit->toolTip(), QStringLiteral("画面に合わせる"));
    fit->trigger();
    EXPECT_FALSE(shown.form.view.hscX.Visible || shown.form.view.vscY.Visible);
    EXPECT_EQ(readout->text(), zoomReadout(shown.form));
}

// "フォルダ設定" from the tools menu opens the dialog with its captions; what is typed into a
// box is saved with OK.
TEST(MainWindow, FolderSettingsDialogSavesATypedFolder)
{
    ShownWindow shown;
    QStringList captions;
    QTimer user;
    user.setInterval(10);
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != QLatin1String("dlgFolda"))
            return;
        user.stop();
        captions << dialog->windowTitle();
        for (const QLabel *label : dialog->findChildren<QLabel *>())
            captions << label->text();
        for (const QPushButton *button : dialog->findChildren<QPushButton *>())
            captions << button->objectName() + u'=' + button->text();
        auto *box = dialog->findChild<QLineEdit *>(QStringLiteral("txtZumen"));
        box->clear();
        QTest::keyClicks(box, QStringLiteral("/srv/catch 2024"));
        dialog->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    user.start();

    shown.window->findChild<QAction *>(QStringLiteral("mnuToolFolda"))->trigger();

    EXPECT_EQ(captions, QStringList({"フォルダ設定", "画像ファイル・フォルダ", "記録帳フォルダ",
                                     "cmdSansyou(0)=参照", "cmdSansyou(1)=参照", "OKButton=OK",
                                     "CancelButton=ｷｬﾝｾﾙ"}));
    EXPECT_EQ(shown.process.RecordBookFolder, QStringLiteral("/srv/catch 2024"));
    EXPECT_EQ(ReadSetting(QStringLiteral("フォルダPath"), QStringLiteral("PRJ_FD"),
                          shown.process.settingsFile),
              QStringLiteral("/srv/catch 2024"));
}

// "画面の実寸合わせ": the rectangle is dragged by its corner handle and widened with Shift+Right;
// OK keeps the screen's pixels per millimetre in Init.ini.
TEST(MainWindow, ScreenCheckDialogDragsAndNudgesTheCard)
{
    ShownWindow shown;
    const platform::ScreenInfo screen = shown.platform.currentScreen();
    const platform::PixelsPerMm reported = reportedPixelsPerMm(screen);
    const QSize start(int(std::lround(reported.across * ScreenCheckDialog::CardWidthMm)),
                      int(std::lround(reported.down * ScreenCheckDialog::CardHeightMm)));
    bool opened = false;
    QTimer user;
    user.setInterval(10);
    QObject::connect(&user, &QTimer::timeout, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != QLatin1String("dlgScreenCheck"))
            return;
        user.stop();
        QWidget *card = dialog->findChild<QWidget *>(QStringLiteral("picCard"));
        // The rectangle's corner lies 16 pixels in from the area's, plus its size.
        const QPoint corner = QPoint(16, 16) + QPoint(start.width(), start.height());
        const QPoint grab = corner - QPoint(3, 3);
        QTest::mousePress(card, Qt::LeftButton, {}, grab);
        QTest::mouseMove(card, grab + QPoint(20, 10));
        QTest::mouseRelease(card, Qt::LeftButton, {}, grab + QPoint(20, 10));
        QTest::keyClick(card, Qt::Key_Right, Qt::ShiftModifier);
        opened = true;
        dialog->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
    });
    user.start();

    shown.window->findChild<QAction *>(QStringLiteral("mnuDispScreenCheck"))->trigger();

    ASSERT_TRUE(opened);
    // Dragged 20 across and 10 down, then ten more across.
    const QString stored =
        pixelsPerMmText({(start.width() + 30) / ScreenCheckDialog::CardWidthMm,
                         (start.height() + 10) / ScreenCheckDialog::CardHeightMm});
    EXPECT_EQ(ReadSetting(QStringLiteral("画面の実寸"), screenSettingsKey(screen),
                          shown.process.settingsFile),
              stored);
}
