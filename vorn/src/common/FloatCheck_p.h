// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Checked floating-point arithmetic: each helper computes in extended
// precision and throws EZeroDivide, EInvalidOp or EOverflow where the
// hardware would otherwise produce an infinity or a NaN.
#include <cstdint>

namespace vorn {

// a / b: EZeroDivide for x / 0, EInvalidOp for 0 / 0 or a NaN operand,
// EOverflow when the quotient leaves the extended range.
long double FDiv(long double a, long double b);
// a * b: EInvalidOp for a NaN operand, EOverflow when the product overflows.
long double FMul(long double a, long double b);
// The value rounded to double: EOverflow when it does not fit a double.
double ToDouble(long double x);
// Rounding to the nearest integer, ties to even (2.5 -> 2, 3.5 -> 4):
// EInvalidOp for a NaN or a result outside the 64-bit range.
int64_t Round(long double x);
// Natural logarithm and exponential: EInvalidOp for ln of x <= 0 or NaN,
// EOverflow for an exponential beyond the extended range.
long double FLn(long double x);
long double FExp(long double x);

} // namespace vorn
