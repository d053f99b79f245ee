// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/AnnotationStore.h"
#include "document/LabelMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

// The six records of one kept dimension, each made recognisable by its seed.
struct Dimension
{
    AnnotationLabel label;
    AnnotationLine line, extensionA, extensionB;
    MarkerShape markerA, markerB;
};

QString tagOf(int seed)
{
    return QStringLiteral("dim %1").arg(seed);
}

AnnotationLine dimensionLine(AnnotationLine l, int seed, float offset)
{
    l.Tag = tagOf(seed);
    l.X1 = float(seed) + offset;
    l.Y1 = float(seed) * 2 + offset;
    l.X2 = float(seed) * 3 + offset;
    l.Y2 = float(seed) * 4 + offset;
    l.BorderColor = rgb(0, seed % 256, 0);
    l.BorderWidth = std::int16_t(1 + seed % 9);
    l.BorderStyle = std::int16_t(1 + seed % 5);
    return l;
}

MarkerShape marker(MarkerShape m, int seed, float offset)
{
    m.Tag = tagOf(seed);
    m.Left = float(seed) + offset;
    m.Top = float(seed) * 2 + offset;
    m.BorderColor = m.FillColor = rgb(0, 0, seed % 256);
    m.BorderWidth = std::int16_t(1 + seed % 9);
    return m;
}

// Built the way the measuring code does it: from the spares, so untouched fields keep the
// collection's look.
Dimension makeDimension(const AnnotationStore &store, int seed)
{
    Dimension d;
    d.label = store.lblKyori.spare();
    d.label.Caption = QStringLiteral("%1.0cm ").arg(seed);
    d.label.ToolTipText = QStringLiteral("comment %1").arg(seed);
    d.label.Tag = tagOf(seed);
    d.label.Left = float(seed);
    d.label.Top = float(seed) * 2;
    d.label.ForeColor = rgb(seed % 256, 0, 0);
    d.label.FontSize = 8.0f + float(seed % 7);
    d.label.FontBold = seed % 2 == 0;
    d.line = dimensionLine(store.lineDsSave.spare(), seed, 0);
    d.extensionA = dimensionLine(store.lineHojoSave.spare(), seed, 100);
    d.extensionB = dimensionLine(store.lineHojoSave.spare(), seed, 200);
    d.markerA = marker(store.shpSnpo.spare(), seed, 100);
    d.markerB = marker(store.shpSnpo.spare(), seed, 200);
    return d;
}

std::optional<int> append(AnnotationStore &store, int seed)
{
    const Dimension d = makeDimension(store, seed);
    return store.AppendDimension(d.label, d.line, d.extensionA, d.extensionB, d.markerA,
                                 d.markerB);
}

template <class T>
T shown(T record)
{
    record.Visible = true;
    return record;
}

void expectDimensionAt(const AnnotationStore &store, int i, const Dimension &d)
{
    SCOPED_TRACE(i);
    AnnotationLabel label = shown(d.label);
    autoSize(label);
    EXPECT_EQ(store.lblKyori[i], label);
    EXPECT_EQ(store.lineDsSave[i], shown(d.line));
    EXPECT_EQ(store.lineHojoSave[2 * i], shown(d.extensionA));
    EXPECT_EQ(store.lineHojoSave[2 * i + 1], shown(d.extensionB));
    EXPECT_EQ(store.shpSnpo[2 * i], shown(d.markerA));
    EXPECT_EQ(store.shpSnpo[2 * i + 1], shown(d.markerB));
}

testing::AssertionResult inShape(const AnnotationStore &store)
{
    QString why;
    if (store.invariantsHold(&why))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << why.toStdString();
}

// Element 0 alone, hidden as the spare.
void expectEmptyDimensions(const AnnotationStore &s)
{
    for (int top : {s.lblKyori.UBound(), s.lineDsSave.UBound(), s.lineHojoSave.UBound(),
                    s.shpSnpo.UBound()})
        EXPECT_EQ(top, 0);
    EXPECT_TRUE(inShape(s));
}

template <class T>
bool sameElements(const AnnotationCollection<T> &a, const AnnotationCollection<T> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

TEST(AnnotationStore, FirstKeptDimensionLeavesSparesOnTop)
{
    AnnotationStore store;
    const Dimension d = makeDimension(store, 7);
    EXPECT_EQ(store.AppendDimension(d.label, d.line, d.extensionA, d.extensionB, d.markerA,
                                    d.markerB),
              0);

    EXPECT_EQ(store.lblKyori.UBound(), 1);
    EXPECT_EQ(store.lineDsSave.UBound(), 1);
    EXPECT_EQ(store.lineHojoSave.UBound(), 2);
    EXPECT_EQ(store.shpSnpo.UBound(), 2);
    expectDimensionAt(store, 0, d);
    EXPECT_FALSE(store.lblKyori[1].Visible);
    EXPECT_EQ(store.lineHojoSave[2].BorderStyle, BorderSolid);
    EXPECT_EQ(store.lineHojoSave[2].BorderWidth, 1);
    EXPECT_TRUE(inShape(store));
}

TEST(AnnotationStore, KeptLabelIsSizedToItsFinalFont)
{
    AnnotationStore store;
    Dimension d = makeDimension(store, 3);
    setCaption(d.label, d.label.Caption); // sized in the spare's font for centring ...
    d.label.FontSize = 20;                // ... then the default style's font is applied
    store.AppendDimension(d.label, d.line, d.extensionA, d.extensionB, d.markerA, d.markerB);
    EXPECT_FLOAT_EQ(store.lblKyori[0].Height, float(labelExtentMm(store.lblKyori[0]).height()));
    EXPECT_GT(store.lblKyori[0].Height, d.label.Height);
}

TEST(AnnotationStore, RemovingTheOnlyDimensionLeavesHiddenElement0)
{
    AnnotationStore store;
    append(store, 1);
    store.RemoveDimension(0);
    expectEmptyDimensions(store);
}

class RemoveOneOfThree : public testing::TestWithParam<int>
{
};

TEST_P(RemoveOneOfThree, SurvivorsKeepTheirOwnPartsTogether)
{
    AnnotationStore store;
    std::vector<Dimension> kept;
    for (int seed : {11, 22, 33}) {
        kept.push_back(makeDimension(store, seed));
        append(store, seed);
    }

    store.RemoveDimension(GetParam());
    kept.erase(kept.begin() + GetParam());

    ASSERT_EQ(store.dimensionCount(), 2);
    for (int i = 0; i < 2; ++i)
        expectDimensionAt(store, i, kept[std::size_t(i)]);
    EXPECT_EQ(store.lineHojoSave.UBound(), 4);
    EXPECT_EQ(store.shpSnpo.UBound(), 4);
    EXPECT_TRUE(inShape(store));
}

INSTANTIATE_TEST_SUITE_P(AnnotationStore, RemoveOneOfThree, testing::Values(0, 1, 2));

TEST(AnnotationStore, ClearDimensionsLeavesHiddenElement0AndAppendStartsAgainAt0)
{
    AnnotationStore store;
    for (int seed = 1; seed <= 3; ++seed)
        append(store, seed);
    store.ClearDimensions();
    expectEmptyDimensions(store);
    EXPECT_EQ(append(store, 9), 0);
    EXPECT_TRUE(inShape(store));
}

TEST(AnnotationStore, NewTextLabelIsHiddenCopyOfTemplateWithTheHint)
{
    AnnotationStore store;
    EXPECT_EQ(store.CreateTextLabel(), 1);
    EXPECT_FALSE(store.lblMoji[1].Visible);
    EXPECT_EQ(store.lblMoji[1].ToolTipText,
              QStringLiteral("「ツール」「文字列」選択後　ダブルクリックで入力"));
    EXPECT_EQ(store.lblMoji[1].FontName, QStringLiteral("ＭＳ Ｐゴシック"));
}

AnnotationLabel textLabel(int seed)
{
    AnnotationLabel l;
    l.Visible = true;
    l.Caption = QString(seed, QLatin1Char('x'));
    l.ToolTipText = QStringLiteral("note %1").arg(seed);
    l.Tag = QStringLiteral("t%1").arg(seed);
    l.Left = float(seed) * 5;
    l.Top = float(seed) * 7;
    l.ForeColor = rgb(seed * 40, 0, 0);
    l.BackColor = rgb(0, seed * 40, 0);
    l.BackStyle = std::int16_t(seed % 2);
    l.BorderStyle = std::int16_t((seed + 1) % 2);
    l.FontName = seed % 2 ? QStringLiteral("ＭＳ ゴシック") : QStringLiteral("ＭＳ Ｐゴシック");
    l.FontSize = 6.0f + float(seed) * 3;
    l.FontItalic = seed % 2 == 1;
    l.FontUnderline = seed == 3;
    autoSize(l);
    return l;
}

class RemoveTextLabel : public testing::TestWithParam<int>
{
};

TEST_P(RemoveTextLabel, LaterLabelsMoveWithTheirOwnLook)
{
    AnnotationStore store;
    std::vector<AnnotationLabel> labels;
    for (int seed = 1; seed <= 4; ++seed) {
        const int n = *store.CreateTextLabel();
        AnnotationLabel l = textLabel(seed);
        l.Alignment = store.lblMoji[n].Alignment;
        store.lblMoji[n] = l;
        labels.push_back(l);
    }

    store.RemoveTextLabel(GetParam());
    labels.erase(labels.begin() + (GetParam() - 1));

    ASSERT_EQ(store.lblMoji.UBound(), 3);
    for (int j = 1; j <= 3; ++j)
        EXPECT_EQ(store.lblMoji[j], labels[std::size_t(j - 1)]) << "label " << j;
    EXPECT_TRUE(inShape(store));
}

INSTANTIATE_TEST_SUITE_P(AnnotationStore, RemoveTextLabel, testing::Values(1, 2, 4));

TEST(AnnotationStore, ClearingTextLabelsWhenNoneExistKeepsTheHiddenTemplate)
{
    AnnotationStore store;
    const AnnotationLabel templ = store.lblMoji[0];
    store.ClearTextLabels();
    store.RemoveTextLabel(0);
    EXPECT_EQ(store.lblMoji.UBound(), 0);
    EXPECT_EQ(store.lblMoji[0], templ);
}

TEST(AnnotationStore, DimensionRefusedWholeWhenExtensionLinesAreFull)
{
    AnnotationStore store;
    append(store, 1);
    // Room for one more extension line but not for the two a dimension needs.
    for (int n = store.lineHojoSave.UBound() + 1; n <= 32766; ++n)
        ASSERT_TRUE(store.lineHojoSave.CreateElement(n));
    const AnnotationStore before = store;

    EXPECT_FALSE(append(store, 2));

    EXPECT_TRUE(sameElements(store.lblKyori, before.lblKyori));
    EXPECT_TRUE(sameElements(store.lineDsSave, before.lineDsSave));
    EXPECT_TRUE(sameElements(store.lineHojoSave, before.lineHojoSave));
    EXPECT_TRUE(sameElements(store.shpSnpo, before.shpSnpo));
}

// The tags of the visible elements, every `stride` elements from `first`.
template <class T>
std::vector<QString> tags(const AnnotationCollection<T> &c, int first, int stride)
{
    std::vector<QString> result;
    for (int j = first; j <= c.UBound(); j += stride)
        if (c[j].Visible)
            result.push_back(c[j].Tag);
    return result;
}

std::vector<QString> tags(const std::vector<int> &seeds)
{
    std::vector<QString> result;
    for (int seed : seeds)
        result.push_back(tagOf(seed));
    return result;
}

// Append, remove and clear at random, keeping a plain model of which object sits where.
TEST(AnnotationStore, RandomEditingKeepsTheCollectionsInShape)
{
    AnnotationStore store;
    std::mt19937 random(20240611);
    std::vector<int> dimensions, texts, leaders;
    auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below)(random); };

    for (int step = 0; step < 3000; ++step) {
        const int seed = step + 1;
        switch (pick(9)) {
        case 0: case 1: case 2:
            ASSERT_TRUE(append(store, seed));
            dimensions.push_back(seed);
            break;
        case 3: { // may hit the spare dimension, which must change nothing
            const int k = pick(int(dimensions.size()));
            store.RemoveDimension(k);
            if (k < int(dimensions.size()))
                dimensions.erase(dimensions.begin() + k);
            break;
        }
        case 4: {
            const int n = *store.CreateTextLabel();
            store.lblMoji[n].Visible = true;
            store.lblMoji[n].Tag = tagOf(seed);
            texts.push_back(seed);
            break;
        }
        case 5: { // 0 is the template, which must stay
            const int k = pick(int(texts.size()));
            store.RemoveTextLabel(k);
            if (k > 0)
                texts.erase(texts.begin() + (k - 1));
            break;
        }
        case 6:
            store.lineHikidashi.AppendToSpare(dimensionLine(store.lineHikidashi.spare(), seed, 0));
            leaders.push_back(seed);
            break;
        case 7: {
            const int k = pick(int(leaders.size()));
            store.RemoveLeaderLine(k);
            if (k < int(leaders.size()))
                leaders.erase(leaders.begin() + k);
            break;
        }
        default:
            switch (pick(5)) {
            case 0: store.ClearDimensions(); dimensions.clear(); break;
            case 1: store.ClearTextLabels(); texts.clear(); break;
            case 2: store.ClearLeaderLines(); leaders.clear(); break;
            default: break; // clearing is rare, so that the collections grow
            }
        }

        ASSERT_TRUE(inShape(store)) << "step " << step;
        ASSERT_EQ(tags(store.lblKyori, 0, 1), tags(dimensions)) << "step " << step;
        ASSERT_EQ(tags(store.lineDsSave, 0, 1), tags(dimensions));
        ASSERT_EQ(tags(store.lineHojoSave, 1, 2), tags(dimensions));
        ASSERT_EQ(tags(store.shpSnpo, 0, 2), tags(dimensions));
        ASSERT_EQ(tags(store.lblMoji, 1, 1), tags(texts));
        ASSERT_EQ(tags(store.lineHikidashi, 0, 1), tags(leaders));
    }
}

// Indices are signed 16-bit numbers. Text labels are 1 … 32767 over the template; leader lines
// 0 … 32766 under their spare at 32767; a dimension takes two extension lines and two markers,
// so dimension 16382 fills elements 32764 and 32765 with the spare at 32766, and dimension
// 16383 would need a spare at 32768.
struct LimitCase
{
    const char *name;
    void (*fillToOneShort)(AnnotationStore &);
    std::optional<int> (*add)(AnnotationStore &, int seed);
    int lastIndex;
};

void PrintTo(const LimitCase &c, std::ostream *os)
{
    *os << c.name;
}

const LimitCase LimitCases[] = {
    {"TextLabels",
     [](AnnotationStore &store) {
         for (int n = 1; n <= 32766; ++n) {
             ASSERT_TRUE(store.lblMoji.CreateElement(n));
             store.lblMoji[n].Visible = true;
         }
     },
     [](AnnotationStore &store, int seed) {
         const std::optional<int> n = store.CreateTextLabel();
         if (n) {
             store.lblMoji[*n].Tag = tagOf(seed);
             store.lblMoji[*n].Visible = true;
         }
         return n;
     },
     32767},
    {"LeaderLines",
     [](AnnotationStore &store) {
         for (int n = 1; n <= 32766; ++n) {
             ASSERT_TRUE(store.lineHikidashi.CreateElement(n));
             store.lineHikidashi[n - 1].Visible = true;
         }
     },
     [](AnnotationStore &store, int seed) {
         return store.lineHikidashi.AppendToSpare(
             dimensionLine(store.lineHikidashi.spare(), seed, 0));
     },
     32766},
    {"Dimensions",
     [](AnnotationStore &store) {
         for (int n = 1; n <= 16382; ++n) {
             ASSERT_TRUE(store.lblKyori.CreateElement(n));
             ASSERT_TRUE(store.lineDsSave.CreateElement(n));
             store.lblKyori[n - 1].Visible = store.lineDsSave[n - 1].Visible = true;
         }
         for (int n = 1; n <= 2 * 16382; ++n) {
             ASSERT_TRUE(store.lineHojoSave.CreateElement(n));
             ASSERT_TRUE(store.shpSnpo.CreateElement(n));
             store.lineHojoSave[n - 1].Visible = store.shpSnpo[n - 1].Visible = true;
         }
     },
     [](AnnotationStore &store, int seed) { return append(store, seed); },
     16382},
};

class AtTheLimit : public testing::TestWithParam<LimitCase>
{
};

TEST_P(AtTheLimit, TheLastSlotIsUsedAndTheNextIsRefusedWithoutAnyChange)
{
    const LimitCase &c = GetParam();
    AnnotationStore store;
    c.fillToOneShort(store);
    ASSERT_TRUE(inShape(store));

    EXPECT_EQ(c.add(store, 1), c.lastIndex);
    EXPECT_TRUE(inShape(store));
    const AnnotationStore before = store;

    EXPECT_EQ(c.add(store, 2), std::nullopt);
    EXPECT_TRUE(sameElements(store.lblKyori, before.lblKyori));
    EXPECT_TRUE(sameElements(store.lineDsSave, before.lineDsSave));
    EXPECT_TRUE(sameElements(store.lineHojoSave, before.lineHojoSave));
    EXPECT_TRUE(sameElements(store.shpSnpo, before.shpSnpo));
    EXPECT_TRUE(sameElements(store.lblMoji, before.lblMoji));
    EXPECT_TRUE(sameElements(store.lineHikidashi, before.lineHikidashi));
}

INSTANTIATE_TEST_SUITE_P(AnnotationStore, AtTheLimit, testing::ValuesIn(LimitCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(AnnotationStore, InvariantCheckNamesWhatIsWrong)
{
    AnnotationStore store;
    append(store, 1);
    store.lineHojoSave.CreateElement(3);
    EXPECT_FALSE(inShape(store));
    store.lineHojoSave.DestroyElement(3);
    store.lblMoji[0].Visible = true;
    QString why;
    EXPECT_FALSE(store.invariantsHold(&why));
    EXPECT_TRUE(why.startsWith("lblMoji"));
}

} // namespace
