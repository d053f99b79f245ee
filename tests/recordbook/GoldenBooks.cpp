// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenBooks.h"

#include "document/LabelMetrics.h"
#include "recordbook/ObjectRecords.h"
#include "recordbook/RecordBookKeys.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <ostream>

namespace {

const QString Hint = QStringLiteral("「ツール」「文字列」選択後　ダブルクリックで入力");
const QString Gothic = QStringLiteral("ＭＳ ゴシック");
const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
constexpr OleColor White = 16777215;
constexpr OleColor Blue = 16711680;
constexpr OleColor Red = 255;
constexpr OleColor DarkBlue = 12582912;

template <class T>
void fill(AnnotationCollection<T> &collection, const std::vector<T> &records)
{
    collection.Clear();
    for (int i = 0; i < int(records.size()); ++i) {
        if (i > 0)
            collection.CreateElement(i);
        collection[i] = records[std::size_t(i)];
    }
}

AnnotationLabel dimensionSpare()
{
    return {false, {}, {}, {}, 0, 0, 14.5f, 4.5f, 2, 1, 0, White, DarkBlue, Gothic, 9.75f,
            true, false, false, false};
}

AnnotationLabel textTemplate()
{
    return {false, QStringLiteral("文字列"), Hint, {}, 0, 0, 12, 4, 2, 1, 0, White, 0, PGothic,
            9.75f, false, false, false, false};
}

AnnotationLine leaderSpare()
{
    return {false, {}, 0, 0, 0, 0, 0, 1, 1, 13};
}

AnnotationLine dimensionSpareLine()
{
    return {false, {}, 0, 0, 0, 0, Blue, 1, 1, 13};
}

MarkerShape marker(bool visible, float left, float top, OleColor colour)
{
    return {visible, {}, left, top, 1.85f, 1.85f, White, colour, colour, 1, 0, 1, 13, 3, 1};
}

template <class T>
void PrintRecord(const T &record, std::ostream *out)
{
    *out << ObjectRecord<T>::lines(record).join(QStringLiteral(" | ")).toStdString();
}

template <class T>
void expectSame(const AnnotationCollection<T> &actual, const AnnotationCollection<T> &expected,
                const char *name)
{
    EXPECT_EQ(elements(actual), elements(expected)) << name;
}

} // namespace

QStringList scaleTexts(const ScaleValues &scale)
{
    QStringList texts;
    recordbookkeys::visitScaleValues(
        scale, [&](const QString &, const QString &key, const auto &value) {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
                texts.append(key + '=' + value);
            else
                texts.append(key + '=' + QString::number(double(value), 'g', 17));
        });
    return texts;
}

RecordBookContent surveyBook()
{
    RecordBookContent book;
    book.pictureFileName = QStringLiteral("釣果.jpg");
    book.product = QStringLiteral("CatchScale");
    ScaleValues &s = book.scale;
    s.GE_sngHojoLen = 20;
    s.GE_strPpSize = QStringLiteral("B5");
    const float hosei[4] = {10, 10, 110, 20};
    const double tilt[4] = {5.710593, -5.710593, 0.0996687, -0.0996687};
    const tpPoint points[4] = {{50, 5.5f}, {150.25f, 5.5f}, {1e-05f, 5}, {150, 105}};
    for (int i = 0; i < 4; ++i) {
        s.GE_sngHosei[i] = hosei[i];
        s.GE_dblHosei[i] = tilt[i];
        s.GE_tpPiccelD[i] = points[i];
    }
    s.GE_sngPiccelD_X = 100.25f;
    s.GE_sngPiccelD_Y = 100;
    s.GE_sngDistanceD_X = 250;
    s.GE_sngDistanceD_Y = 1.5e7f;
    s.GE_tpPtoD_r_X = 2.49376558603491;
    s.GE_tpPtoD_r_Y = 2.49376558603491;

    AnnotationStore &a = book.annotations;
    fill(a.lblKyori,
         {{true, QStringLiteral("40.5cm"), QStringLiteral("12.5゜"), {}, 30.5f, 20.25f, 14.5f,
           4.5f, 2, 1, 0, White, DarkBlue, Gothic, 9.75f, true, false, false, false},
          {true, QStringLiteral("12.0cm"), QStringLiteral("コメント①"), QStringLiteral("tag"),
           -3.5f, 1e-05f, 10, 5, 2, 0, 1, SystemWindowColor, Red, Gothic, 12, false, true, false,
           true},
          dimensionSpare()});
    fill(a.lblMoji,
         {textTemplate(),
          {true, QStringLiteral("全長：52.3cm"), Hint, {}, 100, 200, 30, 4, 0, 1, 1, White, 0,
           PGothic, 9.75f, false, false, true, false},
          {true, {}, {}, QStringLiteral("x"), 110.5f, 200, 2, 4, 1, 0, 0, 65280, 16711680,
           QStringLiteral("ＭＳ 明朝"), 14.25f, true, true, true, true}});
    fill(a.lineHikidashi, {{true, {}, 1.5f, 2.5f, 30, -4.25f, 0, 2, 1, 13}, leaderSpare()});
    fill(a.lineHojoSave, {{true, {}, 10, 20, 10, 5, Blue, 1, 1, 13},
                          {true, {}, 50, 20, 50, 5, Blue, 1, 1, 13},
                          {true, QStringLiteral("a"), 60, 70, 75, 70, Red, 3, 2, 13},
                          {true, {}, 60, 90, 75, 90, Red, 3, 2, 13},
                          dimensionSpareLine()});
    fill(a.lineDsSave, {{true, {}, 10, 5, 50, 5, Blue, 1, 1, 13},
                        {true, {}, 75, 70, 75, 90, Red, 3, 5, 13},
                        dimensionSpareLine()});
    fill(a.shpSnpo, {marker(true, 9.075f, 4.075f, Blue), marker(true, 49.075f, 4.075f, Blue),
                     marker(true, 74.075f, 69.075f, Red), marker(true, 74.075f, 89.075f, Red),
                     marker(false, 0, 0, DarkBlue)});
    return book;
}

RecordBookContent emptyBook()
{
    RecordBookContent book;
    book.pictureFileName = QStringLiteral("fish.bmp");
    book.product = QStringLiteral("CatchScale");
    book.scale.GE_strPpSize = QStringLiteral("00");
    AnnotationStore &a = book.annotations;
    fill(a.lblKyori, {dimensionSpare()});
    fill(a.lblMoji, {textTemplate()});
    fill(a.lineHikidashi, {leaderSpare()});
    fill(a.lineHojoSave, {dimensionSpareLine()});
    fill(a.lineDsSave, {dimensionSpareLine()});
    fill(a.shpSnpo, {marker(false, 0, 0, DarkBlue)});
    return book;
}

RecordBookContent asRead(RecordBookContent content)
{
    for (auto *labels : {&content.annotations.lblKyori, &content.annotations.lblMoji}) {
        for (int i = 0; i <= labels->UBound(); ++i)
            autoSize((*labels)[i]);
    }
    return content;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray goldenBytes(const QString &fileName)
{
    return fileBytes(QStringLiteral(RECORDBOOK_TEST_DATA "/") + fileName);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes);
}

void copyGoldenBook(const QString &base, const QString &folder)
{
    for (const char *suffix : {".ini", "_Text.Bin", "_Line.Bin", "_Shape.Bin"}) {
        const QString name = base + QLatin1String(suffix);
        writeBytes(QDir(folder).filePath(name), goldenBytes(name));
    }
}

void expectSameContent(const RecordBookContent &actual, const RecordBookContent &expected)
{
    EXPECT_EQ(actual.pictureFileName, expected.pictureFileName);
    EXPECT_EQ(actual.product, expected.product);
    EXPECT_EQ(scaleTexts(actual.scale), scaleTexts(expected.scale));
    EXPECT_EQ(actual.scale.GE_strPpSize, expected.scale.GE_strPpSize);
    const AnnotationStore &a = actual.annotations;
    const AnnotationStore &e = expected.annotations;
    expectSame(a.lblKyori, e.lblKyori, "lblKyori");
    expectSame(a.lineDsSave, e.lineDsSave, "lineDsSave");
    expectSame(a.lineHojoSave, e.lineHojoSave, "lineHojoSave");
    expectSame(a.shpSnpo, e.shpSnpo, "shpSnpo");
    expectSame(a.lblMoji, e.lblMoji, "lblMoji");
    expectSame(a.lineHikidashi, e.lineHikidashi, "lineHikidashi");
}

void PrintTo(const AnnotationLabel &label, std::ostream *out)
{
    PrintRecord(label, out);
}

void PrintTo(const AnnotationLine &line, std::ostream *out)
{
    PrintRecord(line, out);
}

void PrintTo(const MarkerShape &shape, std::ostream *out)
{
    PrintRecord(shape, out);
}
