#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace numbertext;

TEST(NumberText, SingleInGeneralForm)
{
    const std::pair<float, const char *> cases[] = {
        {0.0f, "0"}, {-0.0f, "0"}, {1.0f, "1"}, {-1.5f, "-1.5"}, {0.1f, "0.1"}, {0.5f, "0.5"},
        {123.4567f, "123.4567"}, {3.7824766f, "3.782477"},
        // fixed form up to seven integer digits, exponent form from eight
        {1234567.0f, "1234567"}, {10000000.0f, "1E+07"}, {15000000.0f, "1.5E+07"},
        {12345678.0f, "1.234568E+07"},
        // fixed form down to four zeros after the point
        {0.0001f, "0.0001"}, {0.00001f, "1E-05"}, {-0.000012345f, "-1.2345E-05"},
        {1e-30f, "1E-30"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(formatSingle(value), text) << value;
}

TEST(NumberText, DoubleInGeneralForm)
{
    const std::pair<double, const char *> cases[] = {
        {0.1, "0.1"},
        {1.0 / 3.0, "0.333333333333333"},
        {0.0996687, "0.0996687"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.23456789012346E+15"},
        {3.14159265358979, "3.14159265358979"},
        {-5.710593137499643, "-5.71059313749964"},
        {1e-5, "1E-05"},
        {1e100, "1E+100"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(formatDouble(value), text) << value;
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
    };
    for (const auto &[text, value] : cases)
        EXPECT_EQ(parseLenient(QString::fromLatin1(text)), value) << text;
    EXPECT_EQ(parseLenient("-1e400"), -std::numeric_limits<double>::infinity());
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
