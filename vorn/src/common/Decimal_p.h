// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// A non-negative real as its 18 significant decimal digits, the form in which
// the number-to-text conversions round and lay out a value.
#include <string>

namespace vorn {

constexpr int SignificantDigits = 18;

struct Decimal
{
    std::string digits; // SignificantDigits characters: d.ddd... x 10^exponent
    int exponent = 0;
    bool zero = true;

    // The digit of 10^place; '0' beyond the significant digits.
    char DigitAt(int place) const;
    // Keeps the first `keep` digits, rounding half up on the next one; a
    // carry into a new leading digit raises the exponent. Nothing left makes
    // the value zero.
    void RoundHalfUp(int keep);
    // Rounds half up at the given decimal place (10^-decimals).
    void RoundToDecimals(int decimals);
    // The value in fixed notation with '.' as the point: its integer digits
    // ("0" below 1), then, when decimals > 0, '.' and exactly that many
    // decimals. No sign and no padding.
    std::string FixedText(int decimals) const;
};

// |x| rounded to SignificantDigits digits (to nearest, ties to even).
Decimal ToDecimal(long double x);

} // namespace vorn
