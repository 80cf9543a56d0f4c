// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Str_p.h"

#include "Decimal_p.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace vorn {

namespace {

constexpr long double FixedLimit = 6.646139978924579e35L;

QString PadLeft(const std::string& s, int width)
{
    // width is 0..255 here (Str clamps it), so the difference cannot overflow.
    const int pad = std::max(0, width - static_cast<int>(s.size()));
    return QString(pad, QLatin1Char(' ')) + QString::fromLatin1(s.data(), static_cast<int>(s.size()));
}

QString FixedForm(long double x, int width, int decimals)
{
    Decimal d = ToDecimal(x);
    d.RoundToDecimals(decimals);
    // The sign is decided before rounding: -0.0004 gives "-0.00".
    return PadLeft((x < 0.0L ? "-" : "") + d.FixedText(decimals), width);
}

QString ExponentialForm(long double x, int width)
{
    const int w = std::max(width, 10);
    const int fraction = std::min(w - 9, 17);
    Decimal d = ToDecimal(x);
    d.RoundHalfUp(1 + fraction);
    const int exponent = d.zero ? 0 : d.exponent;
    std::string s(std::max(0, w - 26), ' ');
    s += std::signbit(x) && x != 0.0L ? '-' : ' ';
    s += d.digits[0];
    s += '.';
    s += d.digits.substr(1, fraction);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    s += exp;
    return QString::fromLatin1(s.data(), static_cast<int>(s.size()));
}

} // namespace

QString Str(long double x, int width, int decimals)
{
    // Above 255 counts as 255. Below 0 pads nothing and gives the exponential
    // form's least width, exactly as 0 does, so the range ends cannot overflow.
    width = std::clamp(width, 0, 255);
    if (std::isnan(x))
        return PadLeft("Nan", width);
    if (std::isinf(x))
        return PadLeft(x > 0 ? "+Inf" : "-Inf", width);
    if (decimals >= 0 && std::fabs(x) <= FixedLimit) {
        const int exponent = ToDecimal(x).exponent;
        if (x == 0.0L || (exponent >= -35 && exponent <= 35))
            return FixedForm(x, width, std::min(decimals, 216));
    }
    return ExponentialForm(x, width);
}

} // namespace vorn
