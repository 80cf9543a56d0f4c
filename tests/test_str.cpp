// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The fixed-width real conversion.
#include "Str_p.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

using namespace vorn;

namespace {

struct StrCase
{
    long double x;
    int width;
    int decimals;
    const char* text;
};

class StrTable : public ::testing::TestWithParam<StrCase>
{};

TEST_P(StrTable, GivesExactText)
{
    const StrCase& c = GetParam();
    EXPECT_EQ(Str(c.x, c.width, c.decimals).toStdString(), c.text);
}

constexpr long double Inf = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Fixed, StrTable,
    ::testing::Values(StrCase{3.14159, 1, 2, "3.14"}, StrCase{3.14159, 8, 2, "    3.14"},
                      StrCase{2.5, 1, 0, "3"},            // half up, not half even
                      StrCase{0.125, 1, 2, "0.13"},       //
                      StrCase{-2.5, 1, 0, "-3"},          // away from zero
                      StrCase{-0.0004, 1, 2, "-0.00"},    // sign decided before rounding
                      StrCase{-0.0L, 1, 2, "0.00"},       // negative zero is not below 0
                      StrCase{0.0, 1, 0, "0"},            //
                      StrCase{9.995, 1, 2, "9.99"},       // 9.99499999... in binary
                      StrCase{9.996, 1, 2, "10.00"},      // carry through the nines
                      StrCase{999.9996, 1, 3, "1000.000"}, // carry into a new digit
                      StrCase{0.005, 1, 2, "0.01"},       // first kept place before the digits
                      StrCase{0.0004, 1, 2, "0.00"},      //
                      StrCase{7.1, 1, 3, "7.100"},        //
                      StrCase{123.0, 2, 1, "123.0"},      // longer than the width: not cut
                      StrCase{1.0e20L, 1, 0, "100000000000000000000"},
                      StrCase{1234567890123456789012.0L, 1, 0, "1234567890123456790000"}, // 18 digits, then zeros
                      StrCase{0.1L, 1, 20, "0.10000000000000000000"}),                  // decimals beyond 18 digits are zeros
    [](const auto& info) { return "case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    Exponential, StrTable,
    ::testing::Values(StrCase{1e40, 1, 2, " 1.0E+0040"},     // outside the fixed range
                      StrCase{12345.678, 14, -2, " 1.23457E+0004"},
                      StrCase{-0.001, 14, -2, "-1.00000E-0003"}, //
                      StrCase{0.0, 10, -1, " 0.0E+0000"},      // zero
                      StrCase{9.99999, 10, -1, " 1.0E+0001"},  // carry raises the exponent
                      StrCase{1.5, 3, -1, " 1.5E+0000"},       // width below 10 counts as 10
                      StrCase{1e-40, 1, 2, " 1.0E-0040"},      // exponent below -35
                      StrCase{7e35, 1, 0, " 7.0E+0035"},       // above 6.646e35
                      StrCase{6e35L, 1, 0, "600000000000000000000000000000000000"},
                      StrCase{1.0, 30, -1, "     1.00000000000000000E+0000"}), // padded beyond 26
    [](const auto& info) { return "case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(Special, StrTable,
                         ::testing::Values(StrCase{Inf, 6, 2, "  +Inf"}, StrCase{-Inf, 1, 2, "-Inf"},
                                           StrCase{std::nanl(""), 5, -1, "  Nan"}));

TEST(Str, WidthAbove255CountsAs255)
{
    EXPECT_EQ(Str(1.0, 1000, 0).size(), 255);
    EXPECT_EQ(Str(1.0, 1000, -1).size(), 255);
    EXPECT_TRUE(Str(1.0, 1000, -1).endsWith(QStringLiteral("1.00000000000000000E+0000")));
}

// The ends of the int range: a width beyond 255 pads to 255 characters, a
// negative one pads nothing (the exponential form keeps its 10), whatever its
// magnitude.
TEST(Str, ExtremeWidths)
{
    const int widths[] = {INT_MIN, INT_MIN + 1, -1000000, INT_MAX, INT_MAX - 1, 1000000};
    struct Text
    {
        long double x;
        int decimals;
        const char* narrow; // at a negative width
        const char* wide;   // at 255, after its padding
    };
    const Text texts[] = {{1.0, 0, "1", "1"},
                          {-2.5, 2, "-2.50", "-2.50"},
                          {1.5, -2, " 1.5E+0000", " 1.50000000000000000E+0000"},
                          {1e40L, 3, " 1.0E+0040", " 1.00000000000000000E+0040"},
                          {-Inf, 1, "-Inf", "-Inf"}};
    for (const int w : widths) {
        for (const Text& t : texts) {
            const std::string s = Str(t.x, w, t.decimals).toStdString();
            if (w < 0) {
                EXPECT_EQ(s, t.narrow) << w;
                continue;
            }
            const std::string wide = t.wide;
            EXPECT_EQ(s, std::string(255 - wide.size(), ' ') + wide) << w;
        }
    }
}

TEST(Str, DecimalsAbove216CountAs216)
{
    const QString s = Str(1.0, 1, 400);
    EXPECT_EQ(s.size(), 2 + 216);
}

} // namespace
