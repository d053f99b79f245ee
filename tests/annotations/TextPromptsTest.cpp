// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "annotations/TextPrompts.h"

#include <gtest/gtest.h>

TEST(TextPrompts, StorableTextsPass)
{
    // Half-width katakana, the NEC/IBM extensions and a backslash all have CP932 codes.
    for (const char16_t *raw : {u"", u"New  1", u"ｶﾀｸﾁｲﾜｼ ①髙～ 72.5cm", u"C:\\釣り\\記録", u"\t"}) {
        const QString text = QString::fromUtf16(raw);
        EXPECT_EQ(unstorableTextReason(text), QString()) << text.toStdString();
    }
}

TEST(TextPrompts, RefusalsNameWhatCannotBeStored)
{
    const struct
    {
        const char16_t *text;
        std::vector<const char16_t *> named;
        std::vector<const char16_t *> notNamed;
    } rows[] = {
        {u"一行目\r\n二行目", {u"改行"}, {u"「"}},
        {u"a\nb", {u"改行"}, {}},
        {u"鯛🐟x🐟😀", {u"「🐟」「😀」"}, {u"「🐟」「🐟」", u"改行"}},
        {u"é\n", {u"「é」", u"改行"}, {}},
        {u"a\u2028b", {u"「U+2028」"}, {}},
    };
    for (const auto &row : rows) {
        const QString reason = unstorableTextReason(QString::fromUtf16(row.text));
        SCOPED_TRACE(reason.toStdString());
        for (const char16_t *part : row.named)
            EXPECT_TRUE(reason.contains(QString::fromUtf16(part)));
        for (const char16_t *part : row.notNamed)
            EXPECT_FALSE(reason.contains(QString::fromUtf16(part)));
    }
    QString loneSurrogate = QStringLiteral("x");
    loneSurrogate.append(QChar(0xD83D));
    EXPECT_TRUE(unstorableTextReason(loneSurrogate).contains(QStringLiteral("「U+D83D」")));
}
