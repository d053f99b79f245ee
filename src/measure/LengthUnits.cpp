// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LengthUnits.h"

#include "document/AnnotationTypes.h"
#include "measure/DimensionConstruction.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/WorkSteps.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace {

constexpr int InchesPerFoot = 12;
// Three times the longest caption lengthText writes (for a length near the largest a double
// holds). The patterns backtrack over a run of digits in time that grows with its square
// (300,000 digits: 36 s), so a longer text, which is no kept length, never reaches them.
constexpr qsizetype LongestLengthCaption = 1024;

const QString Section = QStringLiteral("寸法の単位");
const QString UnitKey = QStringLiteral("UNIT");
const QString RoundUpKey = QStringLiteral("ROUND_UP");
const QString UncertaintyKey = QStringLiteral("SHOW_ERROR");
const std::array<QString, 4> UnitNames = {QStringLiteral("cm"), QStringLiteral("in4"),
                                          QStringLiteral("in8"), QStringLiteral("ftin")};

// `value` in whole steps, up or to the nearest. A hair above a step (a length that is the step
// but for floating-point noise) stays on it when rounding up.
long long steps(double value, double step, bool roundUp)
{
    const double count = value / step;
    return roundUp ? std::llround(std::ceil(count - 1e-9)) : std::llround(count);
}

// Whole inches and a reduced fraction of `denominator`: "15 1/4", "15", "1/8".
QString inchText(long long fractions, int denominator)
{
    const long long whole = fractions / denominator;
    long long numerator = fractions % denominator;
    QString text = whole > 0 || numerator == 0 ? QString::number(whole) : QString();
    if (numerator > 0) {
        const long long common = std::gcd(numerator, static_cast<long long>(denominator));
        numerator /= common;
        if (!text.isEmpty())
            text += u' ';
        text += QStringLiteral("%1/%2").arg(numerator).arg(denominator / common);
    }
    return text;
}

} // namespace

QString lengthText(double realMm, const LengthStyle &style, double uncertaintyMm)
{
    const bool plusMinus = style.showUncertainty;
    switch (style.unit) {
    case LengthUnit::Centimetre: {
        // centimetreText ends in "cm ": the ± goes before the unit.
        QString text = centimetreText(style.roundUp ? double(steps(realMm, 5, true)) * 5 : realMm);
        if (plusMinus) {
            text.chop(3);
            const double tenths = double(std::max(1LL, steps(uncertaintyMm, 1, true)));
            text += QStringLiteral("±") + numbertext::formatNumber(tenths / 10, QStringLiteral("0.0"))
                    + QStringLiteral("cm ");
        }
        return text;
    }
    case LengthUnit::QuarterInch:
    case LengthUnit::EighthInch:
    case LengthUnit::FeetAndInches: {
        const int denominator = style.unit == LengthUnit::EighthInch ? 8 : 4;
        const double step = 1.0 / denominator;
        long long count = steps(realMm / MmPerInch, step, style.roundUp);
        QString feet;
        if (style.unit == LengthUnit::FeetAndInches) {
            const long long perFoot = denominator * InchesPerFoot;
            if (count >= perFoot)
                feet = QStringLiteral("%1ft ").arg(count / perFoot);
            count %= perFoot;
        }
        QString text = feet + inchText(count, denominator);
        if (plusMinus) {
            const long long fractions = std::max(1LL, steps(uncertaintyMm / MmPerInch, step, true));
            text += QStringLiteral("±") + inchText(fractions, denominator);
        }
        return text + QStringLiteral("in ");
    }
    }
    return centimetreText(realMm);
}

namespace {

// "15 1/4", "15", "1/4" in inches.
double inchNumber(const QString &text)
{
    double inches = 0;
    for (const QString &part : text.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype slash = part.indexOf(u'/');
        inches += slash < 0 ? part.toDouble()
                            : part.left(slash).toDouble() / part.mid(slash + 1).toDouble();
    }
    return inches;
}

} // namespace

std::optional<CaptionLength> parseLengthText(const QString &caption)
{
    static const QRegularExpression centimetres(
        QStringLiteral("^([0-9]*\\.?[0-9]+)(?:±([0-9]*\\.?[0-9]+))?cm$"));
    static const QRegularExpression inches(QStringLiteral(
        "^(?:([0-9]+)ft )?([0-9]+(?: [1-9]/[1-8])?|[1-9]/[1-8])(?:±([0-9]+(?: [1-9]/[1-8])?|[1-9]/[1-8]))?in$"));
    const QString text = caption.trimmed();
    if (text.size() > LongestLengthCaption)
        return std::nullopt;
    const auto matched = [&text](const QRegularExpression &pattern) {
        worksteps::add(text.size());
        return pattern.match(text);
    };
    if (const QRegularExpressionMatch cm = matched(centimetres); cm.hasMatch()) {
        CaptionLength length{cm.captured(1).toDouble() * 10, std::nullopt};
        if (cm.hasCaptured(2))
            length.uncertaintyMm = cm.captured(2).toDouble() * 10;
        return length;
    }
    if (const QRegularExpressionMatch in = matched(inches); in.hasMatch()) {
        const double total = in.captured(1).toDouble() * InchesPerFoot + inchNumber(in.captured(2));
        CaptionLength length{total * MmPerInch, std::nullopt};
        if (in.hasCaptured(3))
            length.uncertaintyMm = inchNumber(in.captured(3)) * MmPerInch;
        return length;
    }
    return std::nullopt;
}

LengthStyle LoadLengthStyle(const QString &settingsFile)
{
    LengthStyle style;
    const QString unit = ReadSetting(Section, UnitKey, settingsFile);
    for (std::size_t i = 0; i < UnitNames.size(); ++i) {
        if (unit.compare(UnitNames[i], Qt::CaseInsensitive) == 0)
            style.unit = LengthUnit(i);
    }
    style.roundUp = ReadSetting(Section, RoundUpKey, settingsFile) == QLatin1String("1");
    style.showUncertainty =
        ReadSetting(Section, UncertaintyKey, settingsFile) == QLatin1String("1");
    return style;
}

bool SaveLengthStyle(const LengthStyle &style, const QString &settingsFile)
{
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return WriteSetting(Section, UnitKey, UnitNames[std::size_t(style.unit)], settingsFile)
           && WriteSetting(Section, RoundUpKey, flag(style.roundUp), settingsFile)
           && WriteSetting(Section, UncertaintyKey, flag(style.showUncertainty), settingsFile);
}
