// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenBooks.h"
#include "StartedForm.h"

#include "app/CommandLine.h"
#include "app/RecordBookCommands.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

#include <gtest/gtest.h>

#include <ostream>

namespace {

// Everything under `root`, hidden files too: a file's bytes, a link's target, a folder's mark.
QMap<QString, QByteArray> tree(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        entries[entry.filePath()] = entry.isSymLink() ? "-> " + entry.symLinkTarget().toUtf8()
                                    : entry.isDir()   ? QByteArray("folder")
                                                      : fileBytes(entry.filePath());
    }
    return entries;
}

// A record book from a stranger, unpacked beside a folder of the user's.
struct Sandbox
{
    QTemporaryDir root;
    const QString book = root.filePath("book");
    const QString outside = root.filePath("outside");

    Sandbox()
    {
        QDir().mkpath(book);
        QDir().mkpath(outside + "/sub");
        copyGoldenBook("survey", book);
        writeBytes(outside + "/victim", "the user's");
        writeBytes(book + "/notes.txt", "the user's");
    }
    // The list of moves a cut-off save leaves beside the book, with one move of a file holding
    // the stranger's bytes.
    void journal(const QString &temporary, const QString &target) const
    {
        writeBytes(temporary, "the stranger's");
        writeBytes(book + "/.survey.ini.saving",
                   QFile::encodeName(temporary) + '\0' + QFile::encodeName(target) + '\0' + '\0');
    }
    void link(const QString &name, const QString &to) const
    {
        QFile::remove(book + '/' + name);
        ASSERT_TRUE(QFile::link(to, book + '/' + name));
    }
};

struct HostileBook
{
    const char *what;
    void (*prepare)(const Sandbox &);
    const char *victim; // the file the stranger is after, under the sandbox
    const char *said;   // what Open or the refused save tells about it
};

void PrintTo(const HostileBook &row, std::ostream *out)
{
    *out << row.what;
}

class HostileBooks : public ::testing::TestWithParam<HostileBook>
{
};

TEST_P(HostileBooks, NothingOutsideTheBookChangesAndReadingChangesNothing)
{
    const Sandbox sandbox;
    GetParam().prepare(sandbox);
    const QString ini = sandbox.book + "/survey.ini";
    const QString victim = sandbox.root.filePath(GetParam().victim);
    const auto book = tree(sandbox.book);
    const auto outside = tree(sandbox.outside);
    const QByteArray victimBytes = fileBytes(victim);

    // Reading: the dump, and Open's reading half as the exports use it.
    dumpRecordBook(ini, {});
    StartedForm started;
    openRecordBook(started.form, ini);
    EXPECT_EQ(tree(sandbox.book), book);

    // Writing: the rest of Open (nothing is asked), then a save.
    started.platform.messages.clear();
    settleInterruptedSave(started.form, ini);
    const std::optional<RuntimeError> error = subSaveRecordBook(sandbox.book, "survey.ini",
                                                                surveyBook());
    EXPECT_EQ(tree(sandbox.outside), outside);
    EXPECT_EQ(fileBytes(victim), victimBytes);
    QString said = error ? error->description : QString();
    for (const platform::MessageRequest &message : started.platform.messages)
        said += message.text;
    EXPECT_TRUE(said.contains(QString::fromUtf8(GetParam().said))) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    JournalAndLinks, HostileBooks,
    ::testing::Values(
        HostileBook{"../x",
                    [](const Sandbox &s) {
                        s.journal(s.book + "/../outside/.victim.tmp1",
                                  s.book + "/../outside/victim");
                    },
                    "outside/victim", ".survey.ini.saving」"},
        HostileBook{"link/../x",
                    [](const Sandbox &s) {
                        s.link("b", s.outside + "/sub");
                        s.journal(s.book + "/.victim.tmp1", s.book + "/b/../victim");
                    },
                    "outside/victim", ".survey.ini.saving」"},
        HostileBook{"another folder",
                    [](const Sandbox &s) {
                        s.journal(s.outside + "/.victim.tmp1", s.outside + "/victim");
                    },
                    "outside/victim", ".survey.ini.saving」"},
        HostileBook{"a name not the book's",
                    [](const Sandbox &s) {
                        s.journal(s.book + "/.notes.txt.tmp1", s.book + "/notes.txt");
                    },
                    "book/notes.txt", ".survey.ini.saving」"},
        HostileBook{"a dangling link outside",
                    [](const Sandbox &s) {
                        s.link("survey_Line.Bin", s.outside + "/new");
                        s.journal(s.outside + "/.new.tmp1", s.outside + "/new");
                    },
                    "outside/new", "「survey_Line.Bin」は記録帳のフォルダの外にある"},
        HostileBook{"a link to a file outside",
                    [](const Sandbox &s) { s.link("survey_Text.Bin", s.outside + "/victim"); },
                    "outside/victim", "outside/victim」を指すリンク"}),
    [](const auto &info) { return "Row" + std::to_string(info.index); });

} // namespace
