// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditFixture.h"
#include "document/LabelMetrics.h"
#include "measure/PointerEvents.h"

#include <functional>
#include <ostream>

namespace {

constexpr OleColor Chosen = rgb(10, 20, 30);
const platform::FontChoice ChosenFont{QStringLiteral("ＭＳ ゴシック"), 14.25f, true, false, true,
                                      true};
constexpr int K = 1; // the second of each kind, so that an index mix-up shows

// Every command of the edit pop-up that changes a look, on each kind of target, against the
// whole state: exactly the listed objects and defaults change.
struct LookRow
{
    const char *item;
    enum { NoChooser, Colour, Font } chooser;
    // Applies to the snapshot what the command must change for the given kind.
    std::function<void(EditSnapshot &, EditKind)> expect;
};

struct LookCase
{
    const LookRow *row;
    const char *kind;
};

void PrintTo(const LookCase &c, std::ostream *os)
{
    *os << c.row->item << " on " << c.kind;
}

// The three lines of dimension K, or the leader line K.
std::vector<AnnotationLine *> linesOf(EditSnapshot &s, EditKind kind)
{
    if (kind == EditKind::Dimension)
        return {&s.objects.lineDsSave[K], &s.objects.lineHojoSave[2 * K],
                &s.objects.lineHojoSave[2 * K + 1]};
    if (kind == EditKind::LeaderLine)
        return {&s.objects.lineHikidashi[K]};
    return {};
}

AnnotationLabel *labelOf(EditSnapshot &s, EditKind kind)
{
    if (kind == EditKind::Dimension)
        return &s.objects.lblKyori[K];
    if (kind == EditKind::TextLabel)
        return &s.objects.lblMoji[K];
    return nullptr;
}

template <class Field>
std::function<void(EditSnapshot &, EditKind)> lineLook(Field field, std::int16_t value)
{
    return [field, value](EditSnapshot &s, EditKind kind) {
        for (AnnotationLine *line : linesOf(s, kind))
            line->*field = value;
        s.defaults.linDefault.*field = value;
    };
}

template <class Field, class Value>
std::function<void(EditSnapshot &, EditKind)> labelLook(Field field, Value value,
                                                       bool colourOfLeaderLine)
{
    return [=](EditSnapshot &s, EditKind kind) {
        if (AnnotationLabel *label = labelOf(s, kind))
            label->*field = value;
        if (colourOfLeaderLine && kind == EditKind::LeaderLine)
            s.objects.lineHikidashi[K].BorderColor = value;
        s.defaults.lblDefault.*field = value;
    };
}

void setChosenFont(AnnotationLabel &label)
{
    label.FontName = ChosenFont.name;
    label.FontSize = ChosenFont.size;
    label.FontBold = ChosenFont.bold;
    label.FontItalic = ChosenFont.italic;
    label.FontStrikethru = ChosenFont.strikethrough;
    label.FontUnderline = ChosenFont.underline;
    autoSize(label);
}

const LookRow LookRows[] = {
    {"popEditWidth(3)", LookRow::NoChooser, lineLook(&AnnotationLine::BorderWidth, 3)},
    {"popEditWidth(9)", LookRow::NoChooser, lineLook(&AnnotationLine::BorderWidth, 9)},
    {"popEditStyle4", LookRow::NoChooser, lineLook(&AnnotationLine::BorderStyle, BorderDashDot)},
    {"popEditBorderColor", LookRow::Colour,
     [](EditSnapshot &s, EditKind kind) {
         for (AnnotationLine *line : linesOf(s, kind))
             line->BorderColor = Chosen;
         if (kind == EditKind::Dimension) {
             for (int j : {2 * K, 2 * K + 1})
                 s.objects.shpSnpo[j].BorderColor = s.objects.shpSnpo[j].FillColor = Chosen;
         }
         s.defaults.linDefault.BorderColor = Chosen;
     }},
    {"popEditForColor", LookRow::Colour, labelLook(&AnnotationLabel::ForeColor, Chosen, true)},
    {"popEditBackColor", LookRow::Colour, labelLook(&AnnotationLabel::BackColor, Chosen, true)},
    {"popBackStyle0", LookRow::NoChooser,
     labelLook(&AnnotationLabel::BackStyle, std::int16_t(0), false)},
    {"popBorderStyle1", LookRow::NoChooser,
     labelLook(&AnnotationLabel::BorderStyle, std::int16_t(1), false)},
    {"popEditFont", LookRow::Font,
     [](EditSnapshot &s, EditKind kind) {
         if (kind == EditKind::LeaderLine)
             return; // no font, no chooser, no default
         if (AnnotationLabel *label = labelOf(s, kind))
             setChosenFont(*label);
         setChosenFont(s.defaults.lblDefault);
     }},
};

std::vector<LookCase> lookCases()
{
    std::vector<LookCase> cases;
    for (const LookRow &row : LookRows)
        for (const char *kind : {editkind::Dimension, editkind::TextLabel, editkind::LeaderLine,
                                 editkind::Defaults})
            cases.push_back({&row, kind});
    return cases;
}

class LookCommand : public testing::TestWithParam<LookCase>
{
};

TEST_P(LookCommand, ChangesTheTargetAndItsDefaultOnly)
{
    const LookCase &c = GetParam();
    EditForm f;
    for (int seed = 1; seed <= 3; ++seed) {
        f.keepDimension(seed, 20, float(50 * seed));
        f.keepTextLabel(seed);
        f.keepLeaderLine(seed);
    }
    f.form.EditTarget = {QLatin1String(c.kind), K};
    const EditKind kind = editKind(f.form.editing);
    const bool opensChooser = !(c.row->chooser == LookRow::Font && kind == EditKind::LeaderLine);
    if (c.row->chooser == LookRow::Colour)
        f.platform.colorAnswers.push_back(Chosen);
    if (c.row->chooser == LookRow::Font && opensChooser)
        f.platform.fontAnswers.push_back(ChosenFont);
    EditSnapshot expected(f.form);
    c.row->expect(expected, kind);

    f.choose(c.kind, K, QLatin1String(c.row->item));

    expectSameState(expected, f.form);
    EXPECT_TRUE(f.platform.messages.empty());
    EXPECT_TRUE(f.platform.colorAnswers.empty() && f.platform.fontAnswers.empty())
        << "the chooser was not asked";
    EXPECT_TRUE(inShape(f.form.annotations));
}

INSTANTIATE_TEST_SUITE_P(Table, LookCommand, testing::ValuesIn(lookCases()),
                         [](const auto &info) {
                             std::string name = std::string(info.param.row->item) + "_on_"
                                                + info.param.kind;
                             for (char &ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

// The defaults a look leaves are what the next objects drawn on the canvas wear.
TEST(LookDefaults, NextObjectsDrawnTakeTheLastLookChosen)
{
    EditForm f;
    auto stroke = [&f](const char *tool, float x1, float y1, float x2, float y2) {
        f.form.runCommand(QLatin1String(tool));
        pictMap_MouseDown(f.form.measuring, 1, x1, y1);
        pictMap_MouseMove(f.form.measuring, 0, x2, y2);
        pictMap_MouseUp(f.form.measuring, 1, x2, y2);
    };
    const AnnotationStore &objects = f.form.annotations;
    f.form.menus[QStringLiteral("popMesPutSen")].checked = true;
    stroke("mnuToolMes", 10, 60, 110, 60);
    f.form.runCommand(QStringLiteral("mnuToolCmnt"));
    pictMap_MouseDown(f.form.measuring, 1, 30, 30);
    const MarkerShape marker = objects.shpSnpo[0];
    f.platform.colorAnswers = {Chosen};

    f.choose(editkind::Dimension, 0, QStringLiteral("popEditWidth(3)"));
    f.choose(editkind::TextLabel, 1, QStringLiteral("popEditForColor"));

    EXPECT_EQ(objects.shpSnpo[0], marker) << "a width leaves the markers alone";
    stroke("mnuToolMes", 10, 120, 110, 120);
    for (const AnnotationLine *line :
         {&objects.lineDsSave[1], &objects.lineHojoSave[2], &objects.lineHojoSave[3]})
        EXPECT_EQ(line->BorderWidth, 3);
    EXPECT_EQ(objects.lblKyori[1].ForeColor, Chosen);
    stroke("mnuToolLine", 10, 150, 60, 150);
    EXPECT_EQ(objects.lineHikidashi[0].BorderWidth, 3);
    f.form.runCommand(QStringLiteral("mnuToolCmnt"));
    pictMap_MouseDown(f.form.measuring, 1, 60, 60);
    EXPECT_EQ(objects.lblMoji[2].ForeColor, Chosen);
}

} // namespace
