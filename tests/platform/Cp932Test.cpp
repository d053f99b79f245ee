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
        EncodeCase{"DegreeSignOfAngles", QStringLiteral("゜"), QByteArray::fromHex("814b")}),
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
    // 0x80 and 0xFF are no characters; 81 20 has no valid second byte; a lone lead byte at the
    // end is cut short. Each becomes U+FFFD and decoding goes on after it.
    EXPECT_EQ(cp932::decode(QByteArray::fromHex("41 80 42 ff 43 8120 44 81")),
              QString::fromUtf16(u"A\uFFFDB\uFFFDC\uFFFD D\uFFFD"));
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
