// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Engineering notation, the decimal logarithm and rounding towards minus
// infinity.
#include "Exceptions.h"
#include "math1_p.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vorn;

namespace {

TEST(EEngStr, Table)
{
    const struct
    {
        double x;
        int precision;
        const char* text;
    } cases[] = {
        {4700, 3, "4.70k"},     {4700, -3, "4k70"},     {-0.0047, 2, "-4.7m"},   {0, 3, "0.00"},
        {5, 1, "5"},            {5e16, 3, "50000T"},    {999.9996, 3, "1000"},   {1e-20, 3, "0.0100a"},
        {4.7e6, 2, "4.7M"},     {1e6, -2, "1M0"},       {4.7, 3, "4.70"},        {0, -3, "0.00"},
        {12e-12, 3, "12.0p"},   {std::nan(""), 2, "0.0"}, {470, 20, "470.000000"}, // precision clamped to 9
        {4700, -1, "5k"},       // no decimal point to replace: appended
    };
    for (const auto& c : cases)
        EXPECT_EQ(EEngStr(c.x, c.precision).toStdString(), c.text) << c.x << " " << c.precision;
}

TEST(EEngStr, InfiniteValueFailsInTheRounding)
{
    EXPECT_THROW(EEngStr(std::numeric_limits<double>::infinity(), 3), EInvalidOp);
}

TEST(lg, LogarithmAndItsError)
{
    EXPECT_EQ(lg(1000), 3.0);
    EXPECT_EQ(lg(1), 0.0);
    for (double bad : {0.0, -1.0, std::nan("")}) {
        try {
            lg(bad);
            FAIL() << bad;
        } catch (const EMathError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("logarithm: invalid argument"));
        }
    }
}

TEST(IntNeg, RoundsTowardsMinusInfinity)
{
    EXPECT_EQ(IntNeg(2.5), 2);
    EXPECT_EQ(IntNeg(-2.5), -3);
    EXPECT_EQ(IntNeg(3.0), 3);
    EXPECT_EQ(IntNeg(2.7), 2);
    EXPECT_EQ(IntNeg(-0.2), -1);
}

} // namespace
