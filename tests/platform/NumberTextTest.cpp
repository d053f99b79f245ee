// SPDX-FileCopyrightText: 2026 CatchScale developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace numbertext;

// How record books spell their numbers: 7 significant digits for a single, 15 for a double,
// no trailing zeros, fixed form while the decimal exponent is from -4 up to one below the digit
// count, else "d.dddE+xx" with at least two exponent digits. The exponent is taken after the
// rounding, so 99999999 as a single (seven nines rounded up) is already 1E+08.
struct GeneralCase
{
    double value;
    bool single; // formatSingle(float(value)), else formatDouble(value)
    const char *text;
};

TEST(NumberText, GeneralFormSpellsStoredNumbers)
{
    const GeneralCase cases[] = {
        {0, true, "0"}, {-0.0, true, "0"}, {0, false, "0"}, {-0.0, false, "0"},
        {1, true, "1"}, {-1.5, true, "-1.5"}, {0.1, true, "0.1"}, {100000, true, "100000"},
        {123.4567, true, "123.4567"}, {3.7824766, true, "3.782477"},
        // seven digits: fixed up to 9999999, exponent from 10^7
        {9999999, true, "9999999"}, {-9999999, true, "-9999999"}, {10000000, true, "1E+07"},
        {15000000, true, "1.5E+07"}, {12345678, true, "1.234568E+07"},
        {-12345678, true, "-1.234568E+07"}, {99999999, true, "1E+08"},
        {123456789, true, "1.234568E+08"}, {1e38, true, "1E+38"},
        // seven digits: fixed down to 0.0001, exponent below it
        {0.0001, true, "0.0001"}, {-0.0001, true, "-0.0001"}, {0.00012345678, true, "0.0001234568"},
        {0.00001, true, "1E-05"}, {-0.000012345, true, "-1.2345E-05"},
        {0.000099999999, true, "0.0001"}, {1e-30, true, "1E-30"},
        // fifteen digits: the same rule at 10^15
        {123456789, false, "123456789"}, {999999999999999, false, "999999999999999"},
        {-999999999999999, false, "-999999999999999"}, {1e15, false, "1E+15"},
        {1234567890123456, false, "1.23456789012346E+15"}, {-1e15, false, "-1E+15"},
        {9999999999999998.0, false, "1E+16"}, {1e100, false, "1E+100"},
        {0.0001, false, "0.0001"}, {-0.0001, false, "-0.0001"}, {0.00001, false, "1E-05"},
        {-1.5e-300, false, "-1.5E-300"},
        // seven against fifteen digits of the same value
        {1.0 / 3, true, "0.3333333"}, {1.0 / 3, false, "0.333333333333333"},
        {2.0 / 3, true, "0.6666667"}, {2.0 / 3, false, "0.666666666666667"},
        {0.1, false, "0.1"}, {double(0.1f), false, "0.100000001490116"},
        {3.14159265358979, false, "3.14159265358979"},
        {-5.710593137499643, false, "-5.71059313749964"}, {0.0996687, false, "0.0996687"},
    };
    for (const GeneralCase &c : cases) {
        const QString text = c.single ? formatSingle(float(c.value)) : formatDouble(c.value);
        EXPECT_EQ(text, c.text) << (c.single ? "single " : "double ") << c.value;
    }
}

// Seven digits cannot hold every single exactly, but saving a value that was read back must
// write the same text again, so a record book does not drift from save to save.
TEST(NumberText, GeneralFormIsStableThroughReadingBack)
{
    for (const float value : {0.1f, 3.7824766f, -1.2345e-5f, 15000000.0f, 1e-30f, 1.0f / 3}) {
        const QString text = formatSingle(value);
        EXPECT_EQ(formatSingle(float(parseLenient(text))), text);
    }
    for (const double value : {0.1, 2.0 / 3, 1.23456789012345e-7, 2.5e300}) {
        const QString text = formatDouble(value);
        EXPECT_EQ(formatDouble(parseLenient(text)), text);
    }
}

TEST(NumberText, LenientParseTakesTheLeadingNumber)
{
    const std::pair<const char *, double> cases[] = {
        {"12abc", 12},   {" -3.5e2x", -350}, {"abc", 0},     {"", 0},     {".5", 0.5},
        {"-.5", -0.5},   {"5.", 5},          {"1.2.3", 1.2}, {"+7", 7},   {"1E+07", 1e7},
        {"1D3", 1000},   {"2e", 2},          {"2e+", 2},     {"-", 0},    {".", 0},
        {"&H10", 0},     {"1,5", 1},         {"\t4 5", 4},   {"1e-400", 0},
        // beyond the double range by the digits before the point or after it
        {"0.00001e-319", 0}, {"12345e-328", 0}, {"5e-324", 5e-324},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseLenient(QString::fromLatin1(text)), value) << text;
    EXPECT_EQ(parseLenient("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseLenient("0.01e311"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseLenient(QString(100'000, u'0') + u'7'), 7); // any number of digits
    EXPECT_FALSE(std::signbit(parseLenient("-1e-400"))); // too small: 0, without a sign
}

TEST(NumberText, TypedFullWidthNumbersBecomeAscii)
{
    const std::pair<const char *, const char *> cases[] = {
        {"１２３．５", "123.5"}, {"－０．２５", "-0.25"}, {"＋７", "+7"},
        {"1２．5", "12.5"},      // mixed widths
        {"３０ｃｍ", "30ｃｍ"},  // letters stay full-width
        {"１，５", "1，5"},      // so does the comma: it is no decimal point here
        {"ー１", "ー1"},         // the long-vowel mark is no minus
        {"12.5", "12.5"},
    };
    for (const auto &[typed, ascii] : cases)
        EXPECT_EQ(halfWidthNumber(QString::fromUtf8(typed)), QString::fromUtf8(ascii)) << typed;
    EXPECT_EQ(parseLenient(halfWidthNumber(QStringLiteral("－１２３．５ｍｍ"))), -123.5);
}

TEST(NumberText, Booleans)
{
    EXPECT_EQ(formatBool(true), "True");
    EXPECT_EQ(formatBool(false), "False");
    const std::pair<const char *, std::optional<bool>> cases[] = {
        {"True", true}, {"false", false}, {" TRUE ", true}, {"-1", true}, {"0", false},
        {"0.0", false}, {"2.5", true},   {"", std::nullopt}, {"yes", std::nullopt},
        {"1x", std::nullopt}, {"Truex", std::nullopt},
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseBool(QString::fromLatin1(text)), value) << text;
}

TEST(NumberText, RoundingGoesToEvenAndRefusesOutOfRange)
{
    const std::pair<double, std::optional<int>> cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4999, 2},
        {-2147483633.0, -2147483633}, // a system colour
        {2147483648.0, std::nullopt}, {std::nan(""), std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto &[value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;

    EXPECT_EQ(roundToInt16(32767.4), std::optional<std::int16_t>(32767));
    EXPECT_EQ(roundToInt16(-32768.5), std::optional<std::int16_t>(-32768));
    EXPECT_EQ(roundToInt16(32767.5), std::nullopt); // would wrap to -32768
}

struct PatternCase
{
    double value;
    const char *pattern;
    QString text;
};

TEST(NumberText, DisplayPatterns)
{
    const PatternCase cases[] = {
        // centimetre labels: no leading zero below 1
        {1.234, "#.0", "1.2"}, {0.5, "#.0", ".5"}, {12.34, "#.0", "12.3"}, {0, "#.0", ".0"},
        {0.96, "#.0", "1.0"}, {0.05, "#.0", ".1"}, {-0.04, "#.0", ".0"},
        // feet labels and the reference line
        {0.5, "0.00", "0.50"}, {0.016640, "0.00", "0.02"}, {2.675, "0.00", "2.68"},
        {-3.14159, "0.00 mm", "-3.14 mm"}, {99.999, "0.00 mm", "100.00 mm"},
        // angles: one to four decimals
        {5.710593, "##0.0###", "5.7106"}, {90, "##0.0###", "90.0"}, {-45.25, "##0.0###", "-45.25"},
        {0.00004, "##0.0###", "0.0"}, {359.99996, "##0.0###゜", QStringLiteral("360.0゜")},
        // pointer position: always four decimals
        {12.5, "#####0.###0", "12.5000"}, {0.12345, "#####0.###0", "0.1235"},
        {1234567.8, "#####0.###0", "1234567.8000"},
        // scale ratio
        {12, "#######.0#", "12.0"}, {1.234, "#######.0#", "1.23"}, {0.5, "#######.0#", ".5"},
        {2, "#######.0#", "2.0"},
        // literal text before the digits
        {7, "x=0", "x=7"},
    };
    for (const PatternCase &c : cases)
        EXPECT_EQ(formatNumber(c.value, QString::fromUtf8(c.pattern)), c.text)
            << c.value << " " << c.pattern;
}

} // namespace
