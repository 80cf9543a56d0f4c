// Number-to-text functions: strff, EEngStr, lg, IntNeg, the digit strings
// and ReplaceCharInString.
#include "Exceptions.h"
#include "NumDigits.h"
#include "math1.h"
#include "stringl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct StrffCase
{
    long double r;
    int width, decp;
    const char* text;
};

TEST(strff, Table)
{
    const StrffCase cases[] = {
        {3.14159, 1, 2, "3.14"},
        {3.14159, 8, 2, "    3.14"},
        {-3.14159, -8, 2, "-0003.14"},
        {-1.5, -7, 2, "-001.50"},
        {2.5, 1, 0, "3"},
        {0.125, 1, 2, "0.13"},
        {-0.0004, 1, 2, "-0.00"},
        {-0.0L, 1, 2, "0.00"},
        {12345.678, 12, -2, " 1.23457E+04"},
        {1e150, 12, -2, "************"},
        {1e-150, 12, -2, "************"},
        {-0.001, 12, -2, "-1.00000E-03"},
        {5, 3, -2, " 5.0E+00"}, // below 8 still 8 characters
        {7.1, 12, -2, " 7.10000E+00"},
        {7.1, -12, -2, "07.10000E+00"}, // the space for "+" becomes "0"
        {1e40, 1, 2, " 1.0E+0040"},
        {1.5, 10, -1, " 1.5E+0000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strff(c.r, c.width, c.decp).toStdString(), c.text)
            << static_cast<double>(c.r) << " " << c.width << " " << c.decp;
}

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

TEST(ReplaceCharInString, ReplacesEveryOccurrence)
{
    EXPECT_EQ(ReplaceCharInString(QStringLiteral("1.234.5"), QLatin1Char('.'), QLatin1Char(',')),
              QStringLiteral("1,234,5"));
    EXPECT_EQ(ReplaceCharInString(QString(), QLatin1Char('.'), QLatin1Char(',')), QString());
}

} // namespace
