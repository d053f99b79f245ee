// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Each printer's size correction in Init.ini, under names a key could not carry as they are.
#include "output/PrintCorrectionSettings.h"
#include "platform/ProfileFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PrintCorrectionSettings, EveryPrinterNameKeepsACorrectionOfItsOwnBesideTheFolders)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Init.ini"));
    ASSERT_TRUE(WriteSetting(QStringLiteral("フォルダPath"), "PRJ_FD", "/books", file));
    // '=' ends a key, ';' and '[' start other lines, blanks at the ends are dropped, '%' escapes;
    // U+301C would read back from Shift_JIS as U+FF5E, and it lacks the euro sign and U+1F5A8.
    const QString names[] = {
        QStringLiteral("Laser"), QStringLiteral("a=b"),  QStringLiteral("a%3Db"),
        QStringLiteral("]x["),   QStringLiteral(" lead"), QStringLiteral("lead"),
        QStringLiteral("trail "), QStringLiteral(";c"),   QStringLiteral("[d"),
        QStringLiteral("x\ty"),  QStringLiteral("〜"),    QStringLiteral("～"),
        QStringLiteral("€"),     QStringLiteral("🖨"),    QStringLiteral("事務所の複合機"),
    };
    const auto correctionOf = [](int i) { return PrintCorrection{60.0 + i, 140.0 - i / 2.0}; };
    for (int i = 0; i < int(std::size(names)); ++i)
        ASSERT_TRUE(SavePrintCorrection(file, names[i], correctionOf(i))) << i;
    for (int i = 0; i < int(std::size(names)); ++i)
        EXPECT_EQ(LoadPrintCorrection(file, names[i]), correctionOf(i)) << i;
    EXPECT_EQ(escapedKey(QStringLiteral("a=b")), QStringLiteral("a%3Db"));
    EXPECT_EQ(ReadSetting(QStringLiteral("フォルダPath"), "PRJ_FD", file), QStringLiteral("/books"));
    EXPECT_FALSE(SavePrintCorrection(file, QString(), correctionOf(0)));

    // Still Shift_JIS with CR LF: one header and one line for each printer in the new section.
    QFile read(file);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    const QByteArray bytes = read.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 2 + 1 + qsizetype(std::size(names)));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.contains("\r\nLaser=60,140\r\n"));

    ASSERT_TRUE(ClearPrintCorrection(file, QStringLiteral("a=b")));
    EXPECT_EQ(LoadPrintCorrection(file, QStringLiteral("a=b")), std::nullopt);
    EXPECT_EQ(LoadPrintCorrection(file, QStringLiteral("a%3Db")), correctionOf(2));
}

TEST(PrintCorrectionSettings, AValueThatIsNoMeasurementReadsAsNoCorrection)
{
    const struct
    {
        const char *text;
        std::optional<PrintCorrection> read;
    } rows[] = {
        {"98.5,97", PrintCorrection{98.5, 97}},
        {" 50 , 150 ", PrintCorrection{50, 150}},
        {"98.5", std::nullopt},
        {"98.5,97,96", std::nullopt},
        {"98.5;97", std::nullopt},
        {"abc,97", std::nullopt},
        {"49.99,100", std::nullopt},
        {"100,150.01", std::nullopt},
        {"nan,100", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(PrintCorrection::fromText(QLatin1String(row.text)), row.read) << row.text;
    EXPECT_EQ(PrintCorrection({98.5, 97}).toText(), QStringLiteral("98.5,97"));
}
