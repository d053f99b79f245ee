#include "LengthUnits.h"

#include "measure/DimensionConstruction.h"
#include "platform/ProfileFile.h"

#include <array>
#include <cmath>
#include <numeric>

namespace {

constexpr double MmPerInch = 25.4;
constexpr int InchesPerFoot = 12;

const QString Section = QStringLiteral("寸法の単位");
const QString UnitKey = QStringLiteral("UNIT");
const QString RoundUpKey = QStringLiteral("ROUND_UP");
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
QString inchText(long long eighthsOrQuarters, int denominator)
{
    const long long whole = eighthsOrQuarters / denominator;
    long long numerator = eighthsOrQuarters % denominator;
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

QString lengthText(double realMm, const LengthStyle &style)
{
    switch (style.unit) {
    case LengthUnit::Centimetre:
        if (!style.roundUp)
            return centimetreText(realMm);
        return centimetreText(double(steps(realMm, 5, true)) * 5);
    case LengthUnit::QuarterInch:
    case LengthUnit::EighthInch: {
        const int denominator = style.unit == LengthUnit::QuarterInch ? 4 : 8;
        return inchText(steps(realMm / MmPerInch, 1.0 / denominator, style.roundUp), denominator)
               + QStringLiteral("in ");
    }
    case LengthUnit::FeetAndInches: {
        const long long quarters = steps(realMm / MmPerInch, 0.25, style.roundUp);
        const long long feet = quarters / (4 * InchesPerFoot);
        const QString inches = inchText(quarters % (4 * InchesPerFoot), 4) + QStringLiteral("in ");
        return feet > 0 ? QStringLiteral("%1ft ").arg(feet) + inches : inches;
    }
    }
    return centimetreText(realMm);
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
    return style;
}

bool SaveLengthStyle(const LengthStyle &style, const QString &settingsFile)
{
    return WriteSetting(Section, UnitKey, UnitNames[std::size_t(style.unit)], settingsFile)
           && WriteSetting(Section, RoundUpKey, style.roundUp ? QStringLiteral("1")
                                                              : QStringLiteral("0"),
                           settingsFile);
}
