// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "annotations/AnnotationPainter.h"
#include "document/AnnotationStore.h"
#include "document/FaceNames.h"
#include "document/LabelMetrics.h"
#include "output/PageRenderer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

#include <functional>

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

// Measurements are kept by font and caption: after each change a label measures as a fresh
// measurement of it does, never as it measured before.
TEST(LabelMetrics, KeptMeasurementsFollowEveryChangeOfCaptionAndFont)
{
    const std::pair<const char *, std::function<void(AnnotationLabel &)>> changes[] = {
        {"first measured", [](AnnotationLabel &) {}},
        {"caption", [](AnnotationLabel &l) { l.Caption = QStringLiteral("123.4cm コメント"); }},
        {"face", [](AnnotationLabel &l) { l.FontName = QStringLiteral("ＭＳ Ｐゴシック"); }},
        {"size", [](AnnotationLabel &l) { l.FontSize = 19.5f; }},
        {"bold", [](AnnotationLabel &l) { l.FontBold = true; }},
        {"italic", [](AnnotationLabel &l) { l.FontItalic = true; }},
        {"strike-out", [](AnnotationLabel &l) { l.FontStrikethru = true; }},
        {"underline", [](AnnotationLabel &l) { l.FontUnderline = true; }},
        {"back to the first caption", [](AnnotationLabel &l) { l.Caption = "12.3cm "; }},
    };
    QImage device(1, 1, QImage::Format_RGB32); // 96 dots per inch, as labels are measured
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    AnnotationLabel l = label("12.3cm ", 9.75f);
    for (const auto &[change, apply] : changes) {
        apply(l);
        const QFontMetricsF fresh(toQFont(l), &device);
        const QSizeF kept = labelExtentMm(l);
        EXPECT_DOUBLE_EQ(kept.width(), (fresh.horizontalAdvance(l.Caption) + 2 * LabelMarginPx)
                                           * MmPerMeasurePixel)
            << change;
        EXPECT_DOUBLE_EQ(kept.height(), (fresh.height() + 2 * LabelMarginPx) * MmPerMeasurePixel)
            << change;
    }
}

// A caption longer than any label in use holds is measured character by character: shaping a
// hostile record book's 49,149 long captions took seconds.
TEST(LabelMetrics, LongCaptionIsMeasuredCharacterByCharacter)
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(3780);
    device.setDotsPerMeterY(3780);
    const QString piece = QStringLiteral("釣AV🐟To");
    for (const int repeats : {6, 7, 290}) { // 42 and 49 UTF-16 units, then 2,030
        AnnotationLabel l = label("", 12);
        setCaption(l, piece.repeated(repeats));
        const QFontMetricsF metrics(toQFont(l), &device);
        const qreal shaped = metrics.horizontalAdvance(l.Caption);
        qreal summed = 0;
        for (const QString &character : {QStringLiteral("釣"), QStringLiteral("A"),
                                         QStringLiteral("V"), QStringLiteral("🐟"),
                                         QStringLiteral("T"), QStringLiteral("o")})
            summed += repeats * metrics.horizontalAdvance(character);
        const qreal measured = l.Width / MmPerMeasurePixel - 2 * LabelMarginPx;
        const bool byCharacters = l.Caption.size() > TextExtentCache::LongestShapedText;
        EXPECT_NEAR(measured, byCharacters ? summed : shaped, 0.01) << repeats;
    }
}

// What drawing a label on the canvas and on paper hands the paint engine, as it records it.
QByteArray drawnOnCanvasAndPaper(const AnnotationLabel &label)
{
    AnnotationStore store;
    store.lblKyori[0] = label;
    store.lblKyori.CreateElement(1); // the hidden spare after it
    QPicture picture;
    QPainter painter(&picture);
    paintLabel(painter, label, ScreenPixelsPerMm);
    const PageScene page{store, nullptr, {}, QRectF(0, 0, 1000, 1000), {}};
    renderPage(painter, page, {.kinds = PageKinds::all()});
    painter.end();
    return QByteArray(picture.data(), picture.size());
}

// A caption is measured and drawn up to its 2048th character (never half of one, as a face
// name); the book keeps it whole. Thirty captions of a million characters took 26 s to print.
TEST(LabelMetrics, AHugeCaptionIsMeasuredAndDrawnAsItsFirst2048Characters)
{
    const QString shown(2048, u'W');
    const QString caption = shown + QString(1'000'000, u'i');
    AnnotationLabel huge = label(caption, 9.75f);
    huge.ToolTipText = caption; // the comment prints under it
    AnnotationLabel expected = label(shown, 9.75f);
    expected.ToolTipText = shown;
    EXPECT_EQ(huge.Caption, caption);
    EXPECT_EQ(huge.Width, expected.Width);
    const QByteArray drawn = drawnOnCanvasAndPaper(huge);
    EXPECT_TRUE(drawn == drawnOnCanvasAndPaper(expected)) << drawn.size() << " bytes drawn";
}

// Past 64 face names that no installed font, substitute or alias answers to, a name is taken
// as the default face, as Qt would fall back to it: a different name on every label cost a
// fontconfig query each (90 s for one record book).
TEST(LabelMetrics, UnknownFaceNamesBeyondSixtyFourAreTakenAsTheDefaultFace)
{
    FaceNames faces; // of its own: the program's has its own history
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(faces.drawnFace(QStringLiteral("無名書体%1").arg(i)),
                  QStringLiteral("無名書体%1").arg(i));
    const QString defaultFace = QGuiApplication::font().families().first();
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("無名書体64"), defaultFace},
        {QStringLiteral("無名書体0"), QStringLiteral("無名書体0")}, // decided before, kept
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ ゴシック")}, // has substitutes
        {QStringLiteral("ipagothic"), QStringLiteral("ipagothic")},         // installed
        {QString(), QString()},
    };
    for (const auto &[face, drawn] : cases)
        EXPECT_EQ(faces.drawnFace(face), drawn) << qPrintable(face);
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
