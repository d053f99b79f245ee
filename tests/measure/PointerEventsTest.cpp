// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "measure/PointerEvents.h"
#include "app/ScaleOptionCommand.h"
#include "measure/frmOption.h"
#include "StartedForm.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr int Left = 1;
constexpr int Right = 2;
constexpr int NoButton = 0;

struct Canvas : StartedForm
{
    void press(int button, float x, float y) { pictMap_MouseDown(form.measuring, button, x, y); }
    void move(int buttons, float x, float y) { pictMap_MouseMove(form.measuring, buttons, x, y); }
    void release(int button, float x, float y) { pictMap_MouseUp(form.measuring, button, x, y); }
    void click(float x, float y)
    {
        press(Left, x, y);
        release(Left, x, y);
    }
    void useTool(const char *item) { ASSERT_TRUE(form.runCommand(QLatin1String(item))); }
    const AnnotationLine &liveLine() const { return form.live.lineDistance; }
};

} // namespace

TEST(PointerEvents, DimensionMeasurementFollowsTheStateTable)
{
    Canvas canvas;
    const CanvasState &state = canvas.form.canvas;

    canvas.click(10, 20); // Idle -> Started: a click without a move does not finish
    EXPECT_TRUE(state.DimMeasuring);
    EXPECT_FALSE(state.DimMoved);
    EXPECT_TRUE(canvas.liveLine().Visible);
    EXPECT_EQ(canvas.form.live.lblDistance.Caption, QStringLiteral("0.0cm "));
    EXPECT_EQ(canvas.form.live.lblFt.Caption, QStringLiteral("0.00ft "));

    canvas.move(Left, 50, 20); // a held button freezes the line: Started stays Started
    EXPECT_FALSE(state.DimMoved);
    EXPECT_FLOAT_EQ(canvas.liveLine().X2, 10.0f);

    canvas.move(NoButton, 60, 20); // Started -> Stretching
    EXPECT_TRUE(state.DimMoved);
    EXPECT_FLOAT_EQ(canvas.liveLine().X2, 60.0f);
    EXPECT_EQ(canvas.form.live.lblDistance.Caption, QStringLiteral("5.0cm "));

    canvas.move(Left, 90, 20); // Stretching with a held button: frozen
    EXPECT_FLOAT_EQ(canvas.liveLine().X2, 60.0f);

    canvas.press(Left, 70, 20); // no restart while open
    EXPECT_FLOAT_EQ(canvas.liveLine().X1, 10.0f);
    canvas.press(Right, 70, 20); // no pop-up while open
    EXPECT_TRUE(canvas.platform.popupMenus.empty());

    canvas.release(Right, 70, 20); // the release of any button finishes: Idle
    EXPECT_FALSE(state.DimMeasuring);
    EXPECT_FALSE(state.DimMoved);
    EXPECT_EQ(canvas.form.annotations.dimensionCount(), 0) << "not kept: 寸法情報を残す is off";
    EXPECT_TRUE(canvas.liveLine().Visible) << "the finished measurement stays shown";

    canvas.press(Right, 70, 20); // Idle: the measure pop-up
    EXPECT_EQ(canvas.platform.popupMenus, std::vector<QString>{QStringLiteral("popMes")});
}

TEST(PointerEvents, KeptMeasurementGrowsEveryDimensionCollection)
{
    Canvas canvas;
    canvas.useTool("popMesPutSen");
    canvas.click(10, 20);
    canvas.move(NoButton, 110, 20);
    canvas.release(Left, 110, 20);
    const AnnotationStore &objects = canvas.form.annotations;
    EXPECT_EQ(objects.lblKyori.UBound(), 1);
    EXPECT_EQ(objects.lineDsSave.UBound(), 1);
    EXPECT_EQ(objects.lineHojoSave.UBound(), 2);
    EXPECT_EQ(objects.shpSnpo.UBound(), 2);
    EXPECT_EQ(objects.lblKyori[0].Caption, QStringLiteral("10.0cm "));
    EXPECT_TRUE(objects.invariantsHold());
}

TEST(PointerEvents, ReadoutShowsThePointInTheFourDecimalFormat)
{
    Canvas canvas;
    canvas.move(NoButton, 12.5f, 3.0f);
    EXPECT_EQ(canvas.form.txtPict[1].Text, QStringLiteral("X:12.5000"));
    EXPECT_EQ(canvas.form.txtPict[2].Text, QStringLiteral("Y:3.0000"));
}

TEST(PointerEvents, ReferenceLineCalibratesAndFillsTheOptionDialog)
{
    Canvas canvas;
    canvas.useTool("mnuToolOpt");
    ASSERT_NE(canvas.form.optionDialog, nullptr);
    EXPECT_FALSE(canvas.form.menus[QStringLiteral("mnuToolMes")].checked);

    canvas.click(10, 10);
    canvas.move(NoButton, 110, 20);
    EXPECT_EQ(canvas.form.live.lblDistance.Caption, QStringLiteral("100.50 mm"));
    canvas.release(Left, 110, 20);

    const ScaleValues &scale = canvas.form.scale;
    EXPECT_FLOAT_EQ(scale.GE_sngHosei[2], 110.0f);
    EXPECT_FLOAT_EQ(scale.GE_sngHosei[3], 20.0f);
    EXPECT_NEAR(scale.GE_dblHosei[0], 5.710593, 1e-6);
    EXPECT_NEAR(scale.GE_dblHosei[3], -0.0996687, 1e-7);
    EXPECT_TRUE(canvas.form.live.lineCheck.Visible);
    const frmOption &dialog = *canvas.form.optionDialog;
    EXPECT_EQ(dialog.txtXY[0], QStringLiteral("10"));
    EXPECT_EQ(dialog.txtXY[3], QStringLiteral("20"));
    EXPECT_EQ(dialog.txtXY[4], QStringLiteral("100.4988"));
    EXPECT_FLOAT_EQ(scale.GE_tpPiccelD[1].sngX, 110.0f);
    EXPECT_EQ(canvas.form.annotations.dimensionCount(), 0);
}

TEST(PointerEvents, LeaderStrokesLongerThanTwoMillimetresAreKept)
{
    Canvas canvas;
    canvas.useTool("mnuToolLine");
    auto &leaders = canvas.form.annotations.lineHikidashi;

    canvas.press(Left, 10, 10);
    canvas.move(Left, 12, 10);
    canvas.release(Left, 12, 10); // exactly 2.0 mm: not kept
    EXPECT_EQ(leaders.UBound(), 0);
    EXPECT_FALSE(leaders[0].Visible);

    canvas.press(Left, 10, 10);
    canvas.release(Left, 12.01f, 10); // 2.01 mm: kept, a new spare on top
    EXPECT_EQ(leaders.UBound(), 1);
    EXPECT_TRUE(leaders[0].Visible);
    EXPECT_FLOAT_EQ(leaders[0].X2, 12.01f);
    EXPECT_FALSE(leaders[1].Visible);
    EXPECT_EQ(leaders[1].BorderWidth, 1);
}

// The slip: a stroke that reads no Shift, or reads it only on some of its steps.
TEST(PointerEvents, ShiftHeldStraightensTheLineBeingDrawn)
{
    struct Stroke
    {
        const char *tool;
        bool held;
        float endY;
    };
    for (const Stroke &c : {Stroke{"mnuToolLine", true, 10}, Stroke{"mnuToolLine", false, 15},
                            Stroke{"mnuToolMes", true, 10}, Stroke{"mnuToolMes", false, 15}}) {
        Canvas canvas;
        canvas.useTool(c.tool);
        canvas.platform.keys.shift = c.held;
        const bool leader = QLatin1String(c.tool) == QLatin1String("mnuToolLine");
        if (leader) { // a drag
            canvas.press(Left, 10, 10);
            canvas.move(Left, 60, 15);
            canvas.release(Left, 60, 15);
        } else { // a click, then the line follows the pointer
            canvas.click(10, 10);
            canvas.move(NoButton, 60, 15);
        }
        const AnnotationLine &drawn =
            leader ? canvas.form.annotations.lineHikidashi[0] : canvas.liveLine();
        SCOPED_TRACE(testing::Message() << c.tool << (c.held ? " with Shift" : ""));
        EXPECT_FLOAT_EQ(drawn.X2, 60.0f);
        EXPECT_FLOAT_EQ(drawn.Y2, c.endY);
    }
}

TEST(PointerEvents, LeaderLinesAreGrabbedByTheirEndsAndBodies)
{
    Canvas canvas;
    canvas.useTool("mnuToolLine");
    canvas.press(Left, 10, 10);
    canvas.release(Left, 60, 10);
    canvas.form.menus[QStringLiteral("popHkdSenNew")].checked = false;
    canvas.form.menus[QStringLiteral("popHkdSenSelect")].checked = true;
    AnnotationLine &line = canvas.form.annotations.lineHikidashi[0];

    canvas.press(Left, 60.5f, 10.5f); // the end jumps to the pointer
    EXPECT_EQ(canvas.form.canvas.LeaderGrab, 2);
    EXPECT_FLOAT_EQ(line.X2, 60.5f);
    canvas.move(Left, 70, 30);
    canvas.release(Left, 70, 30);
    EXPECT_FLOAT_EQ(line.X2, 70.0f);
    EXPECT_FLOAT_EQ(line.Y2, 30.0f);

    canvas.press(Left, 40, 20); // on the body: the line moves with the pointer
    ASSERT_GE(canvas.form.canvas.LeaderGrab, 0);
    canvas.move(Left, 45, 25);
    EXPECT_FLOAT_EQ(line.X1, 15.0f);
    EXPECT_FLOAT_EQ(line.Y1, 15.0f);
    canvas.release(Left, 45, 25);

    canvas.press(Left, 200, 200); // beside every line: nothing grabbed
    EXPECT_EQ(canvas.form.canvas.LeaderGrab, -1);
    canvas.move(Left, 210, 210);
    EXPECT_FLOAT_EQ(line.X1, 15.0f);

    canvas.press(Right, 45, 25); // a right click on a line opens the edit pop-up for it
    EXPECT_EQ(canvas.platform.popupMenus.back(), QStringLiteral("popEdit"));
    EXPECT_EQ(canvas.form.EditTarget.kind, QStringLiteral("lineHikidashi"));
    EXPECT_EQ(canvas.form.EditTarget.index, 0);
    canvas.press(Right, 200, 200);
    EXPECT_EQ(canvas.platform.popupMenus.back(), QStringLiteral("popHikidashi"));
}

// A slanted leader line (10, 10)-(50, 30) beside a second one, in 選択モード. The body follows
// the pointer by its own dx and dy, summed over the moves; an end goes to the pointer and the
// other end stays. The second line never moves.
TEST(PointerEvents, DraggingALeaderMovesTheBodyByThePointerAndAnEndAlone)
{
    struct Point
    {
        float x, y;
    };
    const struct
    {
        const char *grab;
        Point press;
        std::vector<Point> moves;
        Point start, finish; // the line's ends afterwards
    } cases[] = {
        // dx = +9, dy = -2 in two moves: (+7, +3), then (+2, -5).
        {"body", {30, 20}, {{37, 23}, {39, 18}}, {19, 8}, {59, 28}},
        {"start", {10.5f, 11}, {{6, 14}, {4, 25}}, {4, 25}, {50, 30}},
        {"finish", {49, 30.5f}, {{70, 33}}, {10, 10}, {70, 33}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.grab);
        Canvas canvas;
        canvas.useTool("mnuToolLine");
        canvas.press(Left, 10, 10);
        canvas.release(Left, 50, 30);
        canvas.press(Left, 100, 140);
        canvas.release(Left, 160, 120);
        canvas.useTool("popHkdSenSelect");
        const auto &leaders = canvas.form.annotations.lineHikidashi;
        const AnnotationLine other = leaders[1];

        canvas.press(Left, c.press.x, c.press.y);
        for (const Point &to : c.moves)
            canvas.move(Left, to.x, to.y);
        canvas.release(Left, c.moves.back().x, c.moves.back().y);

        const AnnotationLine &line = leaders[0];
        EXPECT_FLOAT_EQ(line.X1, c.start.x);
        EXPECT_FLOAT_EQ(line.Y1, c.start.y);
        EXPECT_FLOAT_EQ(line.X2, c.finish.x);
        EXPECT_FLOAT_EQ(line.Y2, c.finish.y);
        EXPECT_EQ(leaders[1], other);
        EXPECT_EQ(leaders.UBound(), 2);
    }
}

TEST(PointerEvents, TextToolNumbersNewLabelsWithASignBlank)
{
    Canvas canvas;
    canvas.useTool("mnuToolCmnt");
    canvas.click(20, 30);
    canvas.click(40, 50);
    const auto &labels = canvas.form.annotations.lblMoji;
    ASSERT_EQ(labels.UBound(), 2);
    EXPECT_EQ(labels[1].Caption, QStringLiteral("New  1"));
    EXPECT_EQ(labels[2].Caption, QStringLiteral("New  2"));
    EXPECT_FLOAT_EQ(labels[2].Left, 40.0f);
    EXPECT_TRUE(labels[2].Visible);
    EXPECT_EQ(labels[1].FontName, canvas.form.defaults.lblDefault.FontName);
    EXPECT_EQ(labels[1].ToolTipText, labels[0].ToolTipText) << "the template's hint comes along";
}

TEST(PointerEvents, PrintAreaGrowsPastTenMillimetresAndCommitsTheMasks)
{
    Canvas canvas;
    canvas.useTool("mnuPrintEria");
    canvas.press(Left, 20, 20);
    canvas.move(Left, 30, 25); // 10 mm wide: not yet
    EXPECT_FLOAT_EQ(canvas.form.live.shpPrint.Width, 0.0f);
    canvas.move(Left, 80, 60);
    canvas.move(Left, 25, 60); // back left keeps the last width
    EXPECT_FLOAT_EQ(canvas.form.live.shpPrint.Width, 60.0f);
    EXPECT_FLOAT_EQ(canvas.form.live.shpPrint.Height, 40.0f);
    canvas.release(Left, 25, 60);
    EXPECT_FLOAT_EQ(canvas.form.live.shpSps[3].Left, 80.0f); // right of the area
    EXPECT_FLOAT_EQ(canvas.form.live.shpSps[0].Height, 20.0f);
}

TEST(PointerEvents, CreatingPastTheLastIndexIsRefusedWithAMessage)
{
    Canvas canvas;
    canvas.useTool("mnuToolCmnt");
    auto &labels = canvas.form.annotations.lblMoji;
    while (labels.UBound() < 32767)
        labels.CreateElement(labels.UBound() + 1);
    canvas.click(20, 30);
    EXPECT_EQ(labels.UBound(), 32767);
    EXPECT_EQ(canvas.platform.messages.size(), 1u);
}

// The last leader line takes index 32766 and leaves its spare at 32767; a stroke after it is
// refused with a message, the lines stay as they were and the stroke's spare is hidden again.
TEST(PointerEvents, TheLastLeaderStrokeIsKeptAndTheNextIsRefused)
{
    Canvas canvas;
    canvas.useTool("mnuToolLine");
    auto &leaders = canvas.form.annotations.lineHikidashi;
    for (int n = 1; n <= 32766; ++n) {
        ASSERT_TRUE(leaders.CreateElement(n));
        leaders[n - 1].Visible = true;
    }

    canvas.press(Left, 10, 10);
    canvas.release(Left, 40, 25);
    ASSERT_EQ(leaders.UBound(), 32767);
    EXPECT_TRUE(leaders[32766].Visible);
    EXPECT_FLOAT_EQ(leaders[32766].Y2, 25.0f);
    EXPECT_FALSE(leaders[32767].Visible);
    EXPECT_TRUE(canvas.platform.messages.empty());

    const std::vector<AnnotationLine> kept(leaders.begin(), leaders.end() - 1);
    canvas.press(Left, 50, 50);
    canvas.release(Left, 80, 70);
    EXPECT_EQ(leaders.UBound(), 32767);
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), leaders.begin()));
    EXPECT_FALSE(leaders[32767].Visible);
    EXPECT_TRUE(canvas.form.annotations.invariantsHold());
    ASSERT_EQ(canvas.platform.messages.size(), 1u);
    EXPECT_EQ(canvas.platform.messages[0].text,
              QStringLiteral("引き出し線は 32767 個までです。これ以上は作成できません。"));
}

TEST(PointerEvents, ALeaderModeChosenFromThePopUpOpensNoSecondOne)
{
    for (const auto &[from, to] : {std::pair{"popHkdSenSelect", "popHkdSenNew"},
                                   std::pair{"popHkdSenNew", "popHkdSenSelect"}}) {
        Canvas canvas;
        canvas.useTool("mnuToolLine");
        canvas.useTool(from);
        canvas.platform.popupChoices = {QLatin1String(to)};
        canvas.press(Right, 100, 100);
        EXPECT_EQ(canvas.platform.popupMenus, std::vector<QString>{QStringLiteral("popHikidashi")})
            << from << " -> " << to;
        EXPECT_TRUE(canvas.form.menus[QLatin1String(to)].checked) << to;
    }
}
