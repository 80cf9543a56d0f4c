// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "math1_p.h"

#include "Exceptions.h"
#include "FloatCheck_p.h"
#include "stringl_p.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vorn {

namespace {
constexpr int MinRange = -6;
constexpr int MaxRange = 4;
// Prefix letters by power of a thousand, MinRange .. MaxRange.
constexpr char Prefix[] = {'a', 'f', 'p', 'n', 'u', 'm', ' ', 'k', 'M', 'G', 'T'};
} // namespace

double lg(double x)
{
    if (std::isnan(x) || x <= 0.0)
        throw EMathError(QStringLiteral("logarithm: invalid argument"));
    return ToDouble(std::log(static_cast<long double>(x)) / uc_ln10);
}

int IntNeg(double InNum)
{
    int64_t result = Round(InNum);
    if (static_cast<long double>(result) > InNum)
        --result;
    return static_cast<int>(result);
}

QString EEngStr(double innum, int precision)
{
    precision = std::clamp(precision, -9, 9);
    const int dp = precision > 1 ? precision - 1 : precision < -1 ? precision + 1 : 0;
    if (innum == 0.0 || std::isnan(innum))
        return strff(0, 1, std::abs(dp));

    const bool neg = innum < 0;
    const double x = std::fabs(innum);
    const int ex0 = IntNeg(lg(x));
    const int ex = std::clamp(IntNeg(lg(x) / 3), MinRange, MaxRange);
    const int decimals = std::max(0, std::abs(dp) + 3 * ex - ex0);

    QString s = strff(static_cast<long double>(x) / std::exp(uc_ln10 * 3 * ex), 1, decimals);
    if (ex != 0) {
        const QChar letter = QLatin1Char(Prefix[ex - MinRange]);
        const int point = s.indexOf(QLatin1Char('.'));
        if (precision < -1 && point >= 0)
            s[point] = letter;
        else
            s += letter;
    }
    return neg ? QLatin1Char('-') + s : s;
}

} // namespace vorn
