// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScaleValues.h"
#include "document/AnnotationTypes.h"

#include <QString>

// Turns lengths taken on the displayed picture into real millimetres on the photographed object.
// Every stored length and angle of a record book was computed with these exact steps (single
// precision where a value is a length or coordinate, double where it is a ratio or an angle), so
// each rounding below is deliberate: changing one would change the numbers users see.

// The program's pi. Angles and therefore every tilt-corrected length depend on this exact value.
constexpr double Pi = 3.14159265358979;

enum class AngleUnit { Degrees, Radians };

// Slope angle of a line in (-90, 90]; with Y growing downwards a line falling to the right is
// positive. A vertical line, and a line whose ends coincide, gives 90 degrees.
double LineAngle(float x1, float y1, float x2, float y2, AngleUnit unit);

// Recomputes GE_dblHosei from the tilt reference line GE_sngHosei.
void ComputeTiltAngles(ScaleValues &values);

// Rotates p by angle (radians) about centre, in the canvas's Y-down system.
tpPoint RotateAbout(tpPoint centre, tpPoint p, double angle);

// Real length in millimetres of the segment between two points in base millimetres: the segment
// is turned so that the tilt line lies horizontal, then scaled by the ratio along and the ratio
// across that line. When angleBoxText is given it receives the segment's screen direction as the
// coordinate panel shows it, such as "5.7106゜".
double CalibratedLength(const ScaleValues &values, float x1, float y1, float x2, float y2,
                        QString *angleBoxText = nullptr);

// Direction of a segment in degrees, (-180, 180]: 0 right, 90 up, 180 left, -90 down. A point on
// either axis (a coordinate exactly 0) means "no position yet" and gives 0; equal points give -90.
float ScreenAngle(double x1, double y1, double x2, double y2);

float PointDistance(float x1, float y1, float x2, float y2);

// Sets the ratio of real to on-screen length, along and across the tilt line alike. Both lengths
// are stored whatever they are; the ratios change only when both are positive. Returns whether
// they changed.
bool SetRatio(ScaleValues &values, float onScreenLength, float realLength);

// Places the tilt check line on the reference line and centres the two markers on its ends.
// Visibility is the caller's business.
void ShowTiltCheck(AnnotationLine &lineCheck, MarkerShape &startMarker, MarkerShape &endMarker,
                   float x1, float y1, float x2, float y2);
