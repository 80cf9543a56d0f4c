// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The platform's Format and FormatDateTime.
#include "Exceptions.h"
#include "Format_p.h"
#include "Locale_p.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

using namespace vorn;

namespace {

constexpr long double Inf = std::numeric_limits<long double>::infinity();

struct RealCase
{
    const char* fmt;
    int precision;
    long double value;
    const char* text;
};

class RealFormat : public ::testing::TestWithParam<RealCase>
{};

TEST_P(RealFormat, GivesExactText)
{
    const RealCase& c = GetParam();
    EXPECT_EQ(Format(QString::fromLatin1(c.fmt), 1, c.precision, c.value).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    General, RealFormat,
    ::testing::Values(RealCase{"%*.*g", 3, 1.5e20L, "1.5E020"},    // "-" only for negative exponents
                      RealCase{"%*.*g", 15, 1234.5678L, "1234.5678"}, //
                      RealCase{"%*.*g", 3, 100, "100"},               // e = P: still fixed
                      RealCase{"%*.*g", 3, 1000, "1E003"},            // e = P + 1: exponential
                      RealCase{"%*.*g", 3, 123456, "1.23E005"},       //
                      RealCase{"%*.*g", 15, 0.0001L, "0.0001"},       // e = -3: fixed
                      RealCase{"%*.*g", 15, 0.00001L, "1E-005"},      // e = -4: exponential
                      RealCase{"%*.*g", 2, 9.96L, "10"},              // carry into a new digit
                      RealCase{"%*.*g", 0, 3.14159L, "3.1"},          // precision below 2 counts as 2
                      RealCase{"%*.*g", 2, 0.125L, "0.13"},           // half away from zero
                      RealCase{"%*.*g", 5, -2.5L, "-2.5"},            //
                      RealCase{"%*.*g", 5, 0, "0"}));

INSTANTIATE_TEST_SUITE_P(
    Fixed, RealFormat,
    ::testing::Values(RealCase{"%*.*f", 2, 1.5L, "1.50"}, RealCase{"%*.*f", 0, 2.5L, "3"},
                      RealCase{"%*.*f", 2, 0.125L, "0.13"},  //
                      RealCase{"%*.*f", 2, 9.995, "9.99"},   // 9.99499... as a double
                      RealCase{"%*.*f", 1, -1.5L, "-1.5"},   //
                      RealCase{"%*.*f", 2, -0.0004L, "0.00"}, // no sign on a zero result
                      RealCase{"%*.*f", 3, 0.0005L, "0.001"},
                      RealCase{"%*.*f", 2, 123456789012345678.0L, "123456789012345678.00"},
                      RealCase{"%*.*f", 2, 1e18L, "1E018"}, // 10^18 and more: general form
                      RealCase{"%*.*f", 2, -2.5e20L, "-2.5E020"}, RealCase{"%*.*f", 2, Inf, "INF"},
                      RealCase{"%*.*f", 2, -Inf, "-INF"},
                      RealCase{"%*.*f", 2, std::numeric_limits<long double>::quiet_NaN(), "NAN"}));

INSTANTIATE_TEST_SUITE_P(Exponential, RealFormat,
                         ::testing::Values(RealCase{"%*.*e", 4, 1234.56L, "1.235E+003"},
                                           RealCase{"%*.*e", 2, 0.00012L, "1.2E-004"},
                                           RealCase{"%*.*e", 1, -1, "-1.0E+000"}, // precision below 2 counts as 2
                                           RealCase{"%*.*e", 2, 9.96L, "1.0E+001"},
                                           RealCase{"%*.*e", 3, 1e300L, "1.00E+300"},
                                           RealCase{"%*.*e", 3, 0, "0.00E+000"},
                                           RealCase{"%*.*e", 3, 1e-4000L, "1.00E-4000"},
                                           RealCase{"%*.*e", 3, -Inf, "-INF"}));

struct IntCase
{
    const char* fmt;
    int precision;
    int64_t value;
    const char* text;
};

class IntFormat : public ::testing::TestWithParam<IntCase>
{};

TEST_P(IntFormat, GivesExactText)
{
    const IntCase& c = GetParam();
    EXPECT_EQ(Format(QString::fromLatin1(c.fmt), 1, c.precision, c.value).toStdString(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Digits, IntFormat,
    ::testing::Values(IntCase{"%*.*d", 5, 42, "00042"}, IntCase{"%*.*d", 5, -42, "-00042"}, // sign ahead of the zeros
                      IntCase{"%*.*d", 0, 0, "0"}, IntCase{"%*.*d", 1, 1234567, "1234567"},
                      IntCase{"%*.*d", 0, std::numeric_limits<int64_t>::min(), "-9223372036854775808"},
                      IntCase{"%*.*x", 4, 255, "00FF"}, IntCase{"%*.*x", 1, 0xABCDEF, "ABCDEF"},
                      IntCase{"%*.*x", 8, -1, "FFFFFFFFFFFFFFFF"},               // 64-bit pattern
                      IntCase{"%*.*x", 8, -2147483648LL, "FFFFFFFF80000000"}));

TEST(Format, AThirtyTwoBitValueShowsItsOwnPattern)
{
    EXPECT_EQ(Format(QStringLiteral("%*.*x"), 1, 1, -1), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(Format(QStringLiteral("%*.*d"), 1, 3, -7), QStringLiteral("-007"));
}

TEST(Format, WidthLiteralsAndFixedNumbers)
{
    EXPECT_EQ(Format(QStringLiteral("%*.*f"), 8, 2, 3.14159), QStringLiteral("    3.14"));
    EXPECT_EQ(Format(QStringLiteral("[%*.*d]"), 4, 0, int64_t{-7}), QStringLiteral("[  -7]"));
    EXPECT_EQ(Format(QStringLiteral("%-6.1f|"), 0, 0, 2.25), QStringLiteral("2.3   |"));
    EXPECT_EQ(Format(QStringLiteral("%d%%"), 0, 0, int64_t{100}), QStringLiteral("100%"));
    EXPECT_EQ(Format(QStringLiteral("%f"), 0, 0, 1.0), QStringLiteral("1.00"));       // default precision 2
    EXPECT_EQ(Format(QStringLiteral("%g"), 0, 0, 1.0 / 3), QStringLiteral("0.333333333333333")); // 15
}

TEST(Format, RealsWriteTheLocaleSeparator)
{
    SepGuard guard;
    SetDecimalSeparator(QLatin1Char(','));
    EXPECT_EQ(Format(QStringLiteral("%*.*f"), 1, 2, 1.5), QStringLiteral("1,50"));
    EXPECT_EQ(Format(QStringLiteral("%*.*e"), 1, 3, 1234.0), QStringLiteral("1,23E+003"));
    EXPECT_EQ(Format(QStringLiteral("%*.*g"), 1, 3, 1.5e20), QStringLiteral("1,5E020"));
}

TEST(Format, InvalidOrIncompatiblePatternsThrow)
{
    EXPECT_THROW(Format(QStringLiteral("%*.*d"), 1, 0, 1.5), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("%*.*f"), 1, 2, int64_t{1}), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("%*.*q"), 1, 2, 1.5), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("%*.*"), 1, 2, 1.5), EConvertError);
    EXPECT_THROW(Format(QStringLiteral("%f %f"), 1, 2, 1.5), EConvertError); // one value only
    try {
        Format(QStringLiteral("%d"), 1, 2, 1.5);
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Format '%d' invalid or incompatible with argument"));
    }
}

struct DateCase
{
    const char* pattern;
    double serial;
    const char* text;
};

class DateFormat : public ::testing::TestWithParam<DateCase>
{};

TEST_P(DateFormat, GivesExactText)
{
    const DateCase& c = GetParam();
    EXPECT_EQ(FormatDateTime(QString::fromLatin1(c.pattern), c.serial).toStdString(), c.text);
}

// 41640 is Wednesday, 1 January 2014.
constexpr double Hour = 1.0 / 24;
constexpr double Minute = Hour / 60;

INSTANTIATE_TEST_SUITE_P(
    Patterns, DateFormat,
    ::testing::Values(DateCase{"mmm-dd, yyyy", 41640.0, "Jan-01, 2014"},
                      DateCase{"dddd d mmmm yy", 41640.0, "Wednesday 1 January 14"},
                      DateCase{"ddd dd/mm/yyyy", 41640.0 + 40, "Mon 10/02/2014"},
                      DateCase{"DD.MM.YYYY", 0.0, "30.12.1899"}, // letters in either case
                      DateCase{"yyyy-mm-dd hh:nn:ss.zzz", 41640.75 + 1.5 / 86400, "2014-01-01 18:00:01.500"},
                      DateCase{"h:n:s z", 41640 + 7 * Hour + 5 * Minute + 3.007 / 86400, "7:5:3 7"},
                      DateCase{"hh:mm", 41640 + 13 * Hour + 5 * Minute, "13:05"}, // minutes after an hour
                      DateCase{"h:mm am/pm", 41640.75, "6:00 pm"},
                      DateCase{"hh AM/PM", 41640.25, "06 AM"},
                      DateCase{"h a/p", 41640.0, "12 a"},
                      DateCase{"h", 41640.75, "18"}, // 24-hour clock without a marker
                      DateCase{"'day' d \"of\" m", 41640.0, "day 1 of 1"},
                      DateCase{"yyyy-mm-dd hh:nn", -1.25, "1899-12-29 06:00"}, // time after the day's midnight
                      DateCase{"yyyy-mm-dd hh:nn:ss", 41640 + (86400000 - 0.4) / 86400000, "2014-01-02 00:00:00"},
                      DateCase{"yyyy-mm-dd", -693593.0, "0001-01-01"},
                      DateCase{"yyyy-mm-dd", 2958465.5, "9999-12-31"}));

TEST(FormatDateTime, ValuesOutsideTheCalendarThrow)
{
    for (double v : {-693594.0, 2958466.0, 1e300, std::nan(""), std::numeric_limits<double>::infinity()})
        EXPECT_THROW(FormatDateTime(QStringLiteral("yyyy"), v), EConvertError) << v;
}

} // namespace
