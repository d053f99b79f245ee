// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DimensionConstruction.h"

#include "document/LabelMetrics.h"
#include "measure/MeasuringTool.h"
#include "measure/LengthUnits.h"
#include "platform/NumberText.h"
#include "view/MeasurementAccuracy.h"
#include "document/ScaleModel.h"

#include <cmath>

namespace {

// The international foot. The feet label is only shown while measuring, never stored.
constexpr double MmPerFoot = 304.8;

} // namespace

QString centimetreText(double realMm)
{
    return numbertext::formatNumber(realMm / 10, QStringLiteral("#.0")) + QStringLiteral("cm ");
}

QString footText(double realMm)
{
    return numbertext::formatNumber(realMm / MmPerFoot, QStringLiteral("0.00"))
        + QStringLiteral("ft. ");
}

void subHojoVisible(MeasuringTool &tool, bool show)
{
    for (AnnotationLine &line : tool.live.lineHojo)
        line.Visible = show;
}

void subHojoStart(MeasuringTool &tool, float X, float Y)
{
    for (AnnotationLine *line : {&tool.live.lineHojo[0], &tool.live.lineHojo[2]}) {
        line->X1 = X;
        line->Y1 = Y;
    }
}

void subHojoPlace(MeasuringTool &tool, float X1, float Y1, float X2, float Y2, float L)
{
    // The normal is the line's direction turned back a quarter: up for a horizontal line (y grows
    // downwards), right for a vertical one and for a line that is still a point.
    const double a = LineAngle(X1, Y1, X2, Y2, AngleUnit::Degrees);
    const double theta = (a - 90) * Pi / 180;
    const double nx = L * std::cos(theta);
    const double ny = L * std::sin(theta);
    auto &hojo = tool.live.lineHojo;
    hojo[1].X1 = X2;
    hojo[1].Y1 = Y2;
    hojo[3].X1 = X2;
    hojo[3].Y1 = Y2;
    for (int i = 0; i < 4; ++i) {
        const double sign = i < 2 ? 1.0 : -1.0;
        hojo[i].X2 = float(hojo[i].X1 + sign * nx);
        hojo[i].Y2 = float(hojo[i].Y1 + sign * ny);
    }
}

void subDistanceLabels(MeasuringTool &tool)
{
    LiveObjects &live = tool.live;
    const AnnotationLine &line = live.lineDistance;
    const auto &hojo = live.lineHojo;
    AnnotationLabel &cm = live.lblDistance;
    AnnotationLabel &ft = live.lblFt;

    // Placed with the sizes of the previous texts and the extension lines of the previous move.
    cm.Left = line.X1 + (line.X2 - line.X1) / 2 - cm.Width / 2;
    cm.Top = hojo[0].Y2 + (hojo[1].Y2 - hojo[0].Y2) / 2 - cm.Height / 2;
    ft.Top = hojo[2].Y2 + (hojo[3].Y2 - hojo[2].Y2) / 2 - ft.Height / 2;
    if (std::abs(cm.Top - ft.Top) > ft.Height) {
        ft.Left = cm.Left;
    } else {
        // Near-vertical: the two would overlap, so they stand side by side, feet on the right.
        cm.Left = cm.Left - cm.Width / 2;
        ft.Left = cm.Left + cm.Width;
    }

    const float z = tool.ZoomFactor;
    const double realMm = CalibratedLength(tool.scale, line.X1 / z, line.Y1 / z, line.X2 / z,
                                           line.Y2 / z, &tool.txtPict[3].Text);
    setCaption(cm, lengthText(realMm, tool.process.lengthStyle,
                              lengthUncertaintyMm(tool.scale, realMm)));
    setCaption(ft, footText(realMm));
    tool.txtPict[4].Text = cm.Caption;
}
