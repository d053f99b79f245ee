// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dlgFolda.h"
#include "platform/Cp932.h"
#include "platform/ProfileFile.h"
#include "StartedForm.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const QString Section = QStringLiteral("フォルダPath");
const QString PicturePrompt = QStringLiteral("画像ファイル・フォルダを選択してください。");
const QString RecordBookPrompt = QStringLiteral("図面ファイル・フォルダを選択してください。");

// Started on an Init.ini that holds /old/records and /old/pictures.
struct FoldersSet : StartedForm
{
    FoldersSet()
        : StartedForm(cp932::encode(QStringLiteral("[フォルダPath]\r\nPRJ_FD=/old/records\r\n"
                                                   "MAP_FD=/old/pictures\r\n"))
                          .bytes)
    {
    }

    // "フォルダ設定" from the tools menu, with the user's doings in the dialog.
    void openDialog(std::function<void(dlgFolda &)> user)
    {
        platform.useFolderDialog = std::move(user);
        ASSERT_TRUE(form.runCommand(QStringLiteral("mnuToolFolda")));
    }
    QString stored(const char *key) const
    {
        return ReadSetting(Section, QLatin1String(key), process.settingsFile);
    }
};

struct Browse
{
    int index;                   // 0: pictures, 1: record books
    std::optional<QString> pick; // nothing: the chooser is cancelled
};

struct DialogCase
{
    const char *name;
    std::vector<Browse> browses;
    std::optional<QString> typedPictures; // typed into the box after browsing
    std::optional<QString> typedRecordBooks;
    bool ok; // OK, otherwise "ｷｬﾝｾﾙ"
    QString pictures;      // in force afterwards
    QString recordBooks;
    QString filePictures;  // in Init.ini afterwards
    QString fileRecordBooks;
};
void PrintTo(const DialogCase &c, std::ostream *os)
{
    *os << c.name;
}

class FolderDialog : public ::testing::TestWithParam<DialogCase>
{
};

} // namespace

TEST_P(FolderDialog, KeepsWhatTheUserChose)
{
    const DialogCase &c = GetParam();
    FoldersSet started;
    QStringList expectedPrompts;
    started.openDialog([&](dlgFolda &dialog) {
        EXPECT_EQ(dialog.txtPict, QStringLiteral("/old/pictures"));
        EXPECT_EQ(dialog.txtZumen, QStringLiteral("/old/records"));
        for (const Browse &browse : c.browses) {
            started.platform.folderAnswers.push_back(browse.pick);
            expectedPrompts << (browse.index == 0 ? PicturePrompt : RecordBookPrompt);
            dialog.cmdSansyou_Click(browse.index);
        }
        if (c.typedPictures)
            dialog.txtPict = *c.typedPictures;
        if (c.typedRecordBooks)
            dialog.txtZumen = *c.typedRecordBooks;
        if (c.ok)
            dialog.OKButton_Click();
        else
            dialog.CancelButton_Click();
    });
    EXPECT_EQ(QStringList(started.platform.folderPrompts.begin(),
                          started.platform.folderPrompts.end()),
              expectedPrompts);
    EXPECT_EQ(started.process.PictureFolder, c.pictures);
    EXPECT_EQ(started.process.RecordBookFolder, c.recordBooks);
    EXPECT_EQ(started.stored("MAP_FD"), c.filePictures);
    EXPECT_EQ(started.stored("PRJ_FD"), c.fileRecordBooks);
    EXPECT_TRUE(started.platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderDialog,
    ::testing::Values(
        DialogCase{"BothChosenAreSavedAndInForce",
                   {{0, QStringLiteral("/home/u/写真")}, {1, QStringLiteral("/home/u/記録")}},
                   {}, {}, true,
                   "/home/u/写真", "/home/u/記録", "/home/u/写真", "/home/u/記録"},
        DialogCase{"CancelledChooserLeavesTheBoxAsItWas",
                   {{0, std::nullopt}, {1, QStringLiteral("/new/records")}}, {}, {}, true,
                   "/old/pictures", "/new/records", "/old/pictures", "/new/records"},
        DialogCase{"TypedTextIsStoredExactly", {}, QStringLiteral("~/釣り 2024/写真①"), {}, true,
                   "~/釣り 2024/写真①", "/old/records", "~/釣り 2024/写真①", "/old/records"},
        DialogCase{"ClearedBoxEmptiesTheFolderForThisRunOnly", {}, {}, QString(), true,
                   "/old/pictures", "", "/old/pictures", "/old/records"},
        DialogCase{"CancelChangesNothing", {{0, QStringLiteral("/chosen")}}, {}, {}, false,
                   "/old/pictures", "/old/records", "/old/pictures", "/old/records"}),
    [](const auto &info) { return std::string(info.param.name); });

namespace {

struct FailureCase
{
    const char *name;
    // Makes the settings file unwritable; returns the file the program now uses.
    std::function<QString(FoldersSet &)> breakFile;
    QString typedPictures;
    QString unsaved; // the lines naming the folders not saved
    QString reason;
    QString fileRecordBooks; // PRJ_FD as the file holds it afterwards
};
void PrintTo(const FailureCase &c, std::ostream *os)
{
    *os << c.name;
}

class FolderDialogWriteFailure : public ::testing::TestWithParam<FailureCase>
{
};

} // namespace

// A write that fails is told with its reason; the folders are in force all the same, and the
// next opening shows them.
TEST_P(FolderDialogWriteFailure, IsToldAndTheFoldersHoldForThisRun)
{
    const FailureCase &c = GetParam();
    FoldersSet started;
    const QString file = c.breakFile(started);
    started.openDialog([&](dlgFolda &dialog) {
        dialog.txtPict = c.typedPictures;
        dialog.txtZumen = QStringLiteral("/new/records");
        dialog.OKButton_Click();
    });
    ASSERT_EQ(started.platform.messages.size(), 1u);
    const platform::MessageRequest &message = started.platform.messages[0];
    EXPECT_EQ(message.title, QStringLiteral("フォルダ設定"));
    EXPECT_EQ(message.icon, platform::MessageIcon::Warning);
    EXPECT_EQ(message.text,
              QStringLiteral("次のフォルダを設定ファイルに保存できませんでした。\r") + c.unsaved
                  + QStringLiteral("\r\r設定ファイル：") + file + QStringLiteral("\r理由：")
                  + c.reason
                  + QStringLiteral("\r\r選んだフォルダはこのプログラムを終了するまで使われますが、"
                                   "次の起動には引き継がれません。"));
    EXPECT_EQ(started.process.PictureFolder, c.typedPictures);
    EXPECT_EQ(started.process.RecordBookFolder, QStringLiteral("/new/records"));
    EXPECT_EQ(started.stored("PRJ_FD"), c.fileRecordBooks);

    started.openDialog([&](dlgFolda &dialog) {
        EXPECT_EQ(dialog.txtPict, c.typedPictures);
        EXPECT_EQ(dialog.txtZumen, QStringLiteral("/new/records"));
        dialog.CancelButton_Click();
    });
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderDialogWriteFailure,
    ::testing::Values(
        FailureCase{"AFolderWhereTheFileShouldBe",
                    [](FoldersSet &s) {
                        QFile::remove(s.process.settingsFile);
                        QDir().mkpath(s.process.settingsFile);
                        return s.process.settingsFile;
                    },
                    "/new/pictures",
                    "記録帳フォルダ：/new/records\r画像ファイル・フォルダ：/new/pictures",
                    "設定ファイルの名前でフォルダなど、ファイルでないものがあります。", ""},
        FailureCase{"TheFilesFolderIsGone",
                    [](FoldersSet &s) {
                        s.process.settingsFile = s.folder.filePath(QStringLiteral("gone/Init.ini"));
                        return s.process.settingsFile;
                    },
                    "/new/pictures",
                    "記録帳フォルダ：/new/records\r画像ファイル・フォルダ：/new/pictures",
                    "設定ファイルを置くフォルダがありません。", ""},
        // The record book folder is saved; only the picture folder's characters are refused.
        FailureCase{"ACharacterShiftJisLacks",
                    [](FoldersSet &s) { return s.process.settingsFile; },
                    QStringLiteral("/home/u/€uro/€"),
                    QStringLiteral("画像ファイル・フォルダ：/home/u/€uro/€"),
                    QStringLiteral("「€」は Shift_JIS にない文字のため、設定ファイルに書けません。"),
                    "/new/records"}),
    [](const auto &info) { return std::string(info.param.name); });
