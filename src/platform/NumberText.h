// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Numbers as the program shows them and as record books store them. Every function here is
// independent of the locale: "." is always the decimal point.
namespace numbertext {

// The general form: rounded to 7 (single) or 15 (double) significant digits, no trailing zeros,
// "-" for negatives, and the exponent form ("1.5E+07", "1E-05") once the decimal exponent is
// below -4 or reaches the digit count, as the classic BASIC conversion to text writes it.
QString formatSingle(float value);
QString formatDouble(double value);

QString formatBool(bool value);
// "True"/"False" in any case, or a number (0 is false, anything else true); blanks around it
// are allowed. Nothing else is a boolean.
std::optional<bool> parseBool(const QString &text);

// The longest leading decimal number (blanks, sign, digits, point, digits, exponent with E or D);
// 0 when the text does not start with one. A number beyond the double range gives infinity.
double parseLenient(const QString &text);

// A number as typed: the full-width digits, signs and decimal point an input method gives
// ("－１２３．５") become their ASCII forms ("-123.5"); every other character stays as it is.
QString halfWidthNumber(const QString &typed);

// Nearest integer, halves to even; nothing when the value is not a number or out of range.
std::optional<int> roundHalfEven(double value);
std::optional<std::int16_t> roundToInt16(double value);

// A display pattern of digit placeholders: '0' always shows a digit, '#' only a significant
// one, at most one '.', and literal text before or after ("0.00 mm", "##0.0###゜").
// The value is rounded half away from zero to as many decimals as the pattern has places;
// trailing zeros are dropped only from '#' places after the last '0'. The integer part shows at
// least as many digits as it has '0' places, so "#.0" writes 0.5 as ".5". Negative results that
// are not zero get a leading "-".
QString formatNumber(double value, const QString &pattern);

} // namespace numbertext
