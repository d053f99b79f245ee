// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScaleModel.h"

#include "platform/NumberText.h"

#include <cmath>

double LineAngle(float x1, float y1, float x2, float y2, AngleUnit unit)
{
    const float dx = x1 - x2;
    const float dy = y1 - y2;
    double degrees = 0;
    double radians = 0;
    if (dx == 0) {
        degrees = 90;
        radians = Pi / 180 * 90;
    } else if (dy != 0) {
        radians = std::atan(double(dy) / double(dx));
        degrees = 180 / Pi * radians;
    }
    return unit == AngleUnit::Degrees ? degrees : radians;
}

void ComputeTiltAngles(ScaleValues &values)
{
    const float *line = values.GE_sngHosei;
    values.GE_dblHosei[0] = LineAngle(line[0], line[1], line[2], line[3], AngleUnit::Degrees);
    values.GE_dblHosei[2] = LineAngle(line[0], line[1], line[2], line[3], AngleUnit::Radians);
    values.GE_dblHosei[1] = -values.GE_dblHosei[0];
    values.GE_dblHosei[3] = Pi / 180 * values.GE_dblHosei[1];
}

tpPoint RotateAbout(tpPoint centre, tpPoint p, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double cx = centre.sngX;
    const double cy = centre.sngY;
    const double px = p.sngX;
    const double py = p.sngY;
    return {float(c * px - s * py + (1 - c) * cx + s * cy),
            float(s * px + c * py + (1 - c) * cy - s * cx)};
}

double CalibratedLength(const ScaleValues &values, float x1, float y1, float x2, float y2,
                        QString *angleBoxText)
{
    const tpPoint centre{values.GE_sngHosei[0], values.GE_sngHosei[1]};
    const double rotation = values.GE_dblHosei[3];
    const tpPoint p1 = RotateAbout(centre, {x1, y1}, rotation);
    const tpPoint p2 = RotateAbout(centre, {x2, y2}, rotation);
    // The differences stay single, as the rotated points are; only the scaling is double.
    const double dX = (p2.sngX - p1.sngX) * values.GE_tpPtoD_r_X;
    const double dY = (p2.sngY - p1.sngY) * values.GE_tpPtoD_r_Y;
    const double length = std::pow(dX * dX + dY * dY, 0.5);
    if (angleBoxText) {
        const float angle = ScreenAngle(x1, y1, x2, y2);
        *angleBoxText = numbertext::formatNumber(angle, QStringLiteral("##0.0###゜"));
    }
    return length;
}

float ScreenAngle(double x1, double y1, double x2, double y2)
{
    if (x1 == 0 || x2 == 0)
        return 0;
    if (y1 == 0 || y2 == 0)
        return 0;
    const double dx = x2 - x1;
    const double dy = y1 - y2; // screen Y grows downwards; up is positive here
    if (dx == 0)
        return dy > 0 ? 90 : -90;
    if (dy == 0)
        return dx < 0 ? 180 : 0;
    const double t = 180 / Pi * std::atan(dy / dx);
    if (dx > 0)
        return float(t);
    if (dy > 0)
        return float(t + 180);
    return float((180 - t) * -1);
}

float PointDistance(float x1, float y1, float x2, float y2)
{
    const double dy = double(y2) - double(y1);
    const double dx = double(x2) - double(x1);
    return float(std::pow(std::pow(dy, 2) + std::pow(dx, 2), 0.5));
}

bool SetRatio(ScaleValues &values, float onScreenLength, float realLength)
{
    values.GE_sngPiccelD_X = onScreenLength;
    values.GE_sngDistanceD_X = realLength;
    if (!(onScreenLength > 0 && realLength > 0))
        return false;
    values.GE_tpPtoD_r_X = double(realLength) / double(onScreenLength);
    values.GE_tpPtoD_r_Y = values.GE_tpPtoD_r_X;
    return true;
}

void ShowTiltCheck(AnnotationLine &lineCheck, MarkerShape &startMarker, MarkerShape &endMarker,
                   float x1, float y1, float x2, float y2)
{
    lineCheck.X1 = x1;
    lineCheck.Y1 = y1;
    lineCheck.X2 = x2;
    lineCheck.Y2 = y2;
    startMarker.Left = x1 - startMarker.Width / 2;
    startMarker.Top = y1 - startMarker.Height / 2;
    endMarker.Left = x2 - endMarker.Width / 2;
    endMarker.Top = y2 - endMarker.Height / 2;
}
