// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The platform's number and date formatting.
//
// Format(fmt, width, precision, value) formats one value by a pattern with a
// single conversion, "%[w|*][.p|*]c" between literal text ("%%" is a percent
// sign). A "*" takes the width or precision argument; a missing precision
// takes the conversion's default. Conversions:
//  - "d": decimal digits, zero-padded to at least `precision` digits, the
//    minus sign ahead of the zeros ("-00042");
//  - "x": upper-case hexadecimal digits of the two's-complement pattern
//    (64 bits for an int64_t, 32 for an int), zero-padded to `precision`;
//  - "f": fixed notation with exactly `precision` decimals (0 .. 18, default
//    2); values of 10^18 or more are written in the general form of 18 digits;
//  - "e": one digit, the decimal point, precision - 1 further digits
//    (precision 2 .. 18, default 15), "E", the exponent's sign and at least
//    three digits ("1.235E+003");
//  - "g": general form with `precision` significant digits (2 .. 18, default
//    15), trailing zeros and an unneeded point removed; fixed notation when
//    the value is 0.d... x 10^e with -3 <= e <= precision, else a mantissa,
//    "E", "-" only for a negative exponent and at least three digits
//    ("1.5E020").
// Real conversions round half away from zero on the value's 18 significant
// decimal digits, write the locale's decimal separator, give "INF", "-INF"
// and "NAN" for the special values, and never write "-" for a result that
// rounds to zero. The text is right-aligned with spaces to `width`.
// A pattern that is invalid or does not fit the value's kind (a real to "d")
// throws EConvertError.
#include <QString>

#include <cstdint>

namespace vorn {

QString Format(const QString& fmt, int width, int precision, long double value);
QString Format(const QString& fmt, int width, int precision, int64_t value);
QString Format(const QString& fmt, int width, int precision, int value);
inline QString Format(const QString& fmt, int width, int precision, double value)
{
    return Format(fmt, width, precision, static_cast<long double>(value));
}

// A date-time as text. `value` counts days since 30 December 1899 (the day
// serial); its fraction is the time of day, also for negative serials
// (-1.25 is 29 December 1899, 06:00). Pattern letters, case-insensitive:
//   d dd        day of month, without / with a leading zero
//   ddd dddd    day name, short / long ("Wed", "Wednesday")
//   m mm        month, without / with a leading zero; minutes right after
//               an hour
//   mmm mmmm    month name, short / long ("Jan", "January")
//   yy yyyy     year, two / four digits
//   h hh        hour, 24-hour clock unless am/pm or a/p follows
//   n nn        minute        s ss   second
//   z zzz       millisecond, without / with leading zeros
//   am/pm a/p   "am"/"pm" or "a"/"p", in the case the pattern writes them
//   '...' "..." text copied as it is
// Any other character is copied. Names are English. Values outside the years
// 1 .. 9999 (and NaN) throw EConvertError.
QString FormatDateTime(const QString& pattern, double value);

} // namespace vorn
