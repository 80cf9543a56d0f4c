// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Fixed-width real to text and character replacement.
#include "stringl_p.h"

#include <gtest/gtest.h>

#include <climits>

using namespace vorn;

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

// The ends of the int range behave as the widest field, 255 characters (253
// with the short exponent), zero padded when negative.
TEST(strff, ExtremeWidths)
{
    struct Case
    {
        int width, decp;
        long double r;
        QString text;
    };
    const QString exp17 = QStringLiteral("1.50000000000000000E+00");
    const Case cases[] = {
        {INT_MIN, 2, -1.5, QLatin1Char('-') + QString(250, QLatin1Char('0')) + QStringLiteral("1.50")},
        {INT_MIN + 1, 0, 7, QString(254, QLatin1Char('0')) + QLatin1Char('7')},
        {-1000000, -2, 1.5, QString(230, QLatin1Char('0')) + exp17},
        {INT_MIN, -2, -1.5, QLatin1Char('-') + QString(229, QLatin1Char('0')) + exp17},
        {INT_MAX, -2, 1.5, QString(230, QLatin1Char(' ')) + exp17},
        {INT_MAX - 1, -2, 1e150, QString(253, QLatin1Char('*'))},
        {1000000, 2, -1.5, QString(250, QLatin1Char(' ')) + QStringLiteral("-1.50")},
        {INT_MAX, -1, 1.5, QString(229, QLatin1Char(' ')) + QStringLiteral(" 1.50000000000000000E+0000")},
    };
    for (const auto& c : cases) {
        const QString s = strff(c.r, c.width, c.decp);
        EXPECT_EQ(s.size(), c.decp == -2 ? 253 : 255) << c.width << " " << c.decp;
        EXPECT_EQ(s.toStdString(), c.text.toStdString()) << c.width << " " << c.decp;
    }
}

TEST(ReplaceCharInString, ReplacesEveryOccurrence)
{
    EXPECT_EQ(ReplaceCharInString(QStringLiteral("1.234.5"), QLatin1Char('.'), QLatin1Char(',')),
              QStringLiteral("1,234,5"));
    EXPECT_EQ(ReplaceCharInString(QString(), QLatin1Char('.'), QLatin1Char(',')), QString());
}

} // namespace
