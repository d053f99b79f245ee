// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredNumbers.h"

#include "platform/NumberText.h"

#include <cmath>
#include <limits>

namespace storednumbers {

std::optional<float> readSingle(const QString &text)
{
    const double value = numbertext::parseLenient(text);
    if (!(std::abs(value) <= std::numeric_limits<float>::max()))
        return std::nullopt; // also infinity
    return float(value);
}

std::optional<double> readDouble(const QString &text)
{
    const double value = numbertext::parseLenient(text);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> readInt16(const QString &text)
{
    return numbertext::roundToInt16(numbertext::parseLenient(text));
}

std::optional<OleColor> readColour(const QString &text)
{
    const std::optional<int> value = numbertext::roundHalfEven(numbertext::parseLenient(text));
    if (!value)
        return std::nullopt;
    return OleColor(std::uint32_t(*value));
}

QString writeColour(OleColor colour)
{
    return QString::number(std::int32_t(colour));
}

} // namespace storednumbers
