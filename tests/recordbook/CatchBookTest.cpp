// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/LabelMetrics.h"
#include "output/CatchBook.h"
#include "recordbook/CatchTemplate.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

void addText(AnnotationStore &objects, const QString &caption, bool visible = true)
{
    AnnotationLabel &label = objects.lblMoji[*objects.CreateTextLabel()];
    label.Caption = caption;
    label.Visible = visible;
}

void keep(AnnotationStore &objects, const QString &caption, const QString &comment)
{
    AnnotationLabel label = objects.lblKyori.spare();
    label.Caption = caption;
    label.ToolTipText = comment;
    const MarkerShape marker = objects.shpSnpo.spare();
    const AnnotationLine line = objects.lineDsSave.spare();
    objects.AppendDimension(label, line, line, line, marker, marker);
}

} // namespace

// Lengths as the captions show them; the template's entries after their captions, the first
// visible label of each winning; quotes, commas and line breaks survive the CSV.
TEST(CatchBook, RowsTakeCaptionsAsShownAndTheTemplatesEntries)
{
    AnnotationStore objects;
    subMakeTemplate(objects);
    addText(objects, QStringLiteral("重さ：9.9kg"), false); // hidden: not the record
    objects.lblMoji[1].Caption = QStringLiteral(">゜)))彡 マダイ");
    objects.lblMoji[3].Caption = QStringLiteral("重さ：1.2kg");
    addText(objects, QStringLiteral("重さ：2.0kg")); // a second one: the first wins
    keep(objects, QStringLiteral("38.0cm "), QStringLiteral("全長, \"尾叉\"\n2 行目"));
    keep(objects, QStringLiteral("1.25ft"), QString());
    keep(objects, QStringLiteral("7cm"), QString());
    keep(objects, QStringLiteral("38.0±0.4cm "), QString());
    keep(objects, QStringLiteral("1ft 3 1/4in "), QString());

    const std::vector<CatchRow> rows = catchRows(QStringLiteral("/b/book.ini"),
                                                 QStringLiteral("catch.jpg"), objects);
    ASSERT_EQ(rows.size(), 5u) << "the spare on top is no dimension";
    struct Expected
    {
        const char *caption, *cm, *inches;
    };
    const Expected expected[] = {{"38.0cm", "38.0", "14.96"}, {"1.25ft", "", ""}, {"7cm", "7", "2.76"},
                                 {"38.0±0.4cm", "38.0", "14.96"}, {"1ft 3 1/4in", "38.7", "15.25"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rows[i].dimension, i + 1);
        EXPECT_EQ(rows[i].caption.toStdString(), expected[i].caption);
        EXPECT_EQ(rows[i].cm.toStdString(), expected[i].cm);
        EXPECT_EQ(rows[i].inches.toStdString(), expected[i].inches);
        EXPECT_EQ(rows[i].species.toStdString(), "マダイ");
        EXPECT_EQ(rows[i].weight.toStdString(), "1.2kg");
        EXPECT_TRUE(rows[i].angler.isEmpty()) << "a caption left as the template has it";
    }

    const QByteArray csv = catchBookCsv(rows);
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF\"記録帳\",\"画像\",\"寸法番号\""));
    EXPECT_TRUE(csv.contains("\"全長, \"\"尾叉\"\"\n2 行目\""));
    EXPECT_EQ(csv.count("\r\n"), 6) << "a header and five rows";

    const QList<QByteArray> lines = catchBookJsonLines(rows).split('\n');
    ASSERT_EQ(lines.size(), 6); // and an empty one after the last line break
    const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
    EXPECT_EQ(first.value(QLatin1String("dimension")).toInt(), 1);
    EXPECT_EQ(first.value(QLatin1String("comment")).toString(),
              QStringLiteral("全長, \"尾叉\"\n2 行目"));
}

// A cell that a spreadsheet would evaluate as a formula gets an apostrophe before it in the CSV,
// in whichever column it stands; a number with its sign and a lone dash stay readable as they
// are, and JSON lines keep every text as it is.
TEST(CatchBook, CsvCellsASpreadsheetWouldEvaluateStartWithAnApostrophe)
{
    const struct
    {
        const char *text, *cell;
    } rows[] = {
        {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
        {"+1+1", "\"'+1+1\""},
        {"-2+3", "\"'-2+3\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"  =1", "\"'  =1\""},
        {"\t=1", "\"'\t=1\""},
        {"\u3000=1", "\"'\u3000=1\""}, // after a full-width space
        {"-", "\"-\""},
        {"-12.5", "\"-12.5\""},
        {" +3 ", "\" +3 \""},
        {"-.5", "\"-.5\""},
        {"-1.2.3", "\"'-1.2.3\""},
        {"a=b", "\"a=b\""},
        {"", "\"\""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        const QString text = QString::fromUtf8(row.text);
        CatchRow fields{text, text, 1, text, text, text, text,
                        text, text, text, text, text, text, text, text};
        QByteArrayList cells(15, QByteArray(row.cell));
        cells[2] = "\"1\""; // the dimension's number
        EXPECT_EQ(catchBookCsv({fields}).split('\n').value(1), cells.join(',') + '\r');
        const QJsonObject json = QJsonDocument::fromJson(catchBookJsonLines({fields})).object();
        EXPECT_EQ(json.value(QLatin1String("comment")).toString(), text);
    }
}
