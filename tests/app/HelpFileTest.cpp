// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// What the help must tell, and what it must no longer tell, about the program as it is.
TEST(HelpFile, TellsWhatTheProgramDoes)
{
    QFile file(QStringLiteral(HELP_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(file.readAll());
    const struct
    {
        const char *text;
        bool told;
    } rows[] = {
        {"大きな用紙を選ぶか、印刷範囲で部分ごとに印刷します", false}, // it prints over sheets
        {"<span class=\"m\">分けて印刷</span>", true},
        {"<span class=\"m\">誤差の目安 (±) を付ける</span>", true},
        {"<kbd>Esc</kbd>", true},
        {"<kbd>Ctrl</kbd>+ホイール", true},
        {"未校正", true},
        {"<code>/usr/bin/catchscale</code>", true}, // where an installed one keeps Init.ini
    };
    for (const auto &row : rows)
        EXPECT_EQ(help.contains(QString::fromUtf8(row.text)), row.told) << row.text;
}
