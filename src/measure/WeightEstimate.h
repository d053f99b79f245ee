// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

struct SpeciesWeight;

// What the catch record's weight line says when the program estimated the weight, from the
// species' length relation, from the anglers' girth formula, or both:
// "820g±20g (推定)", "1.25kg±0.03kg (推定・尾叉長)", "胴回り 25.0cm で 790g (推定)" and the
// two joined by "、". The ± is how far the length's own error moves the estimate; how plump
// a single fish is can move it further.
struct WeightEstimateInput
{
    const SpeciesWeight *species = nullptr; // none: no estimate from length alone
    double lengthMm = 0;
    double lengthUncertaintyMm = 0;
    std::optional<double> girthMm;
};
QString weightEntry(const WeightEstimateInput &input);

// The anglers' girth formula: pounds = length × girth² / 800, both in inches.
double girthFormulaGrams(double lengthMm, double girthMm);

// Grams as the weight line shows them: whole grams below 100 g, tens of grams below a
// kilogram, hundredths of a kilogram above. The ± is rounded up to the same step and is never
// less than one.
QString gramsText(double grams, std::optional<double> uncertaintyGrams = std::nullopt);

// True for an entry the program may write over: empty, or one it estimated.
bool isEstimatedEntry(const QString &entry);
// The girth an estimated entry was worked out with.
std::optional<double> girthInEntry(const QString &entry);
