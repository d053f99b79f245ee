// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace {

struct EncodeCase
{
    const char *name;
    QString text;
    QByteArray bytes;
};

class Cp932Encode : public ::testing::TestWithParam<EncodeCase>
{
};

TEST_P(Cp932Encode, GivesWindowsBytesAndDecodesBack)
{
    const EncodeCase &c = GetParam();
    const cp932::EncodeResult result = cp932::encode(c.text);
    EXPECT_TRUE(result.ok()) << qPrintable(result.unencodable);
    EXPECT_EQ(result.bytes.toHex(' '), c.bytes.toHex(' '));
    EXPECT_EQ(cp932::decode(c.bytes), c.text);
}

// Shift_JIS proper would turn 0x5C into a yen sign and refuse ～ ① 髙; code page 932 does not.
INSTANTIATE_TEST_SUITE_P(
    Texts, Cp932Encode,
    ::testing::Values(
        EncodeCase{"AsciiWithBackslash", QStringLiteral("C:\\a b"), QByteArray("C:\\a b")},
        EncodeCase{"SettingsSection", QStringLiteral("フォルダPath"),
                   QByteArray::fromHex("8374 8348 838b 835f") + "Path"},
        EncodeCase{"HalfWidthKatakana", QStringLiteral("ﾌｧｲﾙ"), QByteArray::fromHex("cca7b2d9")},
        EncodeCase{"FullWidthTilde", QStringLiteral("～"), QByteArray::fromHex("8160")},
        EncodeCase{"CircledDigit", QStringLiteral("①"), QByteArray::fromHex("8740")},
        EncodeCase{"IbmExtensionKanji", QStringLiteral("髙"), QByteArray::fromHex("fbfc")},
        EncodeCase{"DegreeSignOfAngles", QStringLiteral("゜"), QByteArray::fromHex("814b")},
        // More characters in one stretch than a conversion takes at a time.
        EncodeCase{"ThreeHundredWithoutAscii", QString(300, u'魚'),
                   QByteArray::fromHex("8b9b").repeated(300)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Cp932, WaveDashAndMinusSignShareBytesWithTheirFullWidthForms)
{
    // Windows maps these two one way only: they read back as ～ and －.
    EXPECT_EQ(cp932::encode(QStringLiteral("〜−")).bytes, QByteArray::fromHex("8160817c"));
    EXPECT_EQ(cp932::decode(QByteArray::fromHex("8160817c")), QStringLiteral("～－"));
}

TEST(Cp932, ReportsEveryCharacterItCannotCarry)
{
    const QString loneSurrogate(QChar(0xD800));
    const cp932::EncodeResult result =
        cp932::encode(QStringLiteral("a😀b") + loneSurrogate + QStringLiteral("c€"));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.unencodable, QStringLiteral("😀") + loneSurrogate + QStringLiteral("€"));
    EXPECT_FALSE(result.bytes.contains('?'));
}

TEST(Cp932, DecodesBrokenBytesAsReplacementCharacters)
{
    // 81 20 has no valid second byte; row 85 holds no characters (85 40: U+FFFD then "@"); a
    // lone lead byte at the end is cut short. Each bad byte becomes U+FFFD and decoding goes on.
    EXPECT_EQ(cp932::decode(QByteArray::fromHex("41 8120 42 8540 43 81")),
              QString::fromUtf16(u"A\uFFFD B\uFFFD@C\uFFFD"));
    // Decoding goes on at the very next byte, which may start a character: in 85 81 40 the 81
    // pairs with the 40 ("　", U+3000), though the 40 alone would be "@".
    EXPECT_EQ(cp932::decode(QByteArray::fromHex("858140 41")),
              QString::fromUtf16(u"\uFFFD\u3000A"));
}

// glibc's table lacks five single bytes that Windows reads and writes; without them a record
// book holding one could be opened but not saved again.
TEST(Cp932, WindowsOnlySingleBytesGoBothWays)
{
    const std::pair<const char *, char16_t> cases[] = {
        {"80", 0x0080}, {"a0", 0xF8F0}, {"fd", 0xF8F1}, {"fe", 0xF8F2}, {"ff", 0xF8F3},
    };
    for (const auto &[hex, character] : cases) {
        const QByteArray byte = QByteArray::fromHex(hex);
        EXPECT_EQ(cp932::decode(byte), QString(QChar(character))) << hex;
        const cp932::EncodeResult result = cp932::encode(QString(QChar(character)));
        EXPECT_TRUE(result.ok()) << hex;
        EXPECT_EQ(result.bytes.toHex(), byte.toHex()) << hex;
        EXPECT_FALSE(cp932::isLeadByte(byte.at(0))) << hex;
    }
}

TEST(Cp932, WindowsOnlySingleBytesLeaveDoubleByteCharactersAlone)
{
    // 81 80 is ÷ and 81 a0 is □: there 0x80 and 0xA0 are second bytes. 85 80 is no character,
    // so 85 becomes U+FFFD and the 80 after it stands alone.
    const QByteArray bytes = QByteArray::fromHex("80 8180 a0 81a0 41 fd 8374 fe ff cc 8580");
    const QString text = QString::fromUtf16(
        u"\u0080÷\uF8F0□A\uF8F1フ\uF8F2\uF8F3ﾌ\uFFFD\u0080");
    EXPECT_EQ(cp932::decode(bytes), text);
    const QString readable = text.left(text.size() - 2);
    const cp932::EncodeResult result = cp932::encode(readable);
    EXPECT_TRUE(result.ok()) << qPrintable(result.unencodable);
    EXPECT_EQ(result.bytes.toHex(' '), bytes.left(bytes.size() - 2).toHex(' '));
}

TEST(Cp932, TruncateKeepsDoubleByteCharactersWhole)
{
    const QByteArray text = QByteArray("ab") + QByteArray::fromHex("8374 8348");
    EXPECT_EQ(cp932::truncateBytes(text, 4), text.left(4));
    EXPECT_EQ(cp932::truncateBytes(text, 5), text.left(4)); // would split ォ
    EXPECT_EQ(cp932::truncateBytes(text, 6), text);
    EXPECT_EQ(cp932::truncateBytes(QByteArray::fromHex("cca7b2"), 2), QByteArray::fromHex("cca7"));
}

} // namespace
