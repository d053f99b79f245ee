// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpenSample.h"
#include "document/AnnotationStore.h"
#include "measure/PointerEvents.h"
#include "measure/WeightTable.h"
#include "platform/Cp932.h"
#include "recordbook/CatchTemplate.h"
#include "measure/CatchWeight.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

WeightTable oneSpeciesTable()
{
    return parseWeightTable(cp932::encode(QStringLiteral("名前\t学名\ta\tb\t長さ\t出典\r\n"
                                                         "スズキ\tL. j.\t0.01\t3\t全長\tある論文\r\n"))
                                .bytes);
}

void keep(AnnotationStore &objects, const QString &caption)
{
    AnnotationLabel label = objects.lblKyori.spare();
    label.Caption = caption;
    const MarkerShape marker = objects.shpSnpo.spare();
    const AnnotationLine line = objects.lineDsSave.spare();
    objects.AppendDimension(label, line, line, line, marker, marker);
}

QString &line(AnnotationStore &objects, CatchTemplateLine which)
{
    return objects.lblMoji[templateLabel(objects, which)].Caption;
}

// Measures from left to right at mid height and keeps the dimension.
void keepAcross(OpenSample &book, float left, float right)
{
    book.run("mnuToolMes");
    if (!book.form.menus[QStringLiteral("popMesPutSen")].checked)
        book.run("popMesPutSen");
    for (const float x : {left, right}) {
        pictMap_MouseDown(book.form.measuring, 1, x, 100);
        pictMap_MouseUp(book.form.measuring, 1, x, 100);
        pictMap_MouseMove(book.form.measuring, 0, x, 100);
    }
}

} // namespace

// When the weight line is filled and when it is left as it is: never over a weight the user
// wrote, always from the longest kept length, and the girth given before stays with it.
TEST(CatchWeight, TheWeightLineFollowsTheLongestKeptLengthAndNeverTheUsersWeight)
{
    struct Case
    {
        const char *name;
        bool withTemplate;
        const char *title;
        const char *weight;     // what the user's weight line holds after "重さ："
        const char *captions;   // kept dimensions, '|' between them
        WeightFillRequest request;
        WeightFill outcome;
        const char *weightAfter;
    };
    const ScaleValues scale;
    const Case cases[] = {
        {"no template", false, "", "", "40.0cm ", {}, WeightFill::NoWeightLine, ""},
        {"weighed by hand", true, "スズキ", "1.2kg", "40.0cm ", {}, WeightFill::WeighedByHand, "1.2kg"},
        {"nothing kept", true, "スズキ", "", "", {}, WeightFill::NoLength, ""},
        {"no length kept", true, "スズキ", "", "1.25ft", {}, WeightFill::NoLength, ""},
        {"unknown species", true, "メバル", "", "40.0cm ", {}, WeightFill::UnknownSpecies, ""},
        {"longest of three", true, "スズキ", "", "12.0cm |40.0±0.2cm |1.25ft", {},
         WeightFill::Written, "640g±10g (推定)"},
        {"an earlier estimate is redone", true, "スズキ", "9g (推定)", "40.0±0.2cm ", {},
         WeightFill::Written, "640g±10g (推定)"},
        {"the girth stays", true, "スズキ", "1g (推定)、胴回り 25.0cm で 1g (推定)",
         "40.0±0.2cm ", {}, WeightFill::Written, "640g±10g (推定)、胴回り 25.0cm で 860g (推定)"},
        {"a girth for an unknown species", true, "メバル", "", "40.0cm ", {true, 250.0},
         WeightFill::Written, "胴回り 25.0cm で 860g (推定)"},
        {"the girth taken away", true, "メバル", "胴回り 25.0cm で 860g (推定)", "40.0cm ",
         {true, std::nullopt}, WeightFill::Written, ""},
    };
    const WeightTable table = oneSpeciesTable();
    for (const Case &c : cases) {
        AnnotationStore objects;
        if (c.withTemplate) {
            subMakeTemplate(objects);
            line(objects, CatchTemplateLine::Title) += QString::fromUtf8(c.title);
            line(objects, CatchTemplateLine::Weight) += QString::fromUtf8(c.weight);
        }
        for (const QString &caption :
             QString::fromUtf8(c.captions).split(u'|', Qt::SkipEmptyParts))
            keep(objects, caption);

        EXPECT_EQ(fillWeightLine(objects, table, scale, c.request), c.outcome) << c.name;
        EXPECT_EQ(templateEntry(objects, CatchTemplateLine::Weight).toStdString(), c.weightAfter)
            << c.name;
    }
}

// The template's captions typed another way still hold their line: full-width or half-width
// signs and sound marks read as the template's; what follows is the entry as typed.
TEST(CatchTemplate, CaptionsTypedInAnyWidthFindTheirLine)
{
    struct Row
    {
        CatchTemplateLine line;
        const char16_t *caption;
        const char16_t *entry; // nullptr: the line is not found
    };
    const Row rows[] = {
        {CatchTemplateLine::Title, u">゜)))彡 マダイ", u"マダイ"},
        {CatchTemplateLine::Title, u"＞゜）））彡　マダイ", u"マダイ"},
        {CatchTemplateLine::Title, u">ﾟ)))彡 ﾏﾀﾞｲ", u"ﾏﾀﾞｲ"},
        {CatchTemplateLine::Title, u">゚)))彡マダイ", u"マダイ"},
        {CatchTemplateLine::Title, u"<゜)))彡 マダイ", nullptr},
        {CatchTemplateLine::Title, u">゜))彡 マダイ", nullptr},
        {CatchTemplateLine::BodyLength, u"体長:38cm", u"38cm"},
    };
    for (const Row &row : rows) {
        AnnotationStore objects;
        subMakeTemplate(objects);
        for (int i = 1; i <= objects.lblMoji.UBound(); ++i)
            objects.lblMoji[i].Caption = QStringLiteral("他の行");
        objects.lblMoji[3].Caption = QString::fromUtf16(row.caption);
        const std::string caption = QString::fromUtf16(row.caption).toStdString();
        EXPECT_EQ(templateLabel(objects, row.line), row.entry ? 3 : -1) << caption;
        EXPECT_EQ(templateEntry(objects, row.line),
                  row.entry ? QString::fromUtf16(row.entry) : QString())
            << caption;
    }
}

// Through the window: with the choice on, keeping the fish's length fills the sample's weight
// line from the bundled table, and one undo takes the dimension and the estimate back together.
TEST(CatchWeight, KeepingFillsTheWeightLineAndOneUndoTakesBothBack)
{
    OpenSample book;
    ASSERT_TRUE(QFile::copy(QStringLiteral(BUNDLED_WEIGHT_TABLE),
                            book.folder.filePath(QStringLiteral("weight-table.txt"))));
    AnnotationStore &objects = book.form.annotations;
    // Turned on over a weight the user wrote, the choice leaves it alone.
    line(objects, CatchTemplateLine::Weight) = QStringLiteral("重さ：1kg");
    book.run("mnuWeightOnKeep");
    ASSERT_TRUE(book.form.menus[QStringLiteral("mnuWeightOnKeep")].checked);
    EXPECT_EQ(templateEntry(objects, CatchTemplateLine::Weight), QStringLiteral("1kg"));
    line(objects, CatchTemplateLine::Title) = QStringLiteral(">゜)))彡 ブラックバス");
    line(objects, CatchTemplateLine::Weight) = QStringLiteral("重さ：");
    const int dimensions = objects.dimensionCount();

    keepAcross(book, 20, 180);
    ASSERT_EQ(objects.dimensionCount(), dimensions + 1);
    const QString weight = templateEntry(objects, CatchTemplateLine::Weight);
    EXPECT_TRUE(weight.endsWith(QStringLiteral(" (推定)"))) << weight.toStdString();
    EXPECT_TRUE(book.platform.messages.empty());

    book.run("mnuEditUndo");
    EXPECT_EQ(objects.dimensionCount(), dimensions);
    EXPECT_TRUE(templateEntry(objects, CatchTemplateLine::Weight).isEmpty());

    // A species the table lacks is told once, with the ones it has, and the line stays empty;
    // the next dimension kept under the same title is not told again.
    line(objects, CatchTemplateLine::Title) = QStringLiteral(">゜)))彡 アオリイカ");
    book.run("mnuWeightOnKeep");
    book.run("mnuWeightOnKeep");
    keepAcross(book, 30, 170);
    ASSERT_EQ(book.platform.messages.size(), 1u);
    const QString told = book.platform.messages[0].text;
    EXPECT_TRUE(told.startsWith(QStringLiteral("「アオリイカ」は重さの換算表にありません。"))) << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("オオクチバス、"))) << told.toStdString();
    EXPECT_TRUE(templateEntry(objects, CatchTemplateLine::Weight).isEmpty());

    // Without the title's marker the message shows how the line is written.
    line(objects, CatchTemplateLine::Title) = QStringLiteral("マダイ");
    keepAcross(book, 40, 160);
    ASSERT_EQ(book.platform.messages.size(), 2u);
    EXPECT_TRUE(book.platform.messages[1].text.startsWith(
        QStringLiteral("重さを推定するには、「>゜)))彡 マダイ」のように")));
}

// The girth as the user types it at the prompt: bad input is asked again with a word, a cancel
// changes nothing, and an empty answer takes the girth estimate away.
TEST(CatchWeight, TheGirthPromptAsksAgainUntilItCanUseTheAnswer)
{
    struct Case
    {
        const char *name;
        std::vector<std::optional<QString>> answers;
        std::size_t warnings;
        const char *weightAfter; // the sample's fish is 38.0 cm long
    };
    const Case cases[] = {
        {"typed", {QStringLiteral("25")}, 0, "胴回り 25.0cm で 820g (推定)"},
        {"full width with its unit", {QStringLiteral("２５．０ｃｍ")}, 0, "胴回り 25.0cm で 820g (推定)"},
        {"not a number, then a number", {QStringLiteral("太い"), QStringLiteral("25")}, 1, "胴回り 25.0cm で 820g (推定)"},
        {"longer than twice the fish", {QStringLiteral("900"), std::nullopt}, 1, "1g (推定)"},
        {"negative, then cancelled", {QStringLiteral("-3"), std::nullopt}, 1, "1g (推定)"},
        {"emptied", {QString()}, 0, ""},
    };
    for (const Case &c : cases) {
        OpenSample book;
        ASSERT_TRUE(QFile::copy(QStringLiteral(BUNDLED_WEIGHT_TABLE),
                                book.folder.filePath(QStringLiteral("weight-table.txt"))));
        AnnotationStore &objects = book.form.annotations;
        line(objects, CatchTemplateLine::Title) = QStringLiteral(">゜)))彡 ?");
        line(objects, CatchTemplateLine::Weight) = QStringLiteral("重さ：1g (推定)");
        book.platform.textAnswers.assign(c.answers.begin(), c.answers.end());
        book.run("mnuWeightGirth");
        EXPECT_EQ(book.platform.messages.size(), c.warnings) << c.name;
        EXPECT_TRUE(book.platform.textAnswers.empty()) << c.name;
        const QString weight = templateEntry(objects, CatchTemplateLine::Weight);
        EXPECT_EQ(weight.toStdString(), c.weightAfter) << c.name;
    }
}
