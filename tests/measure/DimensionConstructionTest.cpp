// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartedForm.h"
#include "document/LabelMetrics.h"
#include "measure/DimensionConstruction.h"
#include "document/ScaleModel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>

namespace {

// Drives the live construction the way the canvas does during a measurement: a press at the
// start, moves with no button held, then the finish.
void startAt(MeasuringTool &form, float x, float y)
{
    AnnotationLine &line = form.live.lineDistance;
    line.X1 = line.X2 = x;
    line.Y1 = line.Y2 = y;
    line.Visible = true;
    setCaption(form.live.lblDistance, QStringLiteral("0.0cm "));
    setCaption(form.live.lblFt, QStringLiteral("0.00ft "));
    form.live.lblDistance.Visible = form.live.lblFt.Visible = true;
    subHojoStart(form, x, y);
    subHojoPlace(form, x, y, x, y, form.scale.GE_sngHojoLen);
    subHojoVisible(form, true);
}

void moveTo(MeasuringTool &form, float x, float y)
{
    AnnotationLine &line = form.live.lineDistance;
    line.X2 = x;
    line.Y2 = y;
    subDistanceLabels(form);
    subHojoPlace(form, line.X1, line.Y1, line.X2, line.Y2, form.scale.GE_sngHojoLen);
}

void measure(MeasuringTool &form, float x1, float y1, float x2, float y2)
{
    startAt(form, x1, y1);
    moveTo(form, x2, y2);
}

void expectEnds(const AnnotationLine &line, float x1, float y1, float x2, float y2)
{
    EXPECT_NEAR(line.X1, x1, 1e-4);
    EXPECT_NEAR(line.Y1, y1, 1e-4);
    EXPECT_NEAR(line.X2, x2, 1e-4);
    EXPECT_NEAR(line.Y2, y2, 1e-4);
}

// Fills the dimension collections as `count` kept dimensions would, without building each one.
void fillDimensions(AnnotationStore &store, int count)
{
    for (int n = 1; n <= count; ++n) {
        store.lblKyori.CreateElement(n);
        store.lineDsSave.CreateElement(n);
    }
    for (int n = 1; n <= 2 * count; ++n) {
        store.lineHojoSave.CreateElement(n);
        store.shpSnpo.CreateElement(n);
    }
}

TEST(LengthTexts, CentimetresDropTheLeadingZeroAndFeetAre304Point8Millimetres)
{
    struct Case
    {
        double realMm;
        const char *centimetres, *feet;
    };
    const Case cases[] = {
        {5, ".5cm ", "0.02ft. "},        // 0.0164 ft
        {152.4, "15.2cm ", "0.50ft. "},  // exactly half a foot
        {304.8, "30.5cm ", "1.00ft. "},  // exactly one foot
        {380, "38.0cm ", "1.25ft. "},    // 1.2467 ft
        {3048, "304.8cm ", "10.00ft. "}, // exactly ten feet
    };
    for (const Case &c : cases) {
        EXPECT_EQ(centimetreText(c.realMm), QLatin1String(c.centimetres)) << c.realMm;
        EXPECT_EQ(footText(c.realMm), QLatin1String(c.feet)) << c.realMm;
    }
}

TEST(LiveConstruction, AClickWithoutMoveLaysTheExtensionLinesHorizontallyThroughThePoint)
{
    StartedForm started;
    MeasuringTool &form = started.form.measuring;
    startAt(form, 40, 30); // A = B: angle 90, normal (1, 0)
    const auto &hojo = form.live.lineHojo;
    expectEnds(hojo[0], 40, 30, 55, 30);
    expectEnds(hojo[1], 40, 30, 55, 30);
    expectEnds(hojo[2], 40, 30, 25, 30);
    expectEnds(hojo[3], 40, 30, 25, 30);
    for (const AnnotationLine &line : hojo)
        EXPECT_TRUE(line.Visible);
}

TEST(LiveConstruction, ExtensionLinesStandPerpendicularAtTheChosenLength)
{
    StartedForm started;
    MeasuringTool &form = started.form.measuring;
    form.scale.GE_sngHojoLen = 25;
    // (10,10)-(40,50): LineAngle = atan(40/30) = 53.13 deg, theta = -36.87 deg,
    // so 25 * n = (20, -15).
    measure(form, 10, 10, 40, 50);
    const auto &hojo = form.live.lineHojo;
    expectEnds(hojo[0], 10, 10, 30, -5);
    expectEnds(hojo[1], 40, 50, 60, 35);
    expectEnds(hojo[2], 10, 10, -10, 25);
    expectEnds(hojo[3], 40, 50, 20, 65);
}

TEST(LiveConstruction, CalibratedTextsAtAnyZoomAndTheReadout)
{
    StartedForm started;
    MeasuringTool &form = started.form.measuring;
    SetRatio(started.form.scale, 100, 380); // 100 base mm are 380 real mm
    for (float zoom : {1.0f, 2.0f}) {
        SCOPED_TRACE(zoom);
        started.form.view.ZoomFactor = zoom;
        // 100 base mm to the right: 380 real mm; 380 / 304.8 = 1.2467 ft
        measure(form, 10 * zoom, 10 * zoom, 110 * zoom, 10 * zoom);
        EXPECT_EQ(form.live.lblDistance.Caption, QStringLiteral("38.0cm "));
        EXPECT_EQ(form.live.lblFt.Caption, QStringLiteral("1.25ft. "));
        EXPECT_EQ(form.txtPict[4].Text, QStringLiteral("38.0cm "));
        EXPECT_EQ(form.txtPict[3].Text, QStringLiteral("0.0゜"));
    }
}

TEST(LiveConstruction, HorizontalLineHasCentimetresAboveAndFeetBelow)
{
    StartedForm started;
    MeasuringTool &form = started.form.measuring;
    measure(form, 20, 50, 120, 50);
    moveTo(form, 120, 50); // now the extension lines of the finished line are in place
    const AnnotationLabel &cm = form.live.lblDistance;
    const AnnotationLabel &ft = form.live.lblFt;
    const float cmWidth = cm.Width; // both texts are unchanged by the second move
    // +n ends at y = 35, -n ends at y = 65; both labels centred on x = 70
    EXPECT_NEAR(cm.Top, 35 - cm.Height / 2, 1e-4);
    EXPECT_NEAR(ft.Top, 65 - ft.Height / 2, 1e-4);
    EXPECT_NEAR(cm.Left, 70 - cmWidth / 2, 1e-4);
    EXPECT_FLOAT_EQ(ft.Left, cm.Left);
}

TEST(LiveConstruction, VerticalLinePutsTheLabelsSideBySide)
{
    StartedForm started;
    MeasuringTool &form = started.form.measuring;
    measure(form, 50, 20, 50, 120);
    const float cmWidth = form.live.lblDistance.Width;
    moveTo(form, 50, 120);
    // Both labels centred on y = 70: centimetres moved half its width further left, feet
    // starting where it ends: 50 - w/2 - w/2 and 50.
    EXPECT_NEAR(form.live.lblDistance.Left, 50 - cmWidth, 1e-4);
    EXPECT_NEAR(form.live.lblFt.Left, 50, 1e-4);
    EXPECT_NEAR(form.live.lblDistance.Top + form.live.lblDistance.Height / 2, 70, 1e-4);
}

struct KeepCase
{
    const char *name;
    float ax, ay, bx, by;       // the measurement from A to B
    float xp, yp, xq, yq;       // the kept dimension line
    const char *angle;          // the comment of the new label
    bool calibrated = false;    // a reference has set the ratio (at 1:1)
};

// With the extension-line length 15:
// left to right: +n = (0, -1), the dimension line 15 above the segment;
// right to left: A is right of B, so the -n side, (0, 1), 15 below;
// vertical either way: +n = (1, 0), 15 to the right.
const KeepCase KeepCases[] = {
    {"LeftToRightAbove", 20, 50, 120, 50, 20, 35, 120, 35, "0.0゜"},
    {"RightToLeftBelow", 120, 50, 20, 50, 120, 65, 20, 65, "180.0゜"},
    {"DownwardsToTheRight", 50, 20, 50, 120, 65, 20, 65, 120, "-90.0゜"},
    {"UpwardsToTheRight", 50, 120, 50, 20, 65, 120, 65, 20, "90.0゜"},
    {"CalibratedLeftToRight", 20, 50, 120, 50, 20, 35, 120, 35, "0.0゜", true},
};

void PrintTo(const KeepCase &c, std::ostream *os)
{
    *os << c.name;
}

class KeepDimension : public testing::TestWithParam<KeepCase>
{
};

TEST_P(KeepDimension, CopiesTheSideItsDirectionGivesWithTextsAndLook)
{
    const KeepCase &c = GetParam();
    StartedForm started;
    MeasuringTool &form = started.form.measuring;
    form.defaults.linDefault.BorderColor = rgb(10, 20, 30);
    form.defaults.linDefault.BorderStyle = BorderDash;
    form.defaults.linDefault.BorderWidth = 3;
    form.defaults.lblDefault.ForeColor = rgb(200, 0, 0);
    form.defaults.lblDefault.FontSize = 12;
    form.defaults.lblDefault.FontBold = true;
    AnnotationStore &store = form.annotations;
    if (c.calibrated)
        SetRatio(form.scale, 250, 250);

    measure(form, c.ax, c.ay, c.bx, c.by);
    // Centred with the size the caption gives it in the spare's font, before the look changes.
    AnnotationLabel beforeLook = store.lblKyori.spare();
    setCaption(beforeLook, QStringLiteral("10.0cm "));
    subKeepDimension(form);

    EXPECT_EQ(store.lblKyori.UBound(), 1);
    EXPECT_EQ(store.lineDsSave.UBound(), 1);
    EXPECT_EQ(store.lineHojoSave.UBound(), 2);
    EXPECT_EQ(store.shpSnpo.UBound(), 2);
    QString why;
    EXPECT_TRUE(store.invariantsHold(&why)) << why.toStdString();

    const AnnotationLine &line = store.lineDsSave[0];
    expectEnds(line, c.xp, c.yp, c.xq, c.yq);
    expectEnds(store.lineHojoSave[0], c.ax, c.ay, c.xp, c.yp);
    expectEnds(store.lineHojoSave[1], c.bx, c.by, c.xq, c.yq);
    for (const AnnotationLine *kept :
         {&line, &std::as_const(store.lineHojoSave)[0], &std::as_const(store.lineHojoSave)[1]}) {
        EXPECT_EQ(kept->BorderColor, rgb(10, 20, 30));
        EXPECT_EQ(kept->BorderStyle, BorderDash);
        EXPECT_EQ(kept->BorderWidth, 3);
    }
    for (int j = 0; j < 2; ++j) {
        const MarkerShape &dot = store.shpSnpo[j];
        EXPECT_NEAR(dot.Left + dot.Width / 2, j == 0 ? c.xp : c.xq, 1e-4);
        EXPECT_NEAR(dot.Top + dot.Height / 2, j == 0 ? c.yp : c.yq, 1e-4);
        EXPECT_EQ(dot.FillColor, rgb(10, 20, 30));
        EXPECT_EQ(dot.BorderColor, rgb(10, 20, 30));
        EXPECT_EQ(dot.BorderWidth, 3);
    }

    const AnnotationLabel &label = store.lblKyori[0];
    EXPECT_TRUE(label.Visible);
    EXPECT_EQ(label.Caption, QStringLiteral("10.0cm ")); // no calibration: 100 mm
    // Before any reference the length is the picture's, and the comment says so.
    EXPECT_EQ(label.ToolTipText,
              QString::fromUtf8(c.angle) + (c.calibrated ? QString() : QStringLiteral("（未校正）")));
    EXPECT_TRUE(label.Tag.isEmpty());
    EXPECT_NEAR(label.Left, c.xp + (c.xq - c.xp) / 2 - beforeLook.Width / 2, 1e-4);
    EXPECT_NEAR(label.Top, c.yp + (c.yq - c.yp) / 2 - beforeLook.Height / 2, 1e-4);
    EXPECT_EQ(label.ForeColor, rgb(200, 0, 0));
    EXPECT_EQ(label.FontName, form.defaults.lblDefault.FontName);
    EXPECT_EQ(label.FontSize, 12.0f);
    EXPECT_TRUE(label.FontBold);
    EXPECT_FLOAT_EQ(label.Width, labelExtentMm(label).width()) << "sized in its new font";
    EXPECT_TRUE(form.live.lineDistance.Visible) << "the measured line stays";
    for (const AnnotationLine &live : form.live.lineHojo)
        EXPECT_FALSE(live.Visible) << "an inverted live line over a kept one whitens it";
    EXPECT_FALSE(form.live.lblDistance.Visible || form.live.lblFt.Visible)
        << "the live lengths would cover the kept caption";
}

INSTANTIATE_TEST_SUITE_P(Sides, KeepDimension, testing::ValuesIn(KeepCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(KeepDimensionLimit, TheLastDimensionFitsAndTheNextIsRefusedWithoutAnyChange)
{
    StartedForm started;
    MeasuringTool &form = started.form.measuring;
    AnnotationStore &store = form.annotations;
    fillDimensions(store, 16382);
    measure(form, 20, 50, 120, 50);

    subKeepDimension(form); // dimension 16382, the last index that leaves room for the spares
    EXPECT_EQ(store.lblKyori.UBound(), 16383);
    EXPECT_EQ(store.lineHojoSave.UBound(), 32766);
    EXPECT_TRUE(store.lineDsSave[16382].Visible);
    EXPECT_TRUE(started.platform.messages.empty());

    measure(form, 20, 80, 120, 80);
    const AnnotationLabel labelSpare = store.lblKyori.spare();
    const AnnotationLine lineSpare = store.lineDsSave.spare();
    const AnnotationLine extensionSpare = store.lineHojoSave.spare();
    const MarkerShape markerSpare = store.shpSnpo.spare();
    subKeepDimension(form);
    EXPECT_EQ(store.lblKyori.UBound(), 16383);
    EXPECT_EQ(store.lineDsSave.UBound(), 16383);
    EXPECT_EQ(store.lineHojoSave.UBound(), 32766);
    EXPECT_EQ(store.shpSnpo.UBound(), 32766);
    EXPECT_EQ(store.lblKyori.spare(), labelSpare);
    EXPECT_EQ(store.lineDsSave.spare(), lineSpare);
    EXPECT_EQ(store.lineHojoSave.spare(), extensionSpare);
    EXPECT_EQ(store.shpSnpo.spare(), markerSpare);
    for (const AnnotationLine &live : form.live.lineHojo)
        EXPECT_TRUE(live.Visible) << "nothing was kept under them";
    ASSERT_EQ(started.platform.messages.size(), 1u);
    EXPECT_TRUE(started.platform.messages[0].text.contains(QStringLiteral("16383")));
}

} // namespace
