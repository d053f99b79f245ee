#include "annotations/LabelMetrics.h"

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

} // namespace
