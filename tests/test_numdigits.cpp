// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Hexadecimal, octal and binary digit strings.
#include "NumDigits_p.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace vorn;

namespace {

TEST(Digits, HexOctalBin)
{
    EXPECT_EQ(Hex(255, 2), QStringLiteral("FF"));
    EXPECT_EQ(Hex(255, 0), QStringLiteral("F"));
    EXPECT_EQ(Hex(-1, 8), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(Hex(0x1234, 2), QStringLiteral("34"));
    EXPECT_EQ(Hex(255, 20), QStringLiteral("000000FF"));
    EXPECT_EQ(Octal(8, 3), QStringLiteral("010"));
    EXPECT_EQ(Octal(-1, 11), QStringLiteral("37777777777"));
    EXPECT_EQ(Octal(8, 40), QStringLiteral("00000000010"));
    EXPECT_EQ(Bin(5, 4), QStringLiteral("0101"));
    EXPECT_EQ(Bin(5, 40), QStringLiteral("00000000000000000000000000000101"));
    EXPECT_EQ(Bin(INT32_MIN, 32), QStringLiteral("1") + QString(31, QLatin1Char('0')));
}

} // namespace
