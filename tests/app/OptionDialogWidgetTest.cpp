// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMain.h"
#include "measure/OptionDialogWidget.h"
#include "app/ScaleOptionCommand.h"
#include "measure/frmOption.h"
#include "ScriptedPlatform.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The scripted platform, hosting the dialog window as the desktop's platform does.
struct HostingPlatform : ScriptedPlatform
{
    QWidget *mainWindow = nullptr;

    void showOptionDialog(frmOption &dialog) override
    {
        ScriptedPlatform::showOptionDialog(dialog);
        hostOptionDialog(mainWindow, &dialog);
    }
    void closeOptionDialog() override
    {
        ScriptedPlatform::closeOptionDialog();
        hostOptionDialog(mainWindow, nullptr);
    }
};

struct DialogWindow : ::testing::Test
{
    QTemporaryDir folder;
    QWidget mainWindow;
    HostingPlatform platform;
    ProcessState process;
    frmMain form{process, platform};

    void SetUp() override
    {
        platform.mainWindow = &mainWindow;
        form.Form_Load({folder.path(), QSize(1920, 1080)});
        mainWindow.resize(800, 600);
        mainWindow.show();
        mainWindow.activateWindow();
        ASSERT_TRUE(isActive(&mainWindow));
        mnuToolOpt_Click(form);
        ASSERT_TRUE(window());
        // The dialog window takes over from the main window and its first box gets the focus.
        ASSERT_TRUE(isActive(window()));
    }

    // The platform reports a window active before the application has taken notice of it.
    static bool isActive(QWidget *w)
    {
        return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; });
    }
    QWidget *window() { return mainWindow.findChild<QWidget *>(QStringLiteral("frmOption")); }
    QLineEdit *box(int i)
    {
        return window()->findChild<QLineEdit *>(QStringLiteral("txtXY(%1)").arg(i));
    }
    QString ratioShown()
    {
        return window()->findChild<QLabel *>(QStringLiteral("lblRecio"))->text();
    }
    void click(const char *button)
    {
        QTest::mouseClick(window()->findChild<QPushButton *>(QLatin1String(button)),
                          Qt::LeftButton);
    }
    void typeInto(int i, const QString &text)
    {
        box(i)->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(box(i), text);
    }
};

} // namespace

TEST_F(DialogWindow, ShowsTheModelAboveTheMainWindow)
{
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("オプション"));
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->parentWidget(), &mainWindow);
    EXPECT_EQ(window()->windowType(), Qt::Tool);
    const char *expected[] = {"50", "5", "150", "5", "100", "100"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(box(i)->text(), QLatin1String(expected[i])) << i;
    EXPECT_EQ(ratioShown(), QStringLiteral("1.0"));
    EXPECT_EQ(form.optionDialog->ActiveBox, 0) << "the first box has the focus";
    EXPECT_EQ(window()->findChild<QLabel *>(QStringLiteral("lblUnit"))->text(),
              QStringLiteral("mm "));
}

TEST_F(DialogWindow, TypingAndMovingOnGoesThroughTheModel)
{
    typeInto(3, QStringLiteral("105")); // the focus selected the old text, typing replaces it
    EXPECT_EQ(form.optionDialog->txtXY[3], QStringLiteral("105"));
    typeInto(2, QStringLiteral("abc"));
    EXPECT_EQ(box(4)->text(), QStringLiteral("141.4214"));
    box(5)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(box(2)->text(), QStringLiteral("0"));
    EXPECT_EQ(box(4)->text(), QStringLiteral("141.4214"));
}

// A click into a box put the caret under the pointer: typing 200 into "100" gave "100200", a
// ratio a thousand times off. The click that brings the focus selects the text, as the keyboard
// does; a click into the box that has the focus places the caret.
TEST_F(DialogWindow, AClickIntoABoxSelectsItsTextForTyping)
{
    QTest::mouseClick(box(5), Qt::LeftButton);
    EXPECT_EQ(box(5)->selectedText(), QStringLiteral("100"));
    QTest::keyClicks(box(5), QStringLiteral("200"));
    EXPECT_EQ(form.optionDialog->txtXY[5], QStringLiteral("200"));

    QTest::mouseClick(box(5), Qt::LeftButton, {}, QPoint(2, box(5)->height() / 2));
    EXPECT_FALSE(box(5)->hasSelectedText());
    EXPECT_EQ(box(5)->cursorPosition(), 0);

    click("cmdSettei");
    EXPECT_EQ(ratioShown(), QStringLiteral("2.0"));
}

TEST_F(DialogWindow, GoingToAnotherWindowChecksNothing)
{
    typeInto(2, QStringLiteral("abc"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box(2), &away);
    EXPECT_EQ(form.optionDialog->txtXY[2], QStringLiteral("abc"));
    EXPECT_EQ(form.optionDialog->ActiveBox, 2);
}

TEST_F(DialogWindow, EnterInTheLengthRowGoesBackToTheFirstBox)
{
    typeInto(4, QStringLiteral("80"));
    QTest::keyClick(box(4), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), box(0));
    EXPECT_EQ(box(0)->selectedText(), QStringLiteral("50"));
    EXPECT_EQ(box(4)->text(), QStringLiteral("80"));

    typeInto(1, QStringLiteral("x"));
    QTest::keyClick(box(1), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), box(1)) << "no number, no move";
}

TEST_F(DialogWindow, SetteiShowsTheNewRatio)
{
    typeInto(5, QStringLiteral("200"));
    click("cmdSettei");
    EXPECT_EQ(ratioShown(), QStringLiteral("2.0"));
    EXPECT_EQ(form.scale.GE_tpPtoD_r_X, 2.0);
}

TEST_F(DialogWindow, TheCanvasHandOverShowsInTheBoxes)
{
    form.live.lineDistance = {};
    form.live.lineDistance.X2 = 30;
    form.live.lineDistance.Y2 = 40;
    form.optionDialog->FillFromReferenceLine(50);
    EXPECT_EQ(box(2)->text(), QStringLiteral("30"));
    EXPECT_EQ(box(3)->text(), QStringLiteral("40"));
    EXPECT_EQ(box(4)->text(), QStringLiteral("50"));
}

TEST_F(DialogWindow, OkAndTheTitleBarCloseBothUnload)
{
    for (bool fromTitleBar : {false, true}) {
        QPointer<QWidget> shown = window();
        if (fromTitleBar)
            shown->close();
        else
            click("cmdOK");
        EXPECT_FALSE(form.optionDialog);
        EXPECT_FALSE(process.OptionDialogOpen);
        EXPECT_TRUE(form.menus[QStringLiteral("mnuToolMes")].checked);
        EXPECT_TRUE(form.menus[QStringLiteral("mnuEditSet")].enabled);
        EXPECT_FALSE(shown->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(shown);
        EXPECT_FALSE(window());
        mnuToolOpt_Click(form); // again, for the next round
        ASSERT_TRUE(window());
    }
}
