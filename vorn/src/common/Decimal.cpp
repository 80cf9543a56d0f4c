// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Decimal_p.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vorn {

Decimal ToDecimal(long double x)
{
    Decimal d;
    if (x == 0.0L) {
        d.digits.assign(SignificantDigits, '0');
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", SignificantDigits - 1, std::fabs(x));
    const std::string s(buf); // d.ddddde+xx
    const std::size_t e = s.find('e');
    d.digits = s.substr(0, 1) + s.substr(2, e - 2);
    d.exponent = std::atoi(s.c_str() + e + 1);
    d.zero = false;
    return d;
}

char Decimal::DigitAt(int place) const
{
    const int idx = exponent - place;
    return idx >= 0 && idx < SignificantDigits ? digits[idx] : '0';
}

void Decimal::RoundHalfUp(int keep)
{
    if (zero || keep >= SignificantDigits)
        return;
    if (keep < 0) {
        digits.assign(SignificantDigits, '0');
        zero = true;
        return;
    }
    const bool up = digits[keep] >= '5';
    std::fill(digits.begin() + keep, digits.end(), '0');
    if (up) {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    zero = digits.find_first_not_of('0') == std::string::npos;
}

void Decimal::RoundToDecimals(int decimals)
{
    RoundHalfUp(exponent + 1 + decimals);
}

std::string Decimal::FixedText(int decimals) const
{
    std::string s;
    if (zero || exponent < 0)
        s += '0';
    else
        for (int place = exponent; place >= 0; --place)
            s += DigitAt(place);
    if (decimals > 0) {
        s += '.';
        for (int place = -1; place >= -decimals; --place)
            s += zero ? '0' : DigitAt(place);
    }
    return s;
}

} // namespace vorn
