// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditFixture.h"
#include "StartedForm.h"
#include "document/LabelMetrics.h"
#include "annotations/ObjectRedisplay.h"
#include "annotations/StructureCommands.h"
#include "measure/PointerEvents.h"

#include <algorithm>
#include <ostream>
#include <random>

namespace {

const QString TemplateHint = QStringLiteral("「ツール」「文字列」選択後　ダブルクリックで入力");

TEST(Mirror, FlipsTheExtensionLinesAndTwiceRestores)
{
    EditForm f;
    f.keepDimension(1);
    const int k = f.keepDimension(2, 20, 100, 60, 12); // measured y = 100, line at y = 88
    EditSnapshot original(f.form);
    AnnotationStore &objects = f.form.annotations;
    objects.lblKyori[k].Left += 30; // dragged away from its line

    f.choose(editkind::Dimension, k, QStringLiteral("popEditRev"));

    for (int j : {2 * k, 2 * k + 1}) {
        EXPECT_FLOAT_EQ(objects.lineHojoSave[j].Y1, 100);
        EXPECT_FLOAT_EQ(objects.lineHojoSave[j].Y2, 112) << "points down by the same length";
        EXPECT_FLOAT_EQ(objects.lineHojoSave[j].X2, objects.lineHojoSave[j].X1);
    }
    const AnnotationLine &line = objects.lineDsSave[k];
    EXPECT_FLOAT_EQ(line.X1, 20);
    EXPECT_FLOAT_EQ(line.X2, 80);
    EXPECT_FLOAT_EQ(line.Y1, 112);
    EXPECT_FLOAT_EQ(line.Y2, 112);
    const AnnotationLabel &label = objects.lblKyori[k];
    EXPECT_FLOAT_EQ(label.Left + label.Width / 2, 50) << "back on the middle of the line";
    EXPECT_FLOAT_EQ(label.Top + label.Height / 2, 112);
    const MarkerShape &atB = objects.shpSnpo[2 * k + 1];
    EXPECT_FLOAT_EQ(atB.Left + atB.Width / 2, 80);
    EXPECT_FLOAT_EQ(atB.Top + atB.Height / 2, 112);

    f.choose(editkind::Dimension, k, QStringLiteral("popEditRev"));
    expectSameState(original, f.form);
}

TEST(Remove, DimensionZeroOfThreeMovesTheOthersDownWhole)
{
    EditForm f;
    for (int seed = 1; seed <= 3; ++seed)
        f.keepDimension(seed, float(10 * seed), float(40 * seed), float(20 + seed));
    const EditSnapshot before(f.form);

    f.choose(editkind::Dimension, 0, QStringLiteral("popEditDel"));

    const AnnotationStore &now = f.form.annotations;
    const AnnotationStore &old = before.objects;
    EXPECT_EQ(now.dimensionCount(), 2);
    for (int i : {0, 1}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(now.lblKyori[i], old.lblKyori[i + 1]);
        EXPECT_EQ(now.lineDsSave[i], old.lineDsSave[i + 1]);
        for (int end : {0, 1}) {
            EXPECT_EQ(now.lineHojoSave[2 * i + end], old.lineHojoSave[2 * i + 2 + end]);
            EXPECT_EQ(now.shpSnpo[2 * i + end], old.shpSnpo[2 * i + 2 + end]);
        }
    }
    EXPECT_EQ(now.lblKyori.UBound(), 2);
    EXPECT_EQ(now.lineDsSave.UBound(), 2);
    EXPECT_EQ(now.lineHojoSave.UBound(), 4);
    EXPECT_EQ(now.shpSnpo.UBound(), 4);
    EXPECT_FALSE(now.lblKyori[2].Visible || now.lineDsSave[2].Visible);
    EXPECT_FALSE(now.lineHojoSave[4].Visible || now.shpSnpo[4].Visible);
    EXPECT_TRUE(inShape(now));
}

TEST(Duplicate, TextLabelCopySitsFiveMillimetresOnWithTheHintAsComment)
{
    EditForm f;
    f.keepTextLabel(1);
    const int k = f.keepTextLabel(2);
    f.keepTextLabel(3);
    AnnotationLabel &source = f.form.annotations.lblMoji[k];
    source.Left = 500; // at the right edge of the picture: the copy goes beyond it
    source.BackStyle = 0;
    source.BorderStyle = 1;
    source.BackColor = rgb(1, 2, 3);
    source.FontSize = 15.0f;
    source.FontUnderline = true;
    autoSize(source);
    const AnnotationLabel kept = source;
    const EditSnapshot before(f.form);

    f.choose(editkind::TextLabel, k, QStringLiteral("popEditDpp"));

    const AnnotationStore &now = f.form.annotations;
    ASSERT_EQ(now.lblMoji.UBound(), 4);
    AnnotationLabel expected = kept;
    expected.Left = 505;
    expected.Top = kept.Top + 5;
    expected.ToolTipText = TemplateHint;
    expected.Tag = now.lblMoji[0].Tag;
    EXPECT_EQ(now.lblMoji[4], expected);
    EXPECT_EQ(now.lblMoji[k], kept) << "the source stays";
    EXPECT_EQ(f.form.defaults.lblDefault, before.defaults.lblDefault);
    EXPECT_TRUE(inShape(now));
}

TEST(Duplicate, LeaderLineCopyAndANewStrokeBothStay)
{
    EditForm f;
    f.keepLeaderLine(1);
    const int k = f.keepLeaderLine(2); // (2, 4) to (6, 8)
    AnnotationLine &source = f.form.annotations.lineHikidashi[k];
    source.BorderWidth = 4;
    source.BorderStyle = BorderDot;
    const AnnotationLine kept = source;
    AnnotationLine expected = f.form.annotations.lineHikidashi.spare();

    f.choose(editkind::LeaderLine, k, QStringLiteral("popEditDpp"));

    const AnnotationStore &now = f.form.annotations;
    ASSERT_EQ(now.lineHikidashi.UBound(), 3);
    expected.X1 = 7;
    expected.Y1 = 9;
    expected.X2 = 11;
    expected.Y2 = 13;
    expected.BorderColor = kept.BorderColor;
    expected.BorderWidth = 4;
    expected.BorderStyle = BorderDot;
    expected.Visible = true;
    EXPECT_EQ(now.lineHikidashi[2], expected);
    EXPECT_EQ(now.lineHikidashi[k], kept) << "the source stays";
    EXPECT_TRUE(inShape(now));

    f.form.runCommand(QStringLiteral("mnuToolLine"));
    pictMap_MouseDown(f.form.measuring, 1, 100, 100);
    pictMap_MouseMove(f.form.measuring, 0, 150, 120);
    pictMap_MouseUp(f.form.measuring, 1, 150, 120);
    ASSERT_EQ(now.lineHikidashi.UBound(), 4);
    EXPECT_FLOAT_EQ(now.lineHikidashi[2].X1, 7) << "the copy stays";
    EXPECT_FLOAT_EQ(now.lineHikidashi[3].X2, 150);
    EXPECT_TRUE(inShape(now));
}

// Commands whose target is hidden, gone, or has no such thing, with no chooser involved.
constexpr int Spare = -1000; // the top element of the target's collection
struct NoEffectCase
{
    const char *kind;
    int index; // or Spare
    const char *item;
};

void PrintTo(const NoEffectCase &c, std::ostream *os)
{
    *os << c.item << " on (\"" << c.kind << "\", "
        << (c.index == Spare ? std::string("spare") : std::to_string(c.index)) << ")";
}

class NoEffect : public testing::TestWithParam<NoEffectCase>
{
};

TEST_P(NoEffect, LeavesEverythingAsItWas)
{
    const NoEffectCase &c = GetParam();
    EditForm f;
    for (int seed = 1; seed <= 2; ++seed) {
        f.keepDimension(seed, 20, float(50 * seed));
        f.keepTextLabel(seed);
        f.keepLeaderLine(seed);
    }
    const AnnotationStore &objects = f.form.annotations;
    const bool dimension = c.kind == QLatin1String(editkind::Dimension);
    const int spare = dimension ? objects.dimensionCount() : objects.lineHikidashi.UBound();
    const int index = c.index == Spare ? spare : c.index;
    const EditSnapshot before(f.form);

    f.choose(c.kind, index, QLatin1String(c.item));

    expectSameState(before, f.form);
    EXPECT_TRUE(f.platform.messages.empty());
    EXPECT_TRUE(inShape(f.form.annotations));
}

std::vector<NoEffectCase> noEffectCases()
{
    std::vector<NoEffectCase> cases{
        {editkind::Dimension, 0, "popEditDpp"}, // a dimension has no copy
        {editkind::TextLabel, 1, "popEditRev"},
        {editkind::LeaderLine, 1, "popEditRev"},
        {editkind::Defaults, 0, "popEditRev"},
        {editkind::Defaults, 0, "popEditDpp"},
        {editkind::Defaults, 0, "popEditDel"},
    };
    // The spares, the template and vanished objects: the choosers do not even open.
    const char *allItems[] = {"popEditRev",      "popEditForColor", "popEditBackColor",
                              "popBackStyle0",   "popBorderStyle1", "popEditFont",
                              "popEditWidth(5)", "popEditStyle2",   "popEditBorderColor",
                              "popEditDpp",      "popEditDel"};
    for (const char *item : allItems) {
        cases.push_back({editkind::LeaderLine, Spare, item});
        cases.push_back({editkind::Dimension, Spare, item});
        cases.push_back({editkind::TextLabel, 0, item});
        cases.push_back({"", 0, item});
    }
    for (const char *item : {"popEditRev", "popEditDpp", "popEditDel", "popEditWidth(5)",
                             "popBackStyle0"}) {
        cases.push_back({editkind::Dimension, 9, item});
        cases.push_back({editkind::LeaderLine, 9, item});
        cases.push_back({editkind::TextLabel, -5, item});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Targets, NoEffect, testing::ValuesIn(noEffectCases()));

// Keeps, removes, duplicates, restyles and clears at random through the pop-up, with targets
// that include the spares and vanished objects, against a plain model of what sits where.
TEST(EditSequence, RandomCommandsKeepTheCollectionsInShape)
{
    EditForm f;
    AnnotationStore &objects = f.form.annotations;
    std::mt19937 random(7151);
    auto pick = [&](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    std::vector<QString> dimensions; // tag of each kept dimension, by index
    std::vector<QString> texts;      // caption of text label 1, 2, …
    std::vector<float> leaders;      // X1 of each leader line
    std::size_t most = 0;

    for (int step = 0; step < 1500; ++step) {
        const int seed = step + 1;
        switch (pick(0, 11)) {
        case 0: case 1:
            f.keepDimension(seed, float(pick(0, 300)), float(pick(20, 200)), float(pick(5, 90)));
            dimensions.push_back(QStringLiteral("dim %1").arg(seed));
            break;
        case 2:
            f.keepTextLabel(seed);
            texts.push_back(QStringLiteral("text %1").arg(seed));
            break;
        case 3:
            f.keepLeaderLine(seed);
            leaders.push_back(float(seed));
            break;
        case 4: { // may name the spare or a gone dimension
            const int k = pick(-1, int(dimensions.size()) + 1);
            f.choose(editkind::Dimension, k, QStringLiteral("popEditDel"));
            if (k >= 0 && k < int(dimensions.size()))
                dimensions.erase(dimensions.begin() + k);
            break;
        }
        case 5: {
            const int k = pick(0, int(texts.size()) + 1);
            const bool dpp = pick(0, 1) == 1;
            f.choose(editkind::TextLabel, k, QLatin1String(dpp ? "popEditDpp" : "popEditDel"));
            if (k >= 1 && k <= int(texts.size())) {
                if (dpp)
                    texts.push_back(texts[std::size_t(k - 1)]);
                else
                    texts.erase(texts.begin() + (k - 1));
            }
            break;
        }
        case 6: {
            const int k = pick(0, int(leaders.size()) + 1);
            const bool dpp = pick(0, 1) == 1;
            f.choose(editkind::LeaderLine, k, QLatin1String(dpp ? "popEditDpp" : "popEditDel"));
            if (k < int(leaders.size())) {
                if (dpp)
                    leaders.push_back(leaders[std::size_t(k)] + 5.0f);
                else
                    leaders.erase(leaders.begin() + k);
            }
            break;
        }
        case 7:
            f.choose(editkind::Dimension, pick(0, int(dimensions.size())),
                     QLatin1String(pick(0, 1) ? "popEditRev" : "popEditDpp"));
            break;
        case 8: {
            const char *kinds[] = {editkind::Dimension, editkind::TextLabel,
                                   editkind::LeaderLine, editkind::Defaults};
            const char *items[] = {"popEditWidth(7)", "popEditStyle3", "popBackStyle0",
                                   "popBorderStyle1"};
            f.choose(kinds[pick(0, 3)], pick(0, 4), QLatin1String(items[pick(0, 3)]));
            break;
        }
        default:
            switch (pick(0, 40)) {
            case 0: objects.ClearDimensions(); dimensions.clear(); break;
            case 1: objects.ClearTextLabels(); texts.clear(); break;
            case 2: objects.ClearLeaderLines(); leaders.clear(); break;
            default: break; // clearing is rare, so that the collections grow
            }
        }

        most = std::max({most, dimensions.size(), texts.size(), leaders.size()});
        ASSERT_TRUE(inShape(objects)) << "step " << step;
        ASSERT_EQ(objects.dimensionCount(), int(dimensions.size())) << "step " << step;
        for (int i = 0; i < int(dimensions.size()); ++i) {
            const QString &tag = dimensions[std::size_t(i)];
            ASSERT_EQ(objects.lblKyori[i].Tag, tag) << "step " << step;
            ASSERT_EQ(objects.lineDsSave[i].Tag, tag);
            for (int j : {2 * i, 2 * i + 1}) {
                ASSERT_EQ(objects.lineHojoSave[j].Tag, tag);
                ASSERT_EQ(objects.shpSnpo[j].Tag, tag);
            }
        }
        ASSERT_EQ(objects.lblMoji.UBound(), int(texts.size())) << "step " << step;
        for (int j = 1; j <= int(texts.size()); ++j)
            ASSERT_EQ(objects.lblMoji[j].Caption, texts[std::size_t(j - 1)]) << "step " << step;
        ASSERT_EQ(objects.lineHikidashi.UBound(), int(leaders.size())) << "step " << step;
        for (int j = 0; j < int(leaders.size()); ++j)
            ASSERT_EQ(objects.lineHikidashi[j].X1, leaders[std::size_t(j)]) << "step " << step;
    }
    EXPECT_TRUE(f.platform.messages.empty());
    EXPECT_GT(most, 20u) << "the collections grew large enough to be worth the run";
}

} // namespace

// A record book whose marker file was lost reads back with labels and lines but no markers:
// the edit commands and a zoom must leave such a half dimension alone instead of reaching past
// the end of the marker collection.
TEST(StructureCommands, HalfDimensionsOfADamagedRecordBookAreLeftAlone)
{
    EditForm edit;
    edit.keepDimension(1);
    edit.keepDimension(2);
    edit.form.annotations.shpSnpo.Clear();
    const AnnotationLine lineBefore = edit.form.annotations.lineDsSave[1];
    for (const char *item : {"popEditRev", "popEditWidth(3)", "popEditForColor"})
        edit.choose("lblkyori", 1, QLatin1String(item));
    EXPECT_EQ(edit.form.annotations.lineDsSave[1], lineBefore);
    edit.form.view.ZoomFactor = 2.0f;
    relayOutForZoom(edit.form);
    EXPECT_FLOAT_EQ(edit.form.annotations.lineDsSave[1].X1, lineBefore.X1 * 2);
}
