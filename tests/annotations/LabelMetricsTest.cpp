#include "annotations/LabelMetrics.h"

#include <QElapsedTimer>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

AnnotationLabel label(const QString &caption, float points)
{
    AnnotationLabel l;
    l.FontName = QStringLiteral("ＭＳ ゴシック");
    l.FontSize = points;
    setCaption(l, caption);
    return l;
}

TEST(LabelMetrics, SizeGrowsWithCaptionAndFont)
{
    const AnnotationLabel shortSmall = label("12.3cm ", 9.75f);
    const AnnotationLabel longSmall = label("123.4cm コメント", 9.75f);
    const AnnotationLabel shortLarge = label("12.3cm ", 19.5f);

    EXPECT_GT(longSmall.Width, shortSmall.Width);
    EXPECT_FLOAT_EQ(longSmall.Height, shortSmall.Height);
    EXPECT_GT(shortLarge.Width, 1.5f * shortSmall.Width);
    EXPECT_GT(shortLarge.Height, 1.5f * shortSmall.Height);
}

TEST(LabelMetrics, NinePointSeventyFiveIsAboutFourAndAHalfMillimetresHigh)
{
    const AnnotationLabel l = label("New  1", 9.75f);
    EXPECT_GT(l.Height, 4.0f);
    EXPECT_LT(l.Height, 5.0f);
    // Even an empty caption keeps one line of height and the margins.
    const AnnotationLabel empty = label("", 9.75f);
    EXPECT_FLOAT_EQ(empty.Height, l.Height);
    EXPECT_FLOAT_EQ(empty.Width, 2 * LabelMarginPx * MmPerMeasurePixel);
}

TEST(LabelMetrics, FontCarriesEveryStoredAttribute)
{
    AnnotationLabel l;
    l.FontName = QStringLiteral("ＭＳ Ｐゴシック");
    l.FontSize = 11.25f;
    l.FontBold = true;
    l.FontItalic = true;
    l.FontStrikethru = true;
    l.FontUnderline = true;
    const QFont font = toQFont(l);
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 11.25);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.strikeOut());
    EXPECT_TRUE(font.underline());
    EXPECT_EQ(font.family(), QStringLiteral("ＭＳ Ｐゴシック"));
}

TEST(LabelMetrics, DamagedFontSizeStillMeasures)
{
    const AnnotationLabel zero = label("abc", 0.0f);
    EXPECT_GT(zero.Height, 0.0f);
    EXPECT_LT(zero.Height, label("abc", 9.75f).Height);
}

// The font matcher took time growing with the square of a name's length (300,000 characters:
// 8 s). Only the 31 characters a Windows face name holds may reach it; the stored name stays.
TEST(LabelMetrics, LongFontNameIsLookedUpByItsFirst31Characters)
{
    // 31 characters, given a substitute the way the start-up substitutions give one.
    const QString face = QStringLiteral("ＭＳ Ｐゴシック 釣果記録用ラベル書体 01234567890");
    ASSERT_EQ(face.size(), 31);
    QFont::insertSubstitution(face, QStringLiteral("IPAPGothic"));

    AnnotationLabel l;
    l.FontName = face + QString(300'000, QChar(u'魚'));
    l.FontSize = 9.75f;
    const QString stored = l.FontName;
    QElapsedTimer timer;
    timer.start();
    setCaption(l, QStringLiteral("38.0cm"));
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(l.FontName, stored);
    EXPECT_GT(l.Width, 0.0f);

    EXPECT_EQ(toQFont(l).family(), face);
    const QFont substitute(QStringLiteral("IPAPGothic"));
    EXPECT_EQ(QFontInfo(toQFont(l)).family(), QFontInfo(substitute).family());
}

TEST(LabelMetrics, FaceNameKeepsAtMost31CharactersAndNoHalfCharacter)
{
    const QString fish = QStringLiteral("🐟"); // two UTF-16 units
    const QString thirty(30, QChar(u'a'));
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ ゴシック")},
        {thirty + u'b', thirty + u'b'},                   // exactly 31: whole
        {thirty + u'b' + u'c', thirty + u'b'},            // 32: the last one goes
        {thirty + fish, thirty},                          // 🐟 would be cut in half
        {QString(29, QChar(u'a')) + fish + u'c', QString(29, QChar(u'a')) + fish},
        {QString(), QString()},
    };
    for (const auto &[name, face] : cases) {
        AnnotationLabel l;
        l.FontName = name;
        EXPECT_EQ(toQFont(l).family(), face) << qPrintable(name);
        EXPECT_EQ(l.FontName, name);
    }
}

} // namespace
