// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightEstimate.h"

#include "document/AnnotationTypes.h"
#include "measure/WeightTable.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr double GramsPerPound = 453.59237;
constexpr double GirthDivisor = 800;

const QString EstimatedMark = QStringLiteral("(推定");

double roundedUp(double value, double step)
{
    return std::max(1.0, std::ceil(value / step - 1e-9)) * step;
}

} // namespace

double girthFormulaGrams(double lengthMm, double girthMm)
{
    const double lengthIn = lengthMm / MmPerInch;
    const double girthIn = girthMm / MmPerInch;
    return lengthIn * girthIn * girthIn / GirthDivisor * GramsPerPound;
}

QString gramsText(double grams, std::optional<double> uncertaintyGrams)
{
    const bool kilograms = std::round(grams / 10) * 10 >= 1000;
    const double step = grams < 99.5 ? 1 : 10;
    const auto shown = [kilograms](double value) {
        return kilograms ? QString::number(value / 1000, 'f', 2) + QStringLiteral("kg")
                         : QString::number(value, 'f', 0) + QStringLiteral("g");
    };
    QString text = shown(std::round(grams / step) * step);
    if (uncertaintyGrams)
        text += QStringLiteral("±") + shown(roundedUp(*uncertaintyGrams, step));
    return text;
}

QString weightEntry(const WeightEstimateInput &input)
{
    QStringList parts;
    if (const SpeciesWeight *species = input.species) {
        const double lengthCm = input.lengthMm / 10;
        const double grams = species->grams(lengthCm);
        const double spread = species->grams(lengthCm + input.lengthUncertaintyMm / 10) - grams;
        QString mark = EstimatedMark;
        if (species->kind != LengthKind::Total)
            mark += QStringLiteral("・") + lengthKindName(species->kind);
        parts << gramsText(grams, spread) + u' ' + mark + u')';
    }
    if (input.girthMm) {
        parts << QStringLiteral("胴回り %1cm で %2 %3)")
                     .arg(QString::number(*input.girthMm / 10, 'f', 1),
                          gramsText(girthFormulaGrams(input.lengthMm, *input.girthMm)),
                          EstimatedMark);
    }
    return parts.join(QStringLiteral("、"));
}

bool isEstimatedEntry(const QString &entry)
{
    return entry.trimmed().isEmpty() || entry.contains(EstimatedMark);
}

std::optional<double> girthInEntry(const QString &entry)
{
    static const QRegularExpression girth(QStringLiteral("胴回り ([0-9]+(?:\\.[0-9]+)?)cm"));
    const QRegularExpressionMatch match = girth.match(entry);
    if (!match.hasMatch() || !isEstimatedEntry(entry))
        return std::nullopt;
    return match.captured(1).toDouble() * 10;
}
