// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberText.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace numbertext {
namespace {

QString formatGeneral(double value, int significantDigits)
{
    if (value == 0)
        return QStringLiteral("0"); // also for -0
    char buffer[64];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                      std::chars_format::general, significantDigits);
    return QString::fromLatin1(buffer, result.ptr - buffer).toUpper();
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The span [start, end) of the leading number of `text`; start == end when there is none.
struct NumberSpan
{
    qsizetype start = 0;
    qsizetype end = 0;
};

NumberSpan scanLeadingNumber(const QString &text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < size && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    qsizetype digits = 0;
    for (; i < size && isDigit(text.at(i)); ++i)
        ++digits;
    if (i < size && text.at(i) == u'.') {
        for (++i; i < size && isDigit(text.at(i)); ++i)
            ++digits;
    }
    if (digits == 0)
        return {start, start};
    if (i < size && QStringLiteral("eEdD").contains(text.at(i))) {
        qsizetype j = i + 1;
        if (j < size && (text.at(j) == u'+' || text.at(j) == u'-'))
            ++j;
        if (j < size && isDigit(text.at(j))) {
            while (j < size && isDigit(text.at(j)))
                ++j;
            i = j;
        }
    }
    return {start, i};
}

// The decimal order of magnitude of an unsigned number ("0.00123e5": 2), the exponent saturated:
// enough to tell a number too large for a double from one too small. Zero counts as small.
long long decimalOrder(std::string_view number)
{
    const std::size_t mantissaEnd = std::min(number.find('e'), number.size());
    const std::size_t wholeEnd = std::min(number.find('.'), mantissaEnd);
    const std::size_t first = number.find_first_of("123456789");
    if (first >= mantissaEnd)
        return -1;
    long long order = first < wholeEnd ? static_cast<long long>(wholeEnd - first) - 1
                                       : -static_cast<long long>(first - wholeEnd);
    std::string_view exponent = number.substr(std::min(mantissaEnd + 1, number.size()));
    const bool negative = exponent.starts_with('-');
    if (negative || exponent.starts_with('+'))
        exponent.remove_prefix(1);
    long long magnitude = 0;
    for (const char c : exponent)
        magnitude = std::min(magnitude * 10 + (c - '0'), 1'000'000'000LL);
    return order + (negative ? -magnitude : magnitude);
}

// A number as scanLeadingNumber finds it, with a lower-case e before its exponent: exact,
// locale-free, an infinity when it is beyond the double range and 0 when it is too small for one.
double asciiNumberValue(std::string_view number)
{
    const bool negative = number.front() == '-';
    if (negative || number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (decimalOrder(number) < 0)
            return 0.0; // unsigned, as the classic conversion gives it
        value = std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

template<typename Int>
std::optional<Int> roundToRange(double value)
{
    const double rounded = std::nearbyint(value); // the default rounding mode: halves to even
    using Limits = std::numeric_limits<Int>;
    if (!(rounded >= Limits::min() && rounded <= Limits::max()))
        return std::nullopt; // also NaN, which fails every comparison
    return static_cast<Int>(rounded);
}

// The pieces of a display pattern such as "##0.0###゜".
struct Pattern
{
    QString prefix;
    QString suffix;
    bool point = false;
    int minWholeDigits = 0;
    int decimals = 0;
    int minDecimals = 0; // the places up to the last '0' after the point
};

bool isPlaceholder(QChar c)
{
    return c == u'#' || c == u'0' || c == u'.';
}

Pattern parsePattern(const QString &text)
{
    Pattern pattern;
    qsizetype first = 0;
    while (first < text.size() && !isPlaceholder(text.at(first)))
        ++first;
    qsizetype last = text.size();
    while (last > first && !isPlaceholder(text.at(last - 1)))
        --last;
    pattern.prefix = text.left(first);
    pattern.suffix = text.mid(last);
    for (qsizetype i = first; i < last; ++i) {
        const QChar c = text.at(i);
        if (c == u'.') {
            pattern.point = true;
        } else if (pattern.point && (c == u'#' || c == u'0')) {
            ++pattern.decimals;
            if (c == u'0')
                pattern.minDecimals = pattern.decimals;
        } else if (c == u'0') {
            ++pattern.minWholeDigits;
        }
    }
    return pattern;
}

// The digits of |value| to 15 significant digits, split at the decimal point.
struct Digits
{
    std::string whole;
    std::string fraction;
};

Digits decimalDigits(double magnitude)
{
    constexpr int precision = 15;
    char buffer[64];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), magnitude,
                                      std::chars_format::scientific, precision - 1);
    const std::string text(buffer, result.ptr);
    const std::size_t e = text.find('e');
    const std::string mantissa = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exponent);
    const int wholeCount = exponent + 1;
    if (wholeCount <= 0)
        return {{}, std::string(-wholeCount, '0') + mantissa};
    if (wholeCount >= precision)
        return {mantissa + std::string(wholeCount - precision, '0'), {}};
    return {mantissa.substr(0, wholeCount), mantissa.substr(wholeCount)};
}

// Rounds half away from zero to `decimals` fraction digits.
Digits roundDigits(Digits digits, int decimals)
{
    std::string all = digits.whole + digits.fraction;
    std::size_t wholeCount = digits.whole.size();
    const std::size_t cut = wholeCount + decimals;
    const bool up = cut < all.size() && all[cut] >= '5';
    all.resize(cut, '0');
    if (up) {
        std::size_t i = cut;
        while (i > 0 && all[i - 1] == '9')
            all[--i] = '0';
        if (i == 0) {
            all.insert(all.begin(), '1');
            ++wholeCount;
        } else {
            ++all[i - 1];
        }
    }
    return {all.substr(0, wholeCount), all.substr(wholeCount)};
}

} // namespace

QString formatSingle(float value)
{
    return formatGeneral(value, 7);
}

QString formatDouble(double value)
{
    return formatGeneral(value, 15);
}

QString formatBool(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

std::optional<bool> parseBool(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    const NumberSpan span = scanLeadingNumber(trimmed);
    if (span.start == span.end || span.end != trimmed.size())
        return std::nullopt;
    return parseLenient(trimmed) != 0;
}

double parseLenient(const QString &text)
{
    const NumberSpan span = scanLeadingNumber(text);
    if (span.start == span.end)
        return 0.0;
    // The span is ASCII. Record books hold more than a million numbers, so they are read with
    // std::from_chars (locale-free, exact) from a copy on the stack.
    QVarLengthArray<char, 64> number;
    for (qsizetype i = span.start; i < span.end; ++i) {
        const char c = char(text.at(i).unicode());
        number.append(c == 'd' || c == 'D' || c == 'E' ? 'e' : c);
    }
    return asciiNumberValue(std::string_view(number.data(), std::size_t(number.size())));
}

QString halfWidthNumber(const QString &typed)
{
    // The full-width forms U+FF01..U+FF5E stand in the order of ASCII's U+0021..U+007E.
    const auto ascii = [](char16_t fullWidth) { return char16_t(fullWidth - (u'０' - u'0')); };
    QString text = typed;
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if ((u >= u'０' && u <= u'９') || u == u'＋' || u == u'－' || u == u'．')
            c = QChar(ascii(u));
    }
    return text;
}

std::optional<int> roundHalfEven(double value)
{
    return roundToRange<int>(value);
}

std::optional<std::int16_t> roundToInt16(double value)
{
    return roundToRange<std::int16_t>(value);
}

QString formatNumber(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return formatDouble(value);
    const Pattern parts = parsePattern(pattern);
    Digits digits = roundDigits(decimalDigits(std::abs(value)), parts.decimals);

    const std::size_t firstSignificant = digits.whole.find_first_not_of('0');
    digits.whole.erase(0, std::min(firstSignificant, digits.whole.size()));
    if (digits.whole.size() < std::size_t(parts.minWholeDigits))
        digits.whole.insert(0, parts.minWholeDigits - digits.whole.size(), '0');
    while (digits.fraction.size() > std::size_t(parts.minDecimals)
           && digits.fraction.back() == '0') {
        digits.fraction.pop_back();
    }

    const bool zero = (digits.whole + digits.fraction).find_first_not_of('0') == std::string::npos;
    QString text = (value < 0 && !zero) ? QStringLiteral("-") : QString();
    text += parts.prefix + QString::fromStdString(digits.whole);
    if (parts.point)
        text += u'.' + QString::fromStdString(digits.fraction);
    return text + parts.suffix;
}

} // namespace numbertext
