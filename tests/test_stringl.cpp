// Fixed-width real to text and character replacement.
#include "stringl.h"

#include <gtest/gtest.h>

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

TEST(ReplaceCharInString, ReplacesEveryOccurrence)
{
    EXPECT_EQ(ReplaceCharInString(QStringLiteral("1.234.5"), QLatin1Char('.'), QLatin1Char(',')),
              QStringLiteral("1,234,5"));
    EXPECT_EQ(ReplaceCharInString(QString(), QLatin1Char('.'), QLatin1Char(',')), QString());
}

} // namespace
