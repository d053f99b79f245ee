// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A point as the scale values keep it: canvas millimetres, single precision.
struct tpPoint
{
    float sngX = 0;
    float sngY = 0;

    bool operator==(const tpPoint &) const = default;
};

// The calibration of the open record book: one instance for the main window. The member names
// are also the keys the record book stores them under, so they must not change.
struct ScaleValues
{
    // Tilt reference line as drawn: X1, Y1, X2, Y2 in canvas millimetres at the zoom of the
    // moment it was drawn.
    float GE_sngHosei[4] = {10, 10, 100, 10};
    // Derived from GE_sngHosei: angle in degrees, its negative, angle in radians, its negative.
    // The last one is the rotation applied to every measurement. Zero means no rotation.
    double GE_dblHosei[4] = {0, 0, 0, 0};
    // Known-distance reference points: 0 and 1 the horizontal reference, 2 and 3 a vertical one
    // that is only carried along.
    tpPoint GE_tpPiccelD[4] = {{50, 5}, {150, 5}, {150, 5}, {150, 105}};
    float GE_sngPiccelD_X = 100; // reference length on the screen, base millimetres
    float GE_sngPiccelD_Y = 100;
    float GE_sngDistanceD_X = 100; // the same reference on the object, real millimetres
    float GE_sngDistanceD_Y = 100;
    double GE_tpPtoD_r_X = 1.0; // real millimetres per base millimetre along the tilt line
    double GE_tpPtoD_r_Y = 1.0; // and across it
    float GE_sngHojoLen = 15.0f; // extension-line length of a dimension, canvas millimetres
    QString GE_strPpSize = QStringLiteral("A4"); // paper-size code of the print frame

    bool operator==(const ScaleValues &) const = default;
};

// Puts every value except GE_dblHosei back to its start value; the tilt angles are kept, so the
// default tilt line (horizontal) and a zero rotation agree only until a tilt has been measured.
// The main form completes the reset: it sets ZoomFactor and LayoutZoom back to 1.0 and, right
// after this call, places its tilt check objects on the new line with ShowTiltCheck.
void resetScaleValues(ScaleValues &values);

// Whether a reference has set the ratio: a ratio other than the start's 1.0, or the start's
// ratio from a reference of its own. Start values alone (a new program, a book never calibrated)
// say the picture's millimetres at 100 %, nothing about the catch.
bool isCalibrated(const ScaleValues &values);
