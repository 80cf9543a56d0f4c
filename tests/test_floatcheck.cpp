// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Checked floating point and the exception classes.
#include "Exceptions.h"
#include "FloatCheck_p.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

using namespace vorn;

namespace {

TEST(FloatCheck, DivisionFaultsRaiseTheirClassesWithMessages)
{
    try {
        FDiv(1, 0);
        FAIL();
    } catch (const EZeroDivide& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Floating point division by zero"));
    }
    try {
        FDiv(0, 0);
        FAIL();
    } catch (const EInvalidOp& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid floating point operation"));
    }
    try {
        FDiv(LDBL_MAX, 0.5L);
        FAIL();
    } catch (const EOverflow& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Floating point overflow"));
    }
    EXPECT_THROW(FDiv(std::nanl(""), 1), EInvalidOp);
    EXPECT_EQ(FDiv(1, 4), 0.25L);
}

TEST(FloatCheck, AllAreMathErrors)
{
    EXPECT_THROW(FDiv(-3, 0), EMathError);
    EXPECT_THROW(FMul(LDBL_MAX, 2), EMathError);
    EXPECT_THROW(ToDouble(1e309L), EOverflow);
    EXPECT_EQ(ToDouble(0.1L), 0.1);
}

TEST(FloatCheck, RoundGoesToNearestWithTiesToEven)
{
    const std::pair<long double, int64_t> cases[] = {{2.5, 2},   {3.5, 4},   {-2.5, -2}, {-3.5, -4},
                                                     {2.4, 2},   {2.6, 3},   {-7.6, -8}, {0.5, 0},
                                                     {1.5, 2},   {-0.5, 0},  {9223372036854775807.0L - 1, 9223372036854775806},
                                                     {-9223372036854775808.0L, INT64_MIN}};
    for (auto [x, r] : cases)
        EXPECT_EQ(Round(x), r) << static_cast<double>(x);
}

TEST(FloatCheck, RoundRefusesWhatDoesNotFit)
{
    EXPECT_THROW(Round(9223372036854775808.0L), EInvalidOp);
    EXPECT_THROW(Round(-9223372036854775810.0L), EInvalidOp);
    EXPECT_THROW(Round(std::nanl("")), EInvalidOp);
    EXPECT_THROW(Round(HUGE_VALL), EInvalidOp);
}

TEST(FloatCheck, LogarithmAndExponential)
{
    EXPECT_THROW(FLn(0), EInvalidOp);
    EXPECT_THROW(FLn(-1), EInvalidOp);
    EXPECT_THROW(FExp(1e6L), EOverflow);
    EXPECT_NEAR(static_cast<double>(FExp(FLn(7))), 7.0, 1e-15);
}

} // namespace
