// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/AnnotationStore.h"
#include "document/AnnotationTypes.h"
#include "document/ScaleValues.h"

#include <array>
#include <cstddef>

// A copy of everything the user changes in a record book: what a save writes (the annotations
// and the scale values, the paper size among them) and the print area with its masks and the
// paper frame. Geometry is held in canvas millimetres at `zoom`, the zoom it was taken at.
struct RecordBookSnapshot
{
    AnnotationStore annotations;
    ScaleValues scale;
    MarkerShape printArea;
    bool printAreaDrawn = false;
    std::array<MarkerShape, 4> masks;
    std::array<MarkerShape, 4> paperFrame;
    float zoom = 1.0f;

    bool operator==(const RecordBookSnapshot &) const = default;
};

// About how many bytes a snapshot holds: its records and the characters of their texts.
std::size_t estimatedBytes(const RecordBookSnapshot &snapshot);
