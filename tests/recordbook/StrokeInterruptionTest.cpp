// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A leader line half drawn when something else happens: a save, a right-click whose pop-up takes
// the release, New or Open. Nothing half drawn may reach the disk or stay on the canvas.
#include "GoldenBooks.h"
#include "StartedForm.h"
#include "measure/PointerEvents.h"
#include "app/RecordBookCommands.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

constexpr int Left = 1;
constexpr int Right = 2;
const QString SampleFolder = QStringLiteral(RECORDBOOK_TEST_DATA "/../../../data/sample");

// The sample book (one dimension, one leader line) copied where it may be saved over, open at
// actual size with the leader tool drawing new lines.
struct SampleInAStroke : StartedForm
{
    QString ini = folder.filePath(QStringLiteral("catch.ini"));

    SampleInAStroke()
    {
        for (const QString &name : QDir(SampleFolder).entryList(QDir::Files))
            EXPECT_TRUE(QFile::copy(SampleFolder + u'/' + name, folder.filePath(name)));
        openRecordBook(form, ini);
        EXPECT_TRUE(form.runCommand(QStringLiteral("mnuToolLine")));
        // The left button goes down and the new line follows the pointer.
        pictMap_MouseDown(form.measuring, Left, 40, 40);
        pictMap_MouseMove(form.measuring, Left, 90, 70);
        EXPECT_TRUE(form.annotations.lineHikidashi.spare().Visible);
    }

    RecordBookContent reread()
    {
        RecordBookContent content;
        const RecordBookLoadResult loaded = subLoadRecordBook(ini, QString(), content);
        EXPECT_FALSE(loaded.error);
        EXPECT_TRUE(loaded.lineFile.complete);
        return content;
    }
};

} // namespace

TEST(StrokeInterruption, ASaveOrRightClickMidStrokeStoresTheBookWithoutTheHalfDrawnLine)
{
    struct Road
    {
        const char *what;
        void (*interrupt)(SampleInAStroke &);
        bool dropsAtOnce;
    };
    const Road roads[] = {
        {"Ctrl+S with the button held", [](SampleInAStroke &) {}, false},
        {"a right-click whose pop-up takes the release",
         [](SampleInAStroke &book) {
             book.platform.popupChoices.push_back(QString()); // dismissed
             pictMap_MouseDown(book.form.measuring, Right, 90, 70);
         },
         true},
    };
    for (const Road &road : roads) {
        SampleInAStroke book;
        road.interrupt(book);
        EXPECT_EQ(book.form.annotations.lineHikidashi.spare().Visible, !road.dropsAtOnce)
            << road.what;
        book.form.runCommand(QStringLiteral("mnuFileSavePrj"));
        EXPECT_TRUE(book.platform.messages.empty()) << road.what;
        const RecordBookContent saved = book.reread();
        EXPECT_EQ(saved.annotations.lineHikidashi.UBound(), 1) << road.what;
        EXPECT_EQ(saved.annotations.dimensionCount(), 1) << road.what;
        EXPECT_EQ(saved.annotations.lblMoji.UBound(), 9) << road.what;

        // A release that still comes finishes nothing.
        pictMap_MouseUp(book.form.measuring, Left, 120, 80);
        EXPECT_EQ(book.form.annotations.lineHikidashi.UBound(), 1) << road.what;
        QString why;
        EXPECT_TRUE(book.form.annotations.invariantsHold(&why)) << road.what << why.toStdString();
    }
}

TEST(StrokeInterruption, TheWriterStoresAVisibleSpareHidden)
{
    SampleInAStroke book;
    // Straight to the writer, with the spare still shown: it is stored as the hidden end.
    ASSERT_FALSE(subSaveRecordBook(book.folder.path() + u'/', QStringLiteral("catch.ini"),
                                   QStringLiteral("catch.jpg"), book.form.scale,
                                   book.form.annotations, std::nullopt));
    const RecordBookContent saved = book.reread();
    EXPECT_EQ(saved.annotations.lineHikidashi.UBound(), 1);
    EXPECT_EQ(saved.annotations.dimensionCount(), 1);
}

TEST(StrokeInterruption, NewAndOpenLeaveNoHalfDrawnLineBehind)
{
    for (const bool open : {true, false}) {
        SampleInAStroke book;
        if (open) {
            openRecordBook(book.form, book.ini);
        } else {
            book.platform.messageAnswers.push_back(platform::MessageAnswer::No);
            newRecordBook(book.form, book.folder.filePath(QStringLiteral("catch.jpg")));
        }
        EXPECT_FALSE(book.form.annotations.lineHikidashi.spare().Visible) << open;
        pictMap_MouseUp(book.form.measuring, Left, 120, 80);
        EXPECT_EQ(book.form.annotations.lineHikidashi.UBound(), open ? 1 : 0) << open;
    }
}
