// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/ScaleValues.h"

#include <QString>

// How far a calibrated length can honestly be off. Two things limit it: the reference line was
// clicked to within a pixel at each end, so its length in pixels carries up to two pixels of
// error, and that error scales every length measured with it; and each measured length was
// itself clicked to within a pixel at each end.

// A reference shorter than this many picture pixels is warned about.
inline constexpr double ShortestGoodReferencePx = 200;

// The calibration's reference in picture pixels: the horizontal reference of the option dialog,
// whose ratio serves along and across alike.
double referencePixels(const ScaleValues &values);

// The most a length of realMm real millimetres can be off from those two causes together.
double lengthUncertaintyMm(const ScaleValues &values, double realMm);

// What the option dialog says about the reference: empty when it is long enough both in pixels
// and beside the longest length measured with it (in base millimetres; 0 when none is).
QString referenceWarning(const ScaleValues &values, double longestMeasuredBaseMm);
