// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Scanning numbers out of field texts and validating texts per format.
#include "Locale_p.h"
#include "NumIO.h"
#include "NumIO_p.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vorn;

namespace {

TEST(NumIOScan, FPNumValidatorPerPolicy)
{
    SepGuard guard;
    struct Case {
        const char* text;
        TDecPSep sep;
        bool valid;
    } cases[] = {
        {"1.5", dsDot, true},   {"1,5", dsDot, false},  {"-", dsDot, true},      {".", dsDot, true},
        {"+", dsDot, true},     {"5.", dsDot, true},    {"1.5.3", dsDot, false}, {" 1", dsDot, false},
        {"1e5", dsDot, false},  {"", dsDot, false},     {"1,5", dsBoth, true},   {"1.5", dsBoth, true},
        {"1.5,3", dsBoth, false}, {"1,5", dsComma, true}, {"1.5", dsComma, false}, {"-+1", dsBoth, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidFPNum(QString::fromLatin1(c.text), c.sep), c.valid) << c.text << " sep " << int(c.sep);

    SetDecimalSeparator(u',');
    EXPECT_TRUE(IsValidFPNum(QStringLiteral("1,5"), dsSystem));
    EXPECT_FALSE(IsValidFPNum(QStringLiteral("1.5"), dsSystem));
    SetDecimalSeparator(u'.');
    EXPECT_TRUE(IsValidFPNum(QStringLiteral("1.5"), dsSystem));
    EXPECT_FALSE(IsValidFPNum(QStringLiteral("1,5"), dsSystem));
}

TEST(NumIOScan, DoubleValidatorAutomaton)
{
    struct Case {
        const char* text;
        bool allowExp;
        bool valid;
    } cases[] = {
        {"1.5E3", true, true},  {"1.5E", true, true},   {"1.5E+", true, true},    {"12abc", true, true},
        {"12 34", true, true},  {"-", true, false},     {"E5", true, false},      {".", true, true},
        {"1E4201", true, false}, {"1E4200", true, true}, {"1E04200", true, true}, {"1.5.3", true, false},
        {"", true, false},      {"  -3", true, true},   {"- 3", true, false},     {"1E5.3", true, true},
        {"1EE", true, false},   {"1E+-3", true, false}, {"1.5E3", false, true},   {"1E4201", false, true},
        {"1e-7", true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidDouble(QString::fromLatin1(c.text), c.allowExp, dsDot), c.valid) << c.text;
    EXPECT_FALSE(IsValidDouble(QStringLiteral(".5"), true, dsComma));
    EXPECT_TRUE(IsValidDouble(QStringLiteral("1.5"), true, dsComma)); // "1" is a number already
    EXPECT_TRUE(IsValidDouble(QStringLiteral("1,5E2"), true, dsComma));
}

TEST(NumIOScan, ScanFPNumValueAndStop)
{
    struct Case {
        const char* text;
        double value;
        int idx;
    } cases[] = {
        {"  -12.5E2xyz", -1250, 10}, {"5.", 5, 3},         {".", 0, 2},          {"1,5", 1.5, 4},
        {"1.5E", 1.5, 5},            {"-1.5E+", -1.5, 7},  {"1E5000", 1.7E308, 7}, {"-1E400", -1.7E308, 7},
        {"abc", 0, 1},               {"12 34", 12, 3},     {"-", 0, 2},           {"1E-400", 0, 7},
        {"0.1", 0.1, 4},
    };
    for (const auto& c : cases) {
        int32_t idx = 1;
        EXPECT_EQ(ScanFPNum(QString::fromLatin1(c.text), true, 3, idx), c.value) << c.text;
        EXPECT_EQ(idx, c.idx) << c.text;
    }
    // Without exponents the "E" ends the number; "." only under policy 1.
    int32_t idx = 1;
    EXPECT_EQ(ScanFPNum(QStringLiteral("2.5E3"), false, 3, idx), 2.5);
    EXPECT_EQ(idx, 4);
    idx = 1;
    EXPECT_EQ(ScanFPNum(QStringLiteral("2,5"), true, 1, idx), 2.0);
    EXPECT_EQ(idx, 2);
}

TEST(NumIOScan, ScanFPNumKeepsExtendedPrecision)
{
    // Converted through extended precision and rounded once to double.
    int32_t idx = 1;
    EXPECT_EQ(ScanFPNum(QStringLiteral("8.451"), true, 3, idx), 8.451);
    idx = 1;
    EXPECT_EQ(ScanFPNum(QStringLiteral("1.7976931348623157E308"), true, 3, idx), 1.7E308);
}

TEST(NumIOScan, IntegerScanners)
{
    struct Case {
        int base;
        const char* text;
        int32_t value;
        int idx;
    } cases[] = {
        {16, "$1F", 31, 4},       {16, " $1F", 0, 2},         {16, "ff", 255, 3},
        {16, "FFFFFFFF", -1, 9},  {16, "1FFFFFFFF", -1, 10},  {16, "", 0, 1},
        {16, "  ", 0, 2},         {16, "  7", 7, 4},          {2, "1012", 5, 4},
        {2, "x", 0, 1},           {8, "778", 63, 3},          {8, "37777777777", -1, 12},
    };
    for (const auto& c : cases) {
        int32_t idx = 1;
        const QString s = QString::fromLatin1(c.text);
        const int32_t v = c.base == 16 ? ScanHex(s, idx) : c.base == 8 ? ScanOctal(s, idx) : ScanBin(s, idx);
        EXPECT_EQ(v, c.value) << c.text;
        EXPECT_EQ(idx, c.idx) << c.text;
    }
}

TEST(NumIOScan, IntegerValidators)
{
    EXPECT_TRUE(IsValidBin(QStringLiteral("0101")));
    EXPECT_FALSE(IsValidBin(QStringLiteral("012")));
    EXPECT_FALSE(IsValidBin(QString()));
    EXPECT_TRUE(IsValidOct(QStringLiteral("01234567")));
    EXPECT_FALSE(IsValidOct(QStringLiteral("8")));
    EXPECT_TRUE(IsValidHex(QStringLiteral("09afAF")));
    EXPECT_FALSE(IsValidHex(QStringLiteral("$1F")));
    EXPECT_FALSE(IsValidHex(QStringLiteral("G")));
    struct Case {
        const char* text;
        bool valid;
    } dec[] = {{"+5", true}, {"-", false}, {"5", true}, {"+", false}, {"99999999999", true},
               {"1 2", false}, {"", false}, {"5-", false}, {"-12", true}};
    for (const auto& c : dec)
        EXPECT_EQ(IsValidDecInt(QString::fromLatin1(c.text)), c.valid) << c.text;
}

TEST(NumIOScan, CheckValidityPerFormat)
{
    TNumIO2 f;
    f.SetDecP(2);
    struct Case {
        TInFormat format;
        const char* text;
        bool valid;
    } cases[] = {
        {itFixPoint, "1.23", true}, {itFixPoint, "1.2", false},  {itFixPoint, "123", false},
        {itFixPoint, "1,23", true}, {itFixPoint, ".23", true},   {itDynamic, "$1F", true},
        {itDynamic, "%102", false}, {itDynamic, "&17", true},    {itDynamic, "$", false},
        {itDynamic, "-1.5", true},  {itDynamic, "1.5E3", false}, {itDynamic, "", false},
        {itExp, "1.5E3", true},     {itExp, "1E4201", false},    {itFloat, "1.5E3", false},
        {itInt, "-12", true},       {itInt, "1.5", false},       {itHex, "7f", true},
        {itOct, "79", false},       {itBin, "10", true},
    };
    for (const auto& c : cases) {
        f.SetInFormatType(c.format);
        EXPECT_EQ(f.CheckValidity(QString::fromLatin1(c.text)), c.valid) << c.text << " format " << int(c.format);
    }
}

TEST(NumIOScan, FixPointCountsDecimalsAfterThePolicySeparator)
{
    SepGuard guard;
    TNumIO2 f;
    f.SetInFormatType(itFixPoint);
    f.SetDecSep(dsComma);
    EXPECT_TRUE(f.CheckValidity(QStringLiteral("1,23")));
    EXPECT_FALSE(f.CheckValidity(QStringLiteral("1.23")));
    SetDecimalSeparator(u',');
    f.SetDecSep(dsSystem);
    EXPECT_TRUE(f.CheckValidity(QStringLiteral("1,23")));
    EXPECT_FALSE(f.CheckValidity(QStringLiteral("1,2")));
}

// A megabyte of digits is a number to both validators and reads as the
// largest value, with the stop just past its end; as the exponent of "1E" it
// gives the largest value too. The time these take against the length is
// measured in bench/bench_numio_scan.cpp.
TEST(NumIOScan, AMegabyteOfDigitsIsValidAndReadsAsTheLargestValue)
{
    const QString digits(1 << 20, u'7');
    EXPECT_TRUE(IsValidFPNum(digits, dsDot));
    EXPECT_TRUE(IsValidDouble(digits, true, dsDot));
    int32_t idx = 1;
    EXPECT_EQ(ScanFPNum(digits, true, 3, idx), 1.7E308);
    EXPECT_EQ(idx, (1 << 20) + 1);
    idx = 1;
    EXPECT_EQ(ScanFPNum(QStringLiteral("1E") + digits, true, 3, idx), 1.7E308);
}

} // namespace
