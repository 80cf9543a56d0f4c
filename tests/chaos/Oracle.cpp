// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Oracle.h"

#include <cmath>

namespace chaos {
namespace {

constexpr long double Pi = 3.14159265358979323851L;
constexpr long double TwoPi = 6.28318530717958647703L;

// Division as the checked arithmetic defines it: x / 0 and 0 / 0 are faults.
Fault DivisionFault(long double a, long double b)
{
    if (b != 0.0L)
        return Fault::None;
    return a == 0.0L ? Fault::InvalidOp : Fault::ZeroDivide;
}

// The extended value rounded to double, or an overflow.
Outcome Stored(long double v)
{
    const double d = static_cast<double>(v);
    if (std::isinf(d))
        return {0, Fault::Overflow};
    return {d, Fault::None};
}

} // namespace

const char* FaultName(Fault f)
{
    switch (f) {
    case Fault::None: return "none";
    case Fault::ZeroDivide: return "division by zero";
    case Fault::InvalidOp: return "invalid operation";
    case Fault::Overflow: return "overflow";
    case Fault::Other: return "other exception";
    }
    return "?";
}

Outcome InductanceOf(double f, double xl)
{
    const long double t = f * TwoPi;
    if (const Fault e = DivisionFault(xl, t); e != Fault::None)
        return {0, e};
    return Stored(xl / t);
}

Outcome ReactanceOf(double f, double l)
{
    const long double t = f * TwoPi;
    return Stored(t * l);
}

Outcome CapacitanceOf(double f, double xl)
{
    long double x = xl * 2.0L;
    x = x * Pi;
    const long double p = f * x;
    if (const Fault e = DivisionFault(1.0L, p); e != Fault::None)
        return {0, e};
    const Outcome q = Stored(1.0L / p);
    if (q.Error != Fault::None)
        return q;
    return Stored(q.Value * 1000000.0L);
}

} // namespace chaos
