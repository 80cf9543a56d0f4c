// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The fixed-width conversion of an extended real to text.
//
// Str(x, W, D):
//  - W above 255 counts as 255;
//  - infinities and NaN give "+Inf", "-Inf", "Nan", right-aligned to W;
//  - with D >= 0 and |x| <= 6.646139978924579e35 and a decimal exponent in
//    -35 .. 35 (or x = 0), the fixed form: the 18 significant digits of x
//    rounded half up at the D-th decimal, "-" for x < 0 (decided before the
//    rounding), "." and exactly D decimals (D at most 216), right-aligned to W;
//  - otherwise the exponential form of max(W, 10) characters: sign or space,
//    one digit, ".", min(W - 9, 17) digits, "E", the exponent's sign and four
//    digits, padded on the left when wider than 26.
#include <QString>

namespace vorn {

QString Str(long double x, int width, int decimals);

} // namespace vorn
