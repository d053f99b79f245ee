// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Quit, New and Open ask about unsaved changes, and only when there are some; the answer decides.
#include "OpenSample.h"
#include "annotations/LabelEvents.h"
#include "measure/PointerEvents.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;

enum class Road { Quit, New, Open };
enum class Change { None, Kept, Unsavable };

struct Row
{
    Road road;
    Change change;
    std::optional<MessageAnswer> answer; // none: no question is expected
    bool goesOn;
};

const char *roadName(Road road)
{
    switch (road) {
    case Road::Quit: return "quit";
    case Road::New: return "new";
    case Road::Open: return "open";
    }
    return "";
}

int questions(const ScriptedPlatform &platform)
{
    return int(std::count_if(platform.messages.begin(), platform.messages.end(),
                             [](const platform::MessageRequest &message) {
                                 return message.buttons == MessageButtons::SaveDiscardCancel
                                        && message.text == QStringLiteral("変更を保存しますか?");
                             }));
}

QByteArray savedText(const OpenSample &book)
{
    QFile file(book.folder.filePath(QStringLiteral("catch_Text.Bin")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

TEST(UnsavedChanges, AskOnlyWithChangesAndFollowTheAnswer)
{
    const Row rows[] = {
        {Road::Quit, Change::None, std::nullopt, true},
        {Road::New, Change::None, std::nullopt, true},
        {Road::Open, Change::None, std::nullopt, true},
        {Road::Quit, Change::Kept, MessageAnswer::Save, true},
        {Road::Quit, Change::Kept, MessageAnswer::Discard, true},
        {Road::Quit, Change::Kept, MessageAnswer::Cancel, false},
        {Road::New, Change::Kept, MessageAnswer::Save, true},
        {Road::New, Change::Kept, MessageAnswer::Discard, true},
        {Road::New, Change::Kept, MessageAnswer::Cancel, false},
        {Road::Open, Change::Kept, MessageAnswer::Save, true},
        {Road::Open, Change::Kept, MessageAnswer::Discard, true},
        {Road::Open, Change::Kept, MessageAnswer::Cancel, false},
        // A save that fails keeps the book and the changes.
        {Road::Quit, Change::Unsavable, MessageAnswer::Save, false},
        {Road::Open, Change::Unsavable, MessageAnswer::Save, false},
    };
    for (const Row &row : rows) {
        const std::string what = std::string(roadName(row.road)) + " change "
                                 + std::to_string(int(row.change)) + " answer "
                                 + std::to_string(row.answer ? int(*row.answer) : -1);
        OpenSample book;
        const QByteArray before = savedText(book);
        if (row.change != Change::None) {
            // A new text label placed on the canvas and captioned by a double-click.
            book.run("mnuToolCmnt");
            book.run("popMojiNew");
            pictMap_MouseDown(book.form.measuring, 1, 50, 60);
            pictMap_MouseUp(book.form.measuring, 1, 50, 60);
            book.platform.textAnswers = {QStringLiteral("真鯛"), QString()};
            labelDblClick(book.form.editing, LabelKind::Text,
                          book.form.annotations.lblMoji.UBound());
        }
        if (row.change == Change::Unsavable) // the book's folder went away
            book.form.recordBook.folder = book.folder.filePath(QStringLiteral("gone/"));
        ASSERT_EQ(book.form.document.isModified(), row.change != Change::None) << what;
        if (row.answer)
            book.platform.messageAnswers = {*row.answer};
        int unloads = 0;
        QObject::connect(&book.form, &frmMain::unloadRequested, [&] { ++unloads; });
        const auto dialogsBefore = book.platform.fileDialogs.size();
        book.platform.fileAnswers = {std::nullopt}; // New and Open go on to their file dialog
        switch (row.road) {
        case Road::Quit: book.run("mnuFileEnd"); break;
        case Road::New: book.run("mnuFileNewPrj"); break;
        case Road::Open: book.run("mnuFileOpenPrj"); break;
        }
        const bool wentOn = row.road == Road::Quit
                                ? unloads == 1
                                : book.platform.fileDialogs.size() > dialogsBefore;
        EXPECT_EQ(questions(book.platform), row.answer ? 1 : 0) << what;
        EXPECT_EQ(wentOn, row.goesOn) << what;
        const bool saved = row.answer == MessageAnswer::Save && row.change == Change::Kept;
        EXPECT_EQ(savedText(book) != before, saved) << what;
        EXPECT_EQ(book.form.document.isModified(),
                  row.change != Change::None && !saved) << what;
    }
}
