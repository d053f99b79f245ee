// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ScaleModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

struct Segment
{
    float x1, y1, x2, y2;
};

ScaleValues tiltedAlong(Segment line)
{
    ScaleValues values;
    values.GE_sngHosei[0] = line.x1;
    values.GE_sngHosei[1] = line.y1;
    values.GE_sngHosei[2] = line.x2;
    values.GE_sngHosei[3] = line.y2;
    ComputeTiltAngles(values);
    return values;
}

double lengthOf(const ScaleValues &values, Segment s)
{
    return CalibratedLength(values, s.x1, s.y1, s.x2, s.y2);
}

TEST(ScaleModel, UncalibratedValuesMeasurePictureMillimetres)
{
    const ScaleValues values;
    EXPECT_DOUBLE_EQ(lengthOf(values, {20, 30, 120, 30}), 100.0);
}

TEST(ScaleModel, ResetRestoresEverythingButTheTiltAngles)
{
    ScaleValues values = tiltedAlong({10, 10, 110, 20});
    values.GE_tpPiccelD[3] = {1, 2};
    values.GE_sngPiccelD_Y = 7;
    values.GE_sngDistanceD_Y = 8;
    values.GE_tpPtoD_r_Y = 3;
    values.GE_sngHojoLen = 25;
    values.GE_strPpSize = QStringLiteral("B5");
    SetRatio(values, 50, 200);

    resetScaleValues(values);

    const ScaleValues start;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(values.GE_sngHosei[i], start.GE_sngHosei[i]) << i;
        EXPECT_EQ(values.GE_tpPiccelD[i].sngX, start.GE_tpPiccelD[i].sngX) << i;
        EXPECT_EQ(values.GE_tpPiccelD[i].sngY, start.GE_tpPiccelD[i].sngY) << i;
    }
    EXPECT_EQ(values.GE_sngPiccelD_X, 100);
    EXPECT_EQ(values.GE_sngPiccelD_Y, 100);
    EXPECT_EQ(values.GE_sngDistanceD_X, 100);
    EXPECT_EQ(values.GE_sngDistanceD_Y, 100);
    EXPECT_EQ(values.GE_tpPtoD_r_X, 1.0);
    EXPECT_EQ(values.GE_tpPtoD_r_Y, 1.0);
    EXPECT_EQ(values.GE_sngHojoLen, 15.0f);
    EXPECT_EQ(values.GE_strPpSize, QStringLiteral("A4"));
    EXPECT_NEAR(values.GE_dblHosei[0], 5.710593, 1e-6) << "tilt angles must survive a reset";
}

TEST(ScaleModel, RatioScalesSegmentsInEveryDirection)
{
    ScaleValues values;
    ASSERT_TRUE(SetRatio(values, 50, 200));
    EXPECT_EQ(values.GE_tpPtoD_r_X, 4.0);
    EXPECT_EQ(values.GE_tpPtoD_r_Y, 4.0);

    const Segment tenMillimetres[] = {
        {20, 20, 30, 20}, {20, 20, 20, 30}, {20, 20, 26, 28}, {20, 20, 14, 12}};
    for (const Segment &s : tenMillimetres)
        EXPECT_DOUBLE_EQ(lengthOf(values, s), 40.0) << s.x2 << "," << s.y2;

    // With equal ratios a tilt turns both ends alike and leaves the length alone.
    ScaleValues tilted = tiltedAlong({10, 10, 110, 20});
    SetRatio(tilted, 50, 200);
    for (const Segment &s : tenMillimetres)
        EXPECT_NEAR(lengthOf(tilted, s), 40.0, 1e-4) << s.x2 << "," << s.y2;
}

TEST(ScaleModel, RatioWithNonPositiveLengthIsStoredButNotApplied)
{
    const struct
    {
        float onScreen, real;
    } rejected[] = {{0, 200}, {50, -1}, {-3, -4}, {NAN, 10}};
    for (const auto &row : rejected) {
        ScaleValues values;
        ASSERT_TRUE(SetRatio(values, 40, 100));
        EXPECT_FALSE(SetRatio(values, row.onScreen, row.real)) << row.onScreen << "/" << row.real;
        EXPECT_EQ(values.GE_tpPtoD_r_X, 2.5);
        EXPECT_EQ(values.GE_tpPtoD_r_Y, 2.5);
        EXPECT_EQ(values.GE_sngDistanceD_X, row.real);
        if (std::isnan(row.onScreen))
            EXPECT_TRUE(std::isnan(values.GE_sngPiccelD_X));
        else
            EXPECT_EQ(values.GE_sngPiccelD_X, row.onScreen);
    }
}

TEST(ScaleModel, TiltAnglesFollowTheReferenceLine)
{
    const struct
    {
        Segment line;
        double degrees, radians;
    } rows[] = {
        {{40, 10, 40, 90}, 90, Pi / 2},   // vertical
        {{40, 90, 40, 10}, 90, Pi / 2},   // vertical, drawn upwards
        {{40, 40, 40, 40}, 90, Pi / 2},   // both ends on one point count as vertical
        {{10, 30, 90, 30}, 0, 0},         // horizontal
        {{10, 10, 110, 20}, 5.710593, 0.0996687}, // falling to the right: positive
        {{10, 20, 110, 10}, -5.710593, -0.0996687},
        {{110, 20, 10, 10}, 5.710593, 0.0996687}, // the direction of drawing does not matter
    };
    for (const auto &row : rows) {
        const ScaleValues values = tiltedAlong(row.line);
        const Segment &l = row.line;
        SCOPED_TRACE(testing::Message() << l.x1 << "," << l.y1 << "-" << l.x2 << "," << l.y2);
        EXPECT_NEAR(values.GE_dblHosei[0], row.degrees, 1e-6);
        EXPECT_NEAR(values.GE_dblHosei[1], -row.degrees, 1e-6);
        EXPECT_NEAR(values.GE_dblHosei[2], row.radians, 1e-7);
        EXPECT_NEAR(values.GE_dblHosei[3], -row.radians, 1e-7);
    }
}

TEST(ScaleModel, VerticalTiltUsesTheProgramsPi)
{
    const ScaleValues values = tiltedAlong({40, 10, 40, 90});
    EXPECT_EQ(values.GE_dblHosei[1], -90.0);
    // Pi / 180 * -90 lands exactly on -Pi / 2; the full-precision pi would be 7 ulps away.
    EXPECT_EQ(values.GE_dblHosei[3], -Pi / 2);
    EXPECT_NE(values.GE_dblHosei[3], -std::numbers::pi / 2);
}

TEST(ScaleModel, DifferentRatiosApplyAlongAndAcrossTheTiltLine)
{
    ScaleValues values = tiltedAlong({10, 10, 110, 20});
    values.GE_tpPtoD_r_X = 2;
    values.GE_tpPtoD_r_Y = 1;
    const struct
    {
        Segment s;
        double expected;
    } rows[] = {
        {{10, 10, 110, 20}, 200.9975},    // along the line: twice its 100.4988
        {{10, 10, 9, 20}, 10.0499},       // across it: once its length
        {{0.5, 0.5, 100.5, 0.5}, 199.2560}, // horizontal on the screen
    };
    // The rotated ends are rounded to single, which moves the result by up to about 1e-5.
    for (const auto &row : rows)
        EXPECT_NEAR(lengthOf(values, row.s), row.expected, 1e-4) << row.expected;
}

TEST(ScaleModel, ScreenAngleCoversEveryDirection)
{
    const struct
    {
        double x1, y1, x2, y2;
        float expected;
    } rows[] = {
        {10, 10, 20, 10, 0},      {10, 10, 10, 5, 90},       {10, 10, 5, 10, 180},
        {10, 10, 10, 20, -90},    {10, 10, 10, 10, -90},     {20, 20, 30, 10, 45},
        {20, 20, 30, 30, -45},    {20, 20, 10, 10, 135},     {20, 20, 10, 30, -135},
        {20, 20, 10, 20 - std::sqrt(3.0) * 10, 120},
        {20, 20, 10, 20 + std::sqrt(3.0) * 10, -120},
        // A coordinate exactly 0 stands for an unset point.
        {0, 10, 20, 30, 0},       {10, 0, 20, 30, 0},        {10, 10, 0, 30, 0},
        {10, 10, 20, 0, 0},
    };
    for (const auto &row : rows)
        EXPECT_NEAR(ScreenAngle(row.x1, row.y1, row.x2, row.y2), row.expected, 1e-4)
            << row.x1 << "," << row.y1 << "-" << row.x2 << "," << row.y2;
}

TEST(ScaleModel, PointDistanceIsEuclidean)
{
    EXPECT_EQ(PointDistance(0, 0, 3, 4), 5.0f);
    EXPECT_EQ(PointDistance(3, 4, 0, 0), 5.0f);
    EXPECT_EQ(PointDistance(-1, -1, -1, -1), 0.0f);
}

TEST(ScaleModel, RotateAboutTurnsClockwiseOnTheScreen)
{
    // Y grows downwards, so a positive quarter turn moves a point right of the centre below it.
    const tpPoint turned = RotateAbout({10, 10}, {20, 10}, Pi / 2);
    EXPECT_NEAR(turned.sngX, 10, 1e-5);
    EXPECT_NEAR(turned.sngY, 20, 1e-5);

    const ScaleValues values = tiltedAlong({10, 10, 110, 20});
    const tpPoint levelled = RotateAbout({10, 10}, {110, 20}, values.GE_dblHosei[3]);
    EXPECT_NEAR(levelled.sngX, 10 + std::sqrt(10100.0), 1e-4);
    EXPECT_NEAR(levelled.sngY, 10, 1e-4);
}

TEST(ScaleModel, AngleBoxTextShowsTheScreenDirection)
{
    const ScaleValues values = tiltedAlong({10, 10, 110, 20});
    const struct
    {
        Segment s;
        const char *text;
    } rows[] = {
        {{10, 20, 110, 10}, "5.7106゜"},
        {{10, 10, 110, 20}, "-5.7106゜"},
        {{10, 10, 20, 10}, "0.0゜"},
        {{10, 10, 5, 10}, "180.0゜"},
        {{20, 20, 10, 10}, "135.0゜"},
    };
    for (const auto &row : rows) {
        QString text = QStringLiteral("unchanged");
        CalibratedLength(values, row.s.x1, row.s.y1, row.s.x2, row.s.y2, &text);
        EXPECT_EQ(text, QString::fromUtf8(row.text));
    }
}

TEST(ScaleModel, TiltCheckCentresMarkersOnTheLineEnds)
{
    AnnotationLine line;
    MarkerShape start;
    MarkerShape end;
    start.Width = end.Width = 9;
    start.Height = end.Height = 9;
    ShowTiltCheck(line, start, end, 10, 20, 110, 40);
    EXPECT_EQ(line.X1, 10);
    EXPECT_EQ(line.Y1, 20);
    EXPECT_EQ(line.X2, 110);
    EXPECT_EQ(line.Y2, 40);
    EXPECT_EQ(start.Left, 5.5f);
    EXPECT_EQ(start.Top, 15.5f);
    EXPECT_EQ(end.Left, 105.5f);
    EXPECT_EQ(end.Top, 35.5f);
    EXPECT_FALSE(line.Visible || start.Visible || end.Visible);
}

} // namespace
