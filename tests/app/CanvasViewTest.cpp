// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShownWindow.h"
#include "annotations/EditTarget.h"
#include "app/MainWindow.h"
#include "app/frmMain.h"
#include "app/QtPlatform.h"
#include "app/CanvasView.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>

namespace {

// The real window on the desktop's platform, 1000 x 700.
struct ShownCanvas : ShownWindow
{
    ShownCanvas() : ShownWindow(QSize(1000, 700)) {}

    void useTool(const char *item)
    {
        EXPECT_TRUE(form.runCommand(QLatin1String(item)));
        window->syncFromModel();
    }

    void press(QPointF mm) { send(QEvent::MouseButtonPress, mm, Qt::LeftButton, Qt::LeftButton); }
    void moveHeld(QPointF mm) { send(QEvent::MouseMove, mm, Qt::NoButton, Qt::LeftButton); }
    void release(QPointF mm) { send(QEvent::MouseButtonRelease, mm, Qt::LeftButton, {}); }
    void rightClick(QPointF mm)
    {
        send(QEvent::MouseButtonPress, mm, Qt::RightButton, Qt::RightButton);
        send(QEvent::MouseButtonRelease, mm, Qt::RightButton, {});
    }
    // As Qt delivers a double-click: press, release, double-click, release.
    void doubleClick(QPointF mm)
    {
        press(mm);
        release(mm);
        send(QEvent::MouseButtonDblClick, mm, Qt::LeftButton, Qt::LeftButton);
        release(mm);
    }
};

// Answers the modal text prompts as a user would, one answer per prompt, and notes what each
// prompt showed.
struct PromptAnswerer
{
    std::deque<QString> answers;
    QStringList seen; // "title|label|start text"
    QTimer timer;

    explicit PromptAnswerer(std::deque<QString> texts) : answers(std::move(texts))
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!dialog || answers.empty())
                return;
            seen << dialog->windowTitle() + u'|' + dialog->labelText() + u'|'
                        + dialog->textValue();
            dialog->setTextValue(answers.front());
            answers.pop_front();
            dialog->accept();
        });
        timer.start();
    }
};

// Notes, each time a pop-up menu is open, which of the given items it offers enabled, then
// dismisses it as a user would.
struct PopupWatcher
{
    std::vector<std::vector<bool>> seen;
    QTimer timer;

    PopupWatcher(const QWidget &window, std::vector<QString> items)
    {
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this, &window, items] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            std::vector<bool> &enabled = seen.emplace_back();
            for (const QString &item : items)
                enabled.push_back(window.findChild<QAction *>(item)->isEnabled());
            menu->close();
        });
        timer.start();
    }
};

} // namespace

// The edit pop-up showed the enable states of the right-click before: after the style sample, a
// text label offered "複製" and "消去" grey, and the sample then offered them.
TEST(CanvasView, EditPopupOffersWhatTheObjectUnderThePointerAllows)
{
    ShownCanvas shown;
    shown.useTool("mnuToolCmnt");
    shown.press({30, 40});
    shown.release({30, 40});
    const AnnotationLabel &sample = shown.form.defaults.lblDefault;
    const QPointF onSample(sample.Left + 1, sample.Top + 1);
    const struct
    {
        QPointF at;
        const char *target;
        std::vector<bool> enabled; // mirror, duplicate, erase
    } rows[] = {
        {onSample, editkind::Defaults, {false, false, false}},
        {{31, 41}, editkind::TextLabel, {false, true, true}},
        {onSample, editkind::Defaults, {false, false, false}},
    };
    PopupWatcher popups(*shown.window, {QStringLiteral("popEditRev"), QStringLiteral("popEditDpp"),
                                        QStringLiteral("popEditDel")});
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        shown.rightClick(rows[i].at);
        ASSERT_EQ(popups.seen.size(), i + 1) << "one pop-up a right-click";
        EXPECT_EQ(shown.form.EditTarget.kind, QLatin1String(rows[i].target));
        EXPECT_EQ(popups.seen.back(), rows[i].enabled);
    }
}

TEST(CanvasView, DoubleClickOnATextLabelReachesItsPrompts)
{
    ShownCanvas shown;
    ASSERT_NE(shown.canvas, nullptr);
    shown.useTool("mnuToolCmnt");
    shown.press({30, 40});
    shown.release({30, 40});
    ASSERT_EQ(shown.form.annotations.lblMoji.UBound(), 1);

    PromptAnswerer user({QStringLiteral("クロダイ 45cm"), QStringLiteral("堤防の先端")});
    shown.doubleClick({31, 41});
    EXPECT_EQ(shown.form.annotations.lblMoji.UBound(), 1) << "the label took the clicks";
    ASSERT_EQ(user.seen.size(), 2);
    EXPECT_EQ(user.seen[0], QStringLiteral("文字列入力|表示文字列を入力してください|New  1"));
    EXPECT_TRUE(user.seen[1].startsWith(QStringLiteral("コメント入力|コメントを入力してください|")));
    const AnnotationLabel &label = shown.form.annotations.lblMoji[1];
    EXPECT_EQ(label.Caption, QStringLiteral("クロダイ 45cm"));
    EXPECT_EQ(label.ToolTipText, QStringLiteral("堤防の先端"));
}

TEST(CanvasView, ADragThatStartsOnALabelMovesIt)
{
    ShownCanvas shown;
    shown.useTool("mnuToolCmnt");
    shown.press({30, 40});
    shown.release({30, 40});
    const AnnotationLabel &label = shown.form.annotations.lblMoji[1];

    shown.press({31, 41});
    shown.moveHeld({45, 60});
    shown.moveHeld({61, 81}); // far outside where the label was: it still follows
    shown.release({61, 81});
    EXPECT_NEAR(label.Left, 60.0, 0.01);
    EXPECT_NEAR(label.Top, 80.0, 0.01);
    EXPECT_EQ(shown.form.annotations.lblMoji.UBound(), 1) << "no press reached the canvas";
}

TEST(CanvasView, ACanvasDragEndsOnTheCanvasEvenOverALabel)
{
    ShownCanvas shown;
    shown.useTool("mnuToolCmnt");
    shown.press({30, 40});
    shown.release({30, 40});
    shown.useTool("mnuToolLine");

    shown.press({100, 100});
    shown.moveHeld({31, 41});
    shown.release({31, 41}); // over the text label
    const auto &leaders = shown.form.annotations.lineHikidashi;
    ASSERT_EQ(leaders.UBound(), 1) << "the leader line was kept";
    EXPECT_NEAR(leaders[0].X2, 31.0, 0.01);
}

TEST(CanvasView, AMiddleButtonMoveLeavesAnOpenMeasurementAndEscEndsIt)
{
    ShownCanvas shown;
    shown.useTool("mnuToolMes");
    shown.press({20, 20});
    shown.release({20, 20});
    shown.send(QEvent::MouseMove, {60, 20}, Qt::NoButton, {});
    ASSERT_FLOAT_EQ(shown.form.live.lineDistance.X2, 60.0f);
    // Only the middle button held: that is a held button, and the line stays where it was.
    shown.send(QEvent::MouseMove, {90, 20}, Qt::NoButton, Qt::MiddleButton);
    EXPECT_FLOAT_EQ(shown.form.live.lineDistance.X2, 60.0f);

    QApplication::setActiveWindow(shown.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(shown.window.get()));
    QTest::keyClick(shown.canvas, Qt::Key_Escape);
    EXPECT_FALSE(shown.form.canvas.DimMeasuring);
    EXPECT_FALSE(shown.form.live.lineDistance.Visible);
}
