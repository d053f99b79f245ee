// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every input kept in regressions/ goes through the entry its fuzzer calls, on every test run.
#include "FuzzEntries.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <ostream>

namespace {

QByteArray regression(const QString &path)
{
    QFile file(QStringLiteral(FUZZ_REGRESSIONS "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Corpus
{
    const char *folder;
    FuzzEntry entry;
};

void PrintTo(const Corpus &corpus, std::ostream *out)
{
    *out << corpus.folder;
}

class FuzzRegressions : public ::testing::TestWithParam<Corpus>
{};

TEST_P(FuzzRegressions, EveryInputIsAnsweredSoundlyAndInTime)
{
    const QDir folder(QStringLiteral(FUZZ_REGRESSIONS "/") + QLatin1String(GetParam().folder));
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty()) << "no inputs in " << qPrintable(folder.path());
    for (const QString &name : names) {
        SCOPED_TRACE(qPrintable(name));
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(GetParam().entry(regression(folder.dirName() + u'/' + name)).toStdString(), "");
        // Generous for a debug build under a sanitizer; the fuzzer's own timeout is tighter.
        EXPECT_LT(timer.elapsed(), 10000);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, FuzzRegressions,
                         ::testing::Values(Corpus{"recordbook", openPackedRecordBook},
                                           Corpus{"settings", openSettingsFile}),
                         [](const auto &info) { return std::string(info.param.folder); });

// The hostile books must reach the reader through the packed form, or they guard nothing: each
// leaves its mark in what the dump says.
struct Mark
{
    const char *file;
    const char *said; // found in standard output or standard error
};

void PrintTo(const Mark &mark, std::ostream *out)
{
    *out << mark.file;
}

class PackedBookReachesTheReader : public ::testing::TestWithParam<Mark>
{};

TEST_P(PackedBookReachesTheReader, DumpShowsTheHostilePart)
{
    const CommandOutput dump = dumpPackedRecordBook(
        regression(QStringLiteral("recordbook/") + QLatin1String(GetParam().file)));
    EXPECT_EQ(dump.exitStatus, 0);
    EXPECT_TRUE((dump.standardOutput + dump.standardError).contains(GetParam().said))
        << dump.standardError.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, PackedBookReachesTheReader,
    ::testing::Values(
        Mark{"long-non-ascii-font-name", "\"FontName\": \"釣釣釣釣釣釣釣釣"},
        Mark{"ture-in-dimension-label", "/book_Text.Bin: "}, // stopped at the first label
        Mark{"cp932-single-bytes-in-texts", "\"Caption\": \"\u0080\uF8F0\uF8F1\uF8F2\uF8F3\""},
        Mark{"duplicate-keys-and-sections", "\"fMei_MapImage\": \"釣果.jpg\""}, // the first
        Mark{"line-file-cut-mid-record", "/book_Line.Bin: "}));

} // namespace
