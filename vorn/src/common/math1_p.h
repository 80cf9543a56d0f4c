// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Numeric helpers of the control library.
#include <QString>

namespace vorn {

// The natural logarithm of 10 in extended precision.
constexpr long double uc_ln10 = 2.30258509299404568401799145468436421L;

// innum in engineering notation: a mantissa with |precision| significant
// digits and a unit-prefix letter (a f p n u m k M G T) for the power of a
// thousand. A negative precision puts the letter in place of the decimal
// point ("4k70").
QString EEngStr(double innum, int precision);

// Base-10 logarithm; EMathError "logarithm: invalid argument" for x <= 0 or
// NaN.
double lg(double x);

// InNum rounded towards minus infinity.
int IntNeg(double InNum);

} // namespace vorn
