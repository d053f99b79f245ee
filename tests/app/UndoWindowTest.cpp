// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Undo, redo and unsaved changes as the user meets them in the real window: the pointer on the
// canvas, the keys, the menus and the question before the window closes.
#include "ShownWindow.h"
#include "app/MainWindow.h"
#include "app/frmMain.h"
#include "app/QtPlatform.h"
#include "recordbook/RecordBook.h"
#include "app/RecordBookCommands.h"
#include "app/CanvasView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QStringList BookFiles = {"catch.ini", "catch_Text.Bin", "catch_Line.Bin", "catch_Shape.Bin"};

// A copy of the sample book open at 100 % in the shown window; the pointer is driven in canvas
// millimetres.
struct ShownBook : ShownWindow
{
    ShownBook()
        : ShownWindow(QSize(1000, 700), [](ShownWindow &shown) {
              const QDir sample(QStringLiteral(SAMPLE_BOOK_FOLDER));
              for (const QString &name : sample.entryList(QDir::Files))
                  EXPECT_TRUE(QFile::copy(sample.filePath(name), shown.folder.filePath(name)));
              openRecordBook(shown.form, shown.folder.filePath(QStringLiteral("catch.ini")));
          })
    {
        trigger("mnuDisp100");
    }

    void trigger(const char *item)
    {
        auto *action = window->findChild<QAction *>(QLatin1String(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }
    bool enabled(const char *item) const
    {
        return window->findChild<QAction *>(QLatin1String(item))->isEnabled();
    }

    void click(QPointF mm)
    {
        send(QEvent::MouseButtonPress, mm, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, mm, Qt::LeftButton, {});
    }
    void hover(QPointF mm) { send(QEvent::MouseMove, mm, Qt::NoButton, {}); }
    void drag(QPointF from, QPointF to)
    {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, {});
    }
    void keys(QKeyCombination combination)
    {
        QTest::keyClick(window.get(), combination.key(), combination.keyboardModifiers());
    }

    QByteArray files(const QString &in) const
    {
        QByteArray bytes;
        for (const QString &name : BookFiles) {
            QFile file(QDir(in).filePath(name));
            EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            bytes += file.readAll();
        }
        return bytes;
    }
};

// Answers the next message box by the text of one of its buttons.
void answerNextMessage(QTimer &user, const QString &button, QString *asked)
{
    user.setInterval(10);
    QObject::connect(&user, &QTimer::timeout, [&user, button, asked] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        user.stop();
        *asked = box->text();
        for (QAbstractButton *candidate : box->buttons()) {
            if (candidate->text() == button)
                candidate->click();
        }
    });
    user.start();
}

} // namespace

// Measure a dimension and keep it, drag its label, clear everything, undo three times and save:
// the saved book is the one from before the clearing, byte for byte.
TEST(UndoWindow, ThreeUndosAfterClearingAllSaveTheBookAsItWas)
{
    ShownBook shown;
    const QString title = QStringLiteral("CatchScale >゜)))彡");
    EXPECT_EQ(shown.window->windowTitle(), title);
    EXPECT_FALSE(shown.enabled("mnuEditUndo"));
    EXPECT_FALSE(shown.enabled("Toolbar1_undo"));

    shown.trigger("mnuToolMes");
    shown.form.menus[QStringLiteral("popMesPutSen")].checked = true;
    shown.click({40, 50});
    shown.hover({120, 90});
    shown.click({120, 90});
    ASSERT_EQ(shown.form.annotations.dimensionCount(), 2) << "the dimension was kept";
    const AnnotationLabel &label = shown.form.annotations.lblKyori[1];
    const QPointF grab(label.Left + 1, label.Top + 1);
    shown.drag(grab, grab + QPointF(25, 30));
    EXPECT_NEAR(label.Left, grab.x() + 24, 0.01);
    EXPECT_EQ(shown.form.document.history().undoCount(), 2u) << "a drag is one step";
    EXPECT_TRUE(shown.window->isWindowModified());
    EXPECT_EQ(shown.window->windowTitle(), title + QStringLiteral("[*]"));
    EXPECT_TRUE(shown.enabled("mnuEditUndo"));
    EXPECT_TRUE(shown.enabled("Toolbar1_undo"));

    const QString expected = shown.folder.filePath(QStringLiteral("expected"));
    QDir().mkpath(expected);
    ASSERT_FALSE(subSaveRecordBook(expected, QStringLiteral("catch.ini"),
                                   shown.form.recordBook.pictureFileName, shown.form.scale,
                                   shown.form.annotations, std::nullopt));

    shown.trigger("popMesObjDel");
    shown.trigger("popHkdSenAllClr");
    shown.trigger("popMojiAllClr");
    ASSERT_EQ(shown.form.annotations.dimensionCount(), 0);
    QApplication::setActiveWindow(shown.window.get());
    for (int i = 0; i < 3; ++i)
        shown.keys(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(shown.form.annotations.dimensionCount(), 2);
    EXPECT_TRUE(shown.enabled("mnuEditRedo"));

    shown.trigger("mnuFileSavePrj");
    EXPECT_EQ(shown.files(shown.folder.path()), shown.files(expected));
    EXPECT_FALSE(shown.window->isWindowModified());
    EXPECT_EQ(shown.window->windowTitle(), title);

    // Both redo keys go forward again, clearing the dimensions and the leader lines once more.
    shown.keys(Qt::CTRL | Qt::Key_Y);
    shown.keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(shown.form.annotations.dimensionCount(), 0);
    EXPECT_EQ(shown.form.annotations.lineHikidashi.UBound(), 0);
    EXPECT_TRUE(shown.window->isWindowModified());
}

// Closing the window asks only with unsaved changes; "キャンセル" keeps it open.
TEST(UndoWindow, ClosingWithChangesAsksAndCancelKeepsTheWindow)
{
    struct Row
    {
        bool changed;
        const char *answer;
        bool closes;
    };
    const Row rows[] = {
        {false, nullptr, true},
        {true, "キャンセル", false},
        {true, "保存しない", true},
    };
    for (const Row &row : rows) {
        ShownBook shown;
        if (row.changed)
            shown.trigger("popMesHj05");
        QString asked;
        QTimer user;
        if (row.answer)
            answerNextMessage(user, QString::fromUtf8(row.answer), &asked);
        EXPECT_EQ(shown.window->close(), row.closes) << row.answer;
        EXPECT_EQ(asked, row.answer ? QStringLiteral("変更を保存しますか?") : QString());
    }
}
