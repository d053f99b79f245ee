// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GoldenBooks.h"

#include "recordbook/FileLookup.h"
#include "recordbook/ObjectFileReader.h"
#include "recordbook/ObjectRecords.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QByteArray recordBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n"; // every line here is ASCII
    return bytes;
}

template <class T>
QByteArray recordBytes(const T &record)
{
    return recordBytes(ObjectRecord<T>::lines(record));
}

AnnotationLine leader(bool visible, float x)
{
    return {visible, {}, x, 1, x + 10, 1, 0, 1, 1, 13};
}

AnnotationLabel textLabel(bool visible, const QString &caption)
{
    AnnotationLabel label;
    label.Visible = visible;
    label.Caption = caption;
    label.FontName = QStringLiteral("Sans");
    return label;
}

// The nine stored lines of a leader line record with one line replaced.
QStringList leaderWith(int line, const QString &text)
{
    QStringList lines = ObjectRecord<AnnotationLine>::lines(leader(true, 5));
    lines[line] = text;
    return lines;
}

class BookFolders : public ::testing::Test
{
protected:
    QString inBook(const QString &name) const { return QDir(book.path()).filePath(name); }
    QString inFallback(const QString &name) const { return QDir(fallback.path()).filePath(name); }
    RecordBookLoadResult load(RecordBookContent &content) const
    {
        return subLoadRecordBook(inBook("survey.ini"), fallback.path(), content);
    }
    QTemporaryDir book;
    QTemporaryDir fallback;
};

TEST_F(BookFolders, ObjectFilesComeFromTheIniFolderFirstThenTheFallback)
{
    copyGoldenBook("survey", fallback.path());
    copyGoldenBook("survey", book.path());
    QFile::remove(inBook("survey_Line.Bin"));
    QFile::remove(inBook("survey_Shape.Bin"));
    writeBytes(inFallback("survey_Text.Bin"), goldenBytes("empty_Text.Bin"));

    RecordBookContent content;
    const RecordBookLoadResult result = load(content);
    EXPECT_EQ(result.textFile.path, inBook("survey_Text.Bin"));
    EXPECT_EQ(result.lineFile.path, inFallback("survey_Line.Bin"));
    EXPECT_EQ(content.annotations.lblKyori.UBound(), 2) << "the book's own labels";
    EXPECT_EQ(content.annotations.lineDsSave.UBound(), 2);
}

TEST_F(BookFolders, DeletedMarkerFileLeavesLabelsAndLines)
{
    copyGoldenBook("survey", book.path());
    QFile::remove(inBook("survey_Shape.Bin"));
    RecordBookContent content;
    const RecordBookLoadResult result = load(content);
    EXPECT_TRUE(result.shapeFile.path.isEmpty());
    const RecordBookContent expected = asRead(surveyBook());
    EXPECT_EQ(elements(content.annotations.lblKyori), elements(expected.annotations.lblKyori));
    EXPECT_EQ(elements(content.annotations.lineHojoSave),
              elements(expected.annotations.lineHojoSave));
    EXPECT_EQ(content.annotations.shpSnpo.UBound(), 0);
    EXPECT_FALSE(content.annotations.shpSnpo[0].Visible);
}

TEST_F(BookFolders, AnIniThatCannotBeReadChangesNothing)
{
    copyGoldenBook("survey", book.path());
    QByteArray ini = goldenBytes("survey.ini");
    writeBytes(inBook("survey.ini"), ini.replace("GE_tpPtoD_r_X=2.49376558603491",
                                                 "GE_tpPtoD_r_X=1E999"));
    RecordBookContent content = surveyBook();
    const RecordBookContent before = surveyBook();
    EXPECT_EQ(load(content).error->number, 6);
    expectSameContent(content, before);

    EXPECT_EQ(subLoadRecordBook(inBook("none.ini"), {}, content).error->number, 53);
    QDir(book.path()).mkdir("folder.ini");
    EXPECT_EQ(subLoadRecordBook(inBook("folder.ini"), {}, content).error->number, 75);
    expectSameContent(content, before);
}

TEST_F(BookFolders, ObjectFileNamesWithAFolderPartAreNotFollowed)
{
    copyGoldenBook("survey", fallback.path());
    QByteArray ini = goldenBytes("survey.ini");
    const QByteArray outside = "Text_Bin=../" + QDir(fallback.path()).dirName().toUtf8();
    writeBytes(inBook("survey.ini"),
               ini.replace("Text_Bin=survey", outside + "/survey")
                   .replace("Line_Bin=survey_Line.Bin", "Line_Bin=/dev/zero"));
    RecordBookContent content;
    const RecordBookLoadResult result = load(content);
    EXPECT_TRUE(result.textFile.path.isEmpty());
    EXPECT_TRUE(result.lineFile.path.isEmpty());
    EXPECT_EQ(content.annotations.lblKyori.UBound(), 0);
}

TEST(ObjectFileReader, ADamagedRecordStopsItsFileAndKeepsWhatWasRead)
{
    QByteArray lines = recordBytes(leader(true, 1)) + recordBytes(leader(false, 0)); // leaders
    lines += recordBytes(leader(true, 2)) + recordBytes(leader(true, 3)); // extension lines
    lines += recordBytes(leaderWith(0, "maybe"));                           // not a boolean
    lines += recordBytes(leader(false, 0)) + recordBytes(leader(true, 4));
    AnnotationStore store;
    EXPECT_FALSE(readLineFile(lines, store));
    EXPECT_EQ(store.lineHikidashi.UBound(), 1);
    ASSERT_EQ(store.lineHojoSave.UBound(), 2);
    EXPECT_EQ(store.lineHojoSave[1].X1, 3);
    EXPECT_FALSE(store.lineHojoSave[2].Visible) << "the spare made for the damaged record";
    EXPECT_EQ(store.lineDsSave.UBound(), 0);
}

TEST(ObjectFileReader, ItSaysWhichRecordStoppedItAndOnWhichLine)
{
    const int labelLines = ObjectRecord<AnnotationLabel>::LineCount;
    const int lineLines = ObjectRecord<AnnotationLine>::LineCount;
    QStringList badLabel = ObjectRecord<AnnotationLabel>::lines(textLabel(true, "x"));
    badLabel[0] = QStringLiteral("Ture");
    const QByteArray label = recordBytes(textLabel(true, "a"));
    const QByteArray hiddenLabel = recordBytes(textLabel(false, ""));
    const QByteArray line = recordBytes(leader(true, 1));
    const QByteArray hiddenLine = recordBytes(leader(false, 0));
    struct Case
    {
        const char *what;
        QByteArray bytes;
        ObjectFileRead (*read)(const QByteArray &, AnnotationStore &);
        RecordKind kind;
        int index;
        int line;
    };
    const Case cases[] = {
        {"third dimension label", label + label + recordBytes(badLabel), readLabelFile,
         RecordKind::DimensionLabel, 2, 2 * labelLines + 1},
        {"second text label, after the template", hiddenLabel + label + label + recordBytes(badLabel),
         readLabelFile, RecordKind::TextLabel, 2, 3 * labelLines + 1},
        {"text label cut short", hiddenLabel + label + label.left(30), readLabelFile,
         RecordKind::TextLabel, 1, 2 * labelLines + 1},
        {"first dimension line, after leaders and extension lines",
         line + hiddenLine + line + line + hiddenLine + recordBytes(leaderWith(3, "1E400")),
         readLineFile, RecordKind::DimensionLine, 0, 5 * lineLines + 1},
        {"second leader", line + recordBytes(leaderWith(0, "maybe")), readLineFile,
         RecordKind::LeaderLine, 1, lineLines + 1},
        {"first end marker", QByteArray("Maybe\r\n").repeated(15), readMarkerFile,
         RecordKind::EndMarker, 0, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        AnnotationStore store;
        const ObjectFileRead read = c.read(c.bytes, store);
        ASSERT_TRUE(read.damaged.has_value());
        EXPECT_EQ(read.damaged->kind, c.kind);
        EXPECT_EQ(read.damaged->index, c.index);
        EXPECT_EQ(read.damaged->line, c.line);
    }
    AnnotationStore store;
    EXPECT_FALSE(readLabelFile(label + hiddenLabel + hiddenLabel, store).damaged);
}

struct FieldCase
{
    int line;
    const char *text;
    std::optional<std::int16_t> borderWidth; // nothing: the record is refused
};

class LineFields : public ::testing::TestWithParam<FieldCase>
{
};

TEST_P(LineFields, IntegersRoundHalvesToEvenAndOverflowRefusesTheRecord)
{
    const FieldCase c = GetParam();
    AnnotationStore store;
    readLineFile(recordBytes(leaderWith(c.line, c.text)) + recordBytes(leader(false, 0)), store);
    if (!c.borderWidth) {
        EXPECT_EQ(store.lineHikidashi.UBound(), 0);
        EXPECT_FALSE(store.lineHikidashi[0].Visible);
        return;
    }
    ASSERT_EQ(store.lineHikidashi.UBound(), 1);
    EXPECT_EQ(store.lineHikidashi[0].BorderWidth, *c.borderWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Reader, LineFields,
    ::testing::Values(FieldCase{7, "2.5", 2}, FieldCase{7, "3.5", 4}, FieldCase{7, "-0.5", 0},
                      FieldCase{7, " 7 mm", 7}, FieldCase{7, "junk", 0},
                      FieldCase{7, "32767.4", 32767}, FieldCase{7, "32767.5", std::nullopt},
                      FieldCase{7, "-40000", std::nullopt},
                      FieldCase{6, "4294967296", std::nullopt},
                      FieldCase{2, "1E39", std::nullopt}, FieldCase{2, "-1E999", std::nullopt},
                      FieldCase{2, "3E38", 1}, FieldCase{2, "NaN", 1}));

TEST(ObjectFileReader, ColoursAreSigned32BitNumbers)
{
    AnnotationStore store;
    readLineFile(recordBytes(leaderWith(6, "-2147483643")) + recordBytes(leaderWith(6, "255.5"))
                     + recordBytes(leader(false, 0)),
                 store);
    EXPECT_EQ(store.lineHikidashi[0].BorderColor, SystemWindowColor);
    EXPECT_EQ(store.lineHikidashi[1].BorderColor, 256u);
}

TEST(ObjectFileReader, TextLabelTemplateStaysHiddenAndNoLeftoverRemains)
{
    // A dimension spare, then a visible template, two labels and the end of the file.
    const QByteArray bytes = recordBytes(textLabel(false, {})) + recordBytes(textLabel(true, "T"))
                             + recordBytes(textLabel(true, "a"))
                             + recordBytes(textLabel(true, "b"));
    AnnotationStore store;
    EXPECT_TRUE(readLabelFile(bytes, store));
    ASSERT_EQ(store.lblMoji.UBound(), 2);
    EXPECT_FALSE(store.lblMoji[0].Visible);
    EXPECT_EQ(store.lblMoji[0].Caption, QStringLiteral("T"));
    EXPECT_EQ(store.lblMoji[2].Caption, QStringLiteral("b"));

    // Cut short inside the third label: the two before stay, no hidden element is left on top.
    AnnotationStore cut;
    EXPECT_FALSE(readLabelFile(bytes + recordBytes(textLabel(true, "c")).left(20), cut));
    EXPECT_EQ(elements(cut.lblMoji), elements(store.lblMoji));
}

TEST(ObjectFileReader, CollectionsStopAtIndex32767)
{
    QByteArray leaders;
    for (int i = 0; i < 40000; ++i)
        leaders += recordBytes(leader(true, float(i)));
    AnnotationStore store;
    EXPECT_FALSE(readLineFile(leaders, store));
    ASSERT_EQ(store.lineHikidashi.UBound(), 32767);
    EXPECT_TRUE(store.lineHikidashi[32766].Visible);
    EXPECT_FALSE(store.lineHikidashi[32767].Visible) << "the spare stays free";

    QByteArray labels = recordBytes(textLabel(false, {})) + recordBytes(textLabel(false, {}));
    for (int i = 0; i < 33000; ++i)
        labels += recordBytes(textLabel(true, QString::number(i)));
    EXPECT_FALSE(readLabelFile(labels, store));
    ASSERT_EQ(store.lblMoji.UBound(), 32767);
    EXPECT_TRUE(store.lblMoji[32767].Visible);
    EXPECT_EQ(store.lblMoji[32767].Caption, QStringLiteral("32766"));
}

} // namespace

TEST_F(BookFolders, AnObjectFilePastTheReadLimitIsNotReadWhole)
{
    // The golden line file padded with blank lines after its last record to the limit exactly,
    // and to one byte past it.
    constexpr qint64 Limit = 32 * 1024 * 1024;
    for (const qint64 size : {Limit, Limit + 1}) {
        copyGoldenBook("survey", book.path());
        QByteArray bytes = goldenBytes("survey_Line.Bin");
        bytes += QByteArray(size - bytes.size(), '\n');
        writeBytes(inBook("survey_Line.Bin"), bytes);
        RecordBookContent content;
        const RecordBookLoadResult result = load(content);
        EXPECT_EQ(result.lineFile.complete, size == Limit) << size;
        EXPECT_TRUE(result.textFile.complete) << size;
        EXPECT_EQ(content.annotations.lineDsSave.UBound(), 2) << "what was read stays, " << size;
    }
}

TEST(FileLookup, ANameInOtherLetterCaseIsFoundUnlessItIsAmbiguous)
{
    QTemporaryDir first, second;
    const auto make = [](const QTemporaryDir &dir, const char *name) {
        writeBytes(QDir(dir.path()).filePath(QLatin1String(name)), "x");
    };
    make(first, "Book_Text.Bin");
    make(first, "BOOK_LINE.BIN");
    make(first, "book_shape.bin");
    make(first, "BOOK_SHAPE.BIN");
    make(second, "Book_Shape.Bin");
    make(second, "PHOTO.JPG");
    struct Row
    {
        const char *wanted;
        QString found; // folder-relative: "1/…" or "2/…"; empty for none
        bool ambiguous;
    };
    const Row rows[] = {
        {"Book_Text.Bin", "1/Book_Text.Bin", false},  // exact
        {"Book_Line.Bin", "1/BOOK_LINE.BIN", false},  // one match but for case
        {"Book_Shape.Bin", {}, true},                 // two in the first folder: none taken
        {"photo.jpg", "2/PHOTO.JPG", false},          // from the second folder
        {"missing.jpg", {}, false},
    };
    for (const Row &row : rows) {
        const FoundFile found =
            findFileInFolders(QLatin1String(row.wanted), {first.path(), second.path()});
        QString expected;
        if (!row.found.isEmpty())
            expected = QDir(row.found.startsWith(u'1') ? first.path() : second.path())
                           .filePath(row.found.mid(2));
        EXPECT_EQ(found.path, expected) << row.wanted;
        EXPECT_EQ(found.ambiguous, row.ambiguous) << row.wanted;
    }
}

TEST_F(BookFolders, ObjectFilesInOtherLetterCaseAreRead)
{
    copyGoldenBook("survey", book.path());
    QFile::rename(inBook("survey_Line.Bin"), inBook("SURVEY_LINE.BIN"));
    RecordBookContent content;
    RecordBookLoadResult result = load(content);
    EXPECT_EQ(result.lineFile.path, inBook("SURVEY_LINE.BIN"));
    EXPECT_EQ(content.annotations.lineDsSave.UBound(), 2);

    writeBytes(inBook("Survey_Line.bin"), goldenBytes("survey_Line.Bin"));
    result = load(content);
    EXPECT_TRUE(result.lineFile.ambiguous);
    EXPECT_TRUE(result.lineFile.path.isEmpty());
    EXPECT_EQ(result.lineFile.name, QStringLiteral("survey_Line.Bin"));
}
