// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "FloatCheck_p.h"

#include "Exceptions.h"

#include <cfloat>
#include <cmath>

namespace vorn {

long double FDiv(long double a, long double b)
{
    if (std::isnan(a) || std::isnan(b))
        throw EInvalidOp();
    if (b == 0.0L) {
        if (a == 0.0L)
            throw EInvalidOp();
        throw EZeroDivide();
    }
    if (std::isinf(a) && std::isinf(b))
        throw EInvalidOp();
    const long double q = a / b;
    if (std::isinf(q) && !std::isinf(a))
        throw EOverflow();
    return q;
}

long double FMul(long double a, long double b)
{
    if (std::isnan(a) || std::isnan(b))
        throw EInvalidOp();
    if ((std::isinf(a) && b == 0.0L) || (std::isinf(b) && a == 0.0L))
        throw EInvalidOp();
    const long double p = a * b;
    if (std::isinf(p) && !std::isinf(a) && !std::isinf(b))
        throw EOverflow();
    return p;
}

double ToDouble(long double x)
{
    const double d = static_cast<double>(x);
    if (std::isinf(d) && !std::isinf(x))
        throw EOverflow();
    return d;
}

int64_t Round(long double x)
{
    // 2^63 is the first magnitude that no longer fits; -2^63 itself does.
    constexpr long double Limit = 9223372036854775808.0L;
    if (std::isnan(x))
        throw EInvalidOp();
    const long double r = std::nearbyint(x); // the default mode rounds half to even
    if (r >= Limit || r < -Limit)
        throw EInvalidOp();
    return static_cast<int64_t>(r);
}

long double FLn(long double x)
{
    if (std::isnan(x) || x <= 0.0L)
        throw EInvalidOp();
    return std::log(x);
}

long double FExp(long double x)
{
    if (std::isnan(x))
        throw EInvalidOp();
    const long double e = std::exp(x);
    if (std::isinf(e) && !std::isinf(x))
        throw EOverflow();
    return e;
}

} // namespace vorn
