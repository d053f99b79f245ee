// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/WeightEstimate.h"
#include "measure/WeightTable.h"
#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace {

const WeightTable &bundledTable()
{
    static const WeightTable table = *loadWeightTable(QStringLiteral(BUNDLED_WEIGHT_TABLE));
    return table;
}

QByteArray cp932Lines(const char *utf8)
{
    return cp932::encode(QString::fromUtf8(utf8).replace(u'\n', QStringLiteral("\r\n"))).bytes;
}

} // namespace

// The bundled table against weights its sources print, each within the rounding it was printed
// with: the table's rows must be the sources' relations, converted to centimetres right.
TEST(WeightTable, BundledRowsGiveTheWeightsTheirSourcesPrint)
{
    struct Case
    {
        const char *title;
        double lengthCm;
        double printedGrams;
        double lastDigit; // the printed value's rounding step
    };
    const Case cases[] = {
        // Standard length at ages 1, 2 and 3, and at the fastest growth (Seto Inland Sea).
        {"イシモチ", 9.7, 22.6, 0.1},
        {"シログチ", 15.7, 86.7, 0.1},
        {"イシモチ", 20.2, 175.2, 0.1},
        {"イシモチ", 19.5, 159, 1},
        // Total length at first maturity and at the largest size, worked from the relation.
        {"ワカサギ", 6.5, 1.44, 0.01},
        {"ワカサギ", 17, 30, 1},
        {"カラフトマス", 45, 1420, 10},
        {"カラフトマス", 76, 7130, 10},
        {"真鯛", 34.3, 578, 1},
        {"マダイ", 100, 14800, 100},
        {"アジ", 19, 67.3, 0.1},
        // The standard weight of a 500 mm largemouth bass: "about 2 kg".
        {"ブラックバス", 50, 2000, 100},
    };
    for (const Case &c : cases) {
        const SpeciesWeight *species = bundledTable().find(QString::fromUtf8(c.title));
        ASSERT_NE(species, nullptr) << c.title;
        EXPECT_NEAR(species->grams(c.lengthCm), c.printedGrams, c.lastDigit / 2)
            << c.title << " at " << c.lengthCm << " cm";
    }
}

TEST(WeightTable, BundledTableReadsWhole)
{
    const WeightTable &table = bundledTable();
    EXPECT_TRUE(table.problems.isEmpty()) << table.problems.join(u'\n').toStdString();
    EXPECT_GE(table.species.size(), 20u);
    EXPECT_EQ(bundledTable().find(QStringLiteral("マサバ"))->kind, LengthKind::Fork);
}

// Faulty rows are left out, each with its line number and why; the good rows around them stay.
// A spreadsheet's UTF-8 with a byte order mark reads as well as code page 932.
TEST(WeightTable, FaultyRowsAreToldAndTheRestKept)
{
    const char *text = "# 説明\n"
                       "名前\t学名\ta\tb\t長さ\t出典\n"
                       "スズキ/シーバス\tL. j.\t0.01\t3.0\t全長\tある論文\n"
                       "アジ\tT. j.\t0.01\t3.0\t全長\n"
                       "サバ\tS. j.\t-0.01\t3.0\t全長\tある論文\n"
                       "タイ\tP. m.\t0.01\t4.5\t全長\tある論文\n"
                       "ボラ\tM. c.\t0.01\t3.0\t背丈\tある論文\n"
                       "/\tX\t0.01\t3.0\t全長\tある論文\n"
                       "コイ\tC. c.\t0.02\t2.9\t尾叉長\t \n"
                       "フナ\tC. a.\tabc\t3.0\t全長\tある論文\n";
    const QStringList expected = {
        QStringLiteral("4 行目: タブで区切られた項目が 5 個あります（6 個のはずです）"),
        QStringLiteral("5 行目: a が正の数ではありません"),
        QStringLiteral("6 行目: b が 2 から 4 の数ではありません"),
        QStringLiteral("7 行目: 長さの種類が「全長」「尾叉長」「標準体長」「体長」のどれでもありません"),
        QStringLiteral("8 行目: 名前がありません"),
        QStringLiteral("9 行目: 出典がありません"),
        QStringLiteral("10 行目: a が正の数ではありません"),
    };
    for (const QByteArray &bytes : {QByteArray("\xEF\xBB\xBF") + QByteArray(text).replace("\n", "\r\n"),
                                    cp932::encode(QString::fromUtf8(text)).bytes}) {
        const WeightTable table = parseWeightTable(bytes);
        EXPECT_EQ(table.problems, expected);
        ASSERT_EQ(table.species.size(), 1u);
        EXPECT_EQ(table.species[0].names, QStringList({"スズキ", "シーバス"}));
    }
}

// The species a title names: the longest name it starts with, whatever its width or kana, and
// not a name that only begins a longer word.
TEST(WeightTable, TitlesFindTheirSpecies)
{
    const WeightTable table = parseWeightTable(cp932Lines(
        "名前\t学名\ta\tb\t長さ\t出典\n"
        "マス\tA\t0.01\t3\t全長\ts\n"
        "ニジマス/レインボートラウト\tB\t0.01\t3\t全長\ts\n"
        "アジ\tC\t0.01\t3\t全長\ts\n"));
    struct Case
    {
        const char *title;
        const char *found; // null: none
    };
    const Case cases[] = {
        {"ニジマス", "B"},          {"ﾆｼﾞﾏｽ 45cm", "B"}, {"にじます", "B"},
        {"マス", "A"},              {"アジ（尺）", "C"}, {"アジアアロワナ", nullptr},
        {"  レインボートラウト", "B"}, {"", nullptr},      {"スズキ", nullptr},
    };
    for (const Case &c : cases) {
        const SpeciesWeight *species = table.find(QString::fromUtf8(c.title));
        EXPECT_EQ(species ? species->scientificName.toStdString() : std::string("none"),
                  c.found ? c.found : "none")
            << c.title;
    }
}

TEST(WeightEstimate, GramsShowTheirStepAndThePlusMinusRoundsUp)
{
    struct Case
    {
        double grams;
        double plusMinus; // < 0: none
        const char *text;
    };
    const Case cases[] = {
        {99.4, -1, "99g"},         {99.6, -1, "100g"},        {994, -1, "990g"},
        {995, -1, "1.00kg"},       {1234, 12, "1.23kg±0.02kg"}, {50, 0.2, "50g±1g"},
        {820, 21, "820g±30g"},     {0.4, -1, "0g"},
    };
    for (const Case &c : cases) {
        const std::optional<double> plusMinus =
            c.plusMinus < 0 ? std::nullopt : std::optional<double>(c.plusMinus);
        EXPECT_EQ(gramsText(c.grams, plusMinus).toStdString(), c.text) << c.grams;
    }
}

// The girth formula against the worked examples anglers' guides print: 29 in long and 15 in
// round is 8.16 lb; 31 in and 16 in is 9.92 lb.
TEST(WeightEstimate, GirthFormulaGivesTheGuidesPounds)
{
    constexpr double MmPerInch = 25.4;
    constexpr double GramsPerPound = 453.59237;
    EXPECT_NEAR(girthFormulaGrams(29 * MmPerInch, 15 * MmPerInch) / GramsPerPound, 8.16, 0.005);
    EXPECT_NEAR(girthFormulaGrams(31 * MmPerInch, 16 * MmPerInch) / GramsPerPound, 9.92, 0.005);
}

// The line says which estimate is which, the length kind the relation needs when it is not the
// total length, and keeps its girth for the next estimate; a weight the user wrote is not one.
TEST(WeightEstimate, EntriesNameTheirEstimatesAndKeepTheGirth)
{
    SpeciesWeight total{{"A"}, {}, 0.01, 3, LengthKind::Total, QStringLiteral("s")};
    SpeciesWeight fork = total;
    fork.kind = LengthKind::Fork;
    struct Case
    {
        const SpeciesWeight *species;
        double girthMm; // 0: none
        const char *entry;
    };
    const Case cases[] = {
        {&total, 0, "640g±10g (推定)"},
        {&fork, 0, "640g±10g (推定・尾叉長)"},
        {nullptr, 250, "胴回り 25.0cm で 860g (推定)"},
        {&total, 250, "640g±10g (推定)、胴回り 25.0cm で 860g (推定)"},
    };
    for (const Case &c : cases) {
        WeightEstimateInput input{c.species, 400, 2, std::nullopt};
        if (c.girthMm > 0)
            input.girthMm = c.girthMm;
        const QString entry = weightEntry(input);
        EXPECT_EQ(entry.toStdString(), c.entry);
        EXPECT_TRUE(isEstimatedEntry(entry));
        EXPECT_EQ(girthInEntry(entry), input.girthMm) << c.entry;
    }
    EXPECT_FALSE(isEstimatedEntry(QStringLiteral("1.2kg")));
    EXPECT_FALSE(girthInEntry(QStringLiteral("胴回り 25.0cm で 1.2kg (量った)")));
    EXPECT_TRUE(isEstimatedEntry(QStringLiteral("  ")));
}
