// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

struct AnnotationStore;
struct ScaleValues;
struct WeightTable;

// The catch record's weight line, filled by the program: the estimate for the species the title
// names, at the longest kept dimension (the fish rather than its depth or a fin), and the girth
// formula's when a girth was given. A weight the user wrote there is never replaced.

// The longest kept dimension whose caption reads as a length, in real millimetres, with the ±
// its caption shows or else the one the calibration gives.
struct KeptLength
{
    double mm = 0;
    double uncertaintyMm = 0;
};
std::optional<KeptLength> longestKeptLength(const AnnotationStore &objects, const ScaleValues &scale);

enum class WeightFill {
    Written,        // the line holds the estimate
    NoWeightLine,   // the book has no "重さ：" line
    WeighedByHand,  // the line holds a weight the user wrote: it stays
    NoLength,       // no kept dimension reads as a length
    UnknownSpecies, // the title names no species of the table and there is no girth
};

struct WeightFillRequest
{
    // Whether girthMm replaces the girth the line already holds (none: no girth estimate).
    bool newGirth = false;
    std::optional<double> girthMm;
};

WeightFill fillWeightLine(AnnotationStore &objects, const WeightTable &table,
                          const ScaleValues &scale, const WeightFillRequest &request = {});
