// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationTypes.h"

#include <array>

// The fixed canvas objects that the measuring gestures move about: the measuring line with its
// extension lines and length labels, guide and snap marks, the tilt reference, and the paper
// frame, print area and its masks. None of them is saved but a print area the user drew.
struct LiveObjects
{
    LiveObjects();

    AnnotationLine lineDistance;
    std::array<AnnotationLine, 4> lineHojo;
    AnnotationLabel lblDistance; // centimetres
    AnnotationLabel lblFt;       // feet
    std::array<MarkerShape, 4> shpSps; // print-area masks
    AnnotationLine lineHintX;
    AnnotationLine lineHintY;
    std::array<MarkerShape, 2> shpCheck; // ends of the tilt reference line
    AnnotationLine lineCheck;
    MarkerShape shpSnap;
    MarkerShape shpPrint; // print area
    bool printAreaDrawn = false; // shpPrint is the user's own, not the one laid out by default
    std::array<MarkerShape, 4> shpPrintWaku; // paper frame

    // The measuring line, its labels and its extension lines go out of sight.
    void hideMeasurement();
};
