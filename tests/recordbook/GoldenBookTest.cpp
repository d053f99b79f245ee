// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenBooks.h"

#include "recordbook/RecordBookJson.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

const QStringList Suffixes{".ini", "_Text.Bin", "_Line.Bin", "_Shape.Bin"};

struct Loaded
{
    RecordBookContent content;
    RecordBookLoadResult result;
};

Loaded load(const QString &iniPath, const QString &fallback = {})
{
    Loaded loaded;
    loaded.result = subLoadRecordBook(iniPath, fallback, loaded.content);
    return loaded;
}

class GoldenBook : public ::testing::TestWithParam<const char *>
{
protected:
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
};

TEST_P(GoldenBook, ReadsToTheModel)
{
    const QString base = QLatin1String(GetParam());
    copyGoldenBook(base, dir.path());
    const Loaded loaded = load(path(base + ".ini"));
    ASSERT_FALSE(loaded.result.error);
    for (const ObjectFileReport &file :
         {loaded.result.textFile, loaded.result.lineFile, loaded.result.shapeFile}) {
        EXPECT_TRUE(file.path.startsWith(dir.path())) << file.path.toStdString();
        EXPECT_TRUE(file.complete);
    }
    const RecordBookContent expected = base == u"survey" ? surveyBook() : emptyBook();
    expectSameContent(loaded.content, asRead(expected));
}

TEST_P(GoldenBook, WriterProducesTheSameBytes)
{
    const QString base = QLatin1String(GetParam());
    const RecordBookContent model = base == u"survey" ? surveyBook() : emptyBook();
    ASSERT_FALSE(subSaveRecordBook(dir.path() + '/', base + ".ini", model));
    for (const QString &suffix : Suffixes)
        EXPECT_EQ(fileBytes(path(base + suffix)), goldenBytes(base + suffix))
            << suffix.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4) << "no debris";
}

TEST_P(GoldenBook, LineFeedOnlyFilesReadTheSame)
{
    const QString base = QLatin1String(GetParam());
    for (const QString &suffix : Suffixes)
        writeBytes(path(base + suffix), goldenBytes(base + suffix).replace("\r\n", "\n"));
    const Loaded loaded = load(path(base + ".ini"));
    expectSameContent(loaded.content,
                      asRead(base == u"survey" ? surveyBook() : emptyBook()));
}

INSTANTIATE_TEST_SUITE_P(RecordBook, GoldenBook, ::testing::Values("survey", "empty"));

TEST(GoldenBookShape, EmptyBookHoldsOnlyHiddenRecords)
{
    // One hidden dimension label and the text-label template; three hidden spare lines; one
    // hidden marker.
    EXPECT_EQ(goldenBytes("empty_Text.Bin").count("\r\n"), 38);
    EXPECT_EQ(goldenBytes("empty_Line.Bin").count("\r\n"), 30);
    EXPECT_EQ(goldenBytes("empty_Shape.Bin").count("\r\n"), 15);
}

TEST(GoldenBookShape, TwoDimensionsAreThreeLabelRecordsAndTextLabelsStayApart)
{
    QTemporaryDir dir;
    copyGoldenBook("survey", dir.path());
    const Loaded loaded = load(dir.filePath("survey.ini"));
    const AnnotationStore &a = loaded.content.annotations;
    ASSERT_EQ(a.lblKyori.UBound(), 2);
    EXPECT_TRUE(a.lblKyori[1].Visible);
    EXPECT_FALSE(a.lblKyori[2].Visible);
    ASSERT_EQ(a.lblMoji.UBound(), 2);
    EXPECT_EQ(a.lblMoji[1].Caption, QStringLiteral("全長：52.3cm"));
    EXPECT_EQ(a.lineHojoSave.UBound(), 4);
    EXPECT_EQ(a.shpSnpo.UBound(), 4);
    EXPECT_TRUE(a.invariantsHold());
}

TEST(GoldenBookShape, MissingTiltSectionGivesZeros)
{
    QTemporaryDir dir;
    copyGoldenBook("survey", dir.path());
    QByteArray ini = goldenBytes("survey.ini");
    const qsizetype from = ini.indexOf("[\x8c\x58"); // "[傾き補正]"
    ini.remove(from, ini.indexOf("[\x8a\xf9") - from); // up to "[既知距離]"
    writeBytes(dir.filePath("survey.ini"), ini);
    const Loaded loaded = load(dir.filePath("survey.ini"));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(loaded.content.scale.GE_sngHosei[i], 0);
        EXPECT_EQ(loaded.content.scale.GE_dblHosei[i], 0);
    }
    EXPECT_EQ(loaded.content.scale.GE_sngPiccelD_X, 100.25f);
}

TEST(GoldenBookShape, SavingOverAnIniKeepsOtherKeysAndSkipsEmptyValues)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("book.ini"),
               "[\x83\x81\x83\x82]\r\nnote=keep\r\n" // "[メモ]"
               "[\x83\x66\x81\x5b\x83\x5e\x83\x74\x83\x40\x83\x43\x83\x8b\x96\xbc]\r\n"
               "fMei_MapImage=old.jpg\r\n"); // "[データファイル名]"
    RecordBookContent book = emptyBook();
    book.pictureFileName.clear();
    ASSERT_FALSE(subSaveRecordBook(dir.path(), "book.ini", book));
    const Loaded loaded = load(dir.filePath("book.ini"));
    EXPECT_EQ(loaded.content.pictureFileName, QStringLiteral("old.jpg"));
    EXPECT_EQ(loaded.content.scale.GE_strPpSize, QStringLiteral("00"));
    EXPECT_TRUE(fileBytes(dir.filePath("book.ini")).startsWith("[\x83\x81\x83\x82]\r\nnote=keep"));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("book_Text.Bin")));
}

TEST(GoldenBookShape, APrintAreaIsKeptWhileTheBookHasOne)
{
    QTemporaryDir dir;
    copyGoldenBook("survey", dir.path());
    RecordBookContent book = surveyBook();
    using Area = std::optional<QRectF>;
    for (const Area &area : {Area(QRectF(20.5, 15, 60, 45.25)), Area()}) {
        book.printAreaMm = area;
        ASSERT_FALSE(subSaveRecordBook(dir.path(), "survey.ini", book));
        EXPECT_EQ(load(dir.filePath("survey.ini")).content.printAreaMm, area);
    }
}

struct StoredArea
{
    const char *left, *top, *width, *height; // a missing key as nullptr
    std::optional<QRectF> area;
};

class PrintAreaSection : public ::testing::TestWithParam<StoredArea>
{
};

TEST_P(PrintAreaSection, OnlyFourSaneNumbersAreAnArea)
{
    QTemporaryDir dir;
    copyGoldenBook("survey", dir.path());
    // "[印刷範囲]" in code page 932
    QByteArray ini = goldenBytes("survey.ini") + "[\x88\xf3\x8d\xfc\x94\xcd\x88\xcd]\r\n";
    const StoredArea &row = GetParam();
    const std::pair<const char *, const char *> keys[] = {
        {"Left", row.left}, {"Top", row.top}, {"Width", row.width}, {"Height", row.height}};
    for (const auto &[key, value] : keys) {
        if (value)
            ini += QByteArray("shpPrint.") + key + '=' + value + "\r\n";
    }
    writeBytes(dir.filePath("survey.ini"), ini);
    const Loaded loaded = load(dir.filePath("survey.ini"));
    EXPECT_EQ(loaded.result.printArea.area, row.area);
    EXPECT_EQ(loaded.result.printArea.damaged, !row.area);
}

INSTANTIATE_TEST_SUITE_P(
    RecordBook, PrintAreaSection,
    ::testing::Values(StoredArea{"20", "15", "60", "0", QRectF(20, 15, 60, 0)},
                      StoredArea{"20", "15", "60", nullptr, {}},
                      StoredArea{"-1", "15", "60", "45", {}},
                      StoredArea{"20", "15", "2e6", "45", {}}));

TEST(GoldenBookShape, DumpShowsEveryValueByItsName)
{
    QTemporaryDir dir;
    copyGoldenBook("survey", dir.path());
    const Loaded loaded = load(dir.filePath("survey.ini"));
    const QJsonObject dump =
        QJsonDocument::fromJson(recordBookToJson(loaded.content, &loaded.result)).object();
    EXPECT_EQ(dump["fMei_MapImage"].toString(), QStringLiteral("釣果.jpg"));
    const QJsonObject scale = dump["scale"].toObject();
    EXPECT_EQ(scale.size(), 24);
    EXPECT_EQ(scale["GE_tpPiccelD(2).sngX"].toDouble(), 1e-05);
    EXPECT_EQ(scale["GE_strPpSize"].toString(), QStringLiteral("B5"));
    const QJsonArray labels = dump["lblKyori"].toArray();
    ASSERT_EQ(labels.size(), 3);
    EXPECT_EQ(labels[1].toObject().size(), 19);
    EXPECT_EQ(labels[1]["BackColor"].toInt(), -2147483643);
    EXPECT_EQ(labels[1]["ToolTipText"].toString(), QStringLiteral("コメント①"));
    EXPECT_EQ(dump["shpSnpo"].toArray()[0].toObject().size(), 15);
    EXPECT_EQ(dump["lineHikidashi"].toArray()[0].toObject()["Y2"].toDouble(), -4.25);
    EXPECT_TRUE(dump["objectFiles"]["Shape_Bin"]["complete"].toBool());
}

} // namespace
