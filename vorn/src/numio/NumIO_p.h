// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the field's scanners and
// validators, its value box and its unit constants. The library's own tests
// and fuzz targets reach the exported ones through VORN_TESTS_EXPORT.
#include "Application_p.h"
#include "Keys_p.h"
#include "MessageTimer_p.h"
#include "NumIO.h"
#include "vornbase_p.h"

namespace vorn {

namespace numio {

/// Unit constants.
constexpr int defLeftSpace = 35;
constexpr int defFixP = 2;
constexpr int defSigDig = 6;
constexpr int defTextBoxWidth = 80;
constexpr int MINHEIGHT = 18;
constexpr int CARETBLINK_CONST = 500;
constexpr int MINBUTHEIGHT = 18;
constexpr int MINBUTWIDTH = 8;
constexpr int MAXBUTWIDTH = 50;
constexpr int MAXBUTSPACE = 50;

} // namespace numio

/// Scanners: read as much of a number as stands at the 1-based position Idx
/// and leave Idx on the first character that is not part of it. The integer
/// scanners wrap to 32 bits; ScanFPNum clamps to +-1.7E308 and takes the
/// separator as 1 ".", 2 "," or 3 both.
VORN_TESTS_EXPORT int32_t ScanBin(const QString& Instring, int32_t& Idx);
VORN_TESTS_EXPORT int32_t ScanOctal(const QString& Instring, int32_t& Idx);
VORN_TESTS_EXPORT int32_t ScanHex(const QString& Instring, int32_t& Idx);
VORN_TESTS_EXPORT double ScanFPNum(const QString& Instring, bool AllowExp, int32_t DecPChar, int32_t& Idx);

/// Validators: whether a text may stand in a field of that format.
VORN_TESTS_EXPORT bool IsValidBin(const QString& Instring);
VORN_TESTS_EXPORT bool IsValidOct(const QString& Instring);
VORN_TESTS_EXPORT bool IsValidHex(const QString& Instring);
VORN_TESTS_EXPORT bool IsValidDecInt(const QString& Instring);
VORN_TESTS_EXPORT bool IsValidDouble(const QString& Instring, bool AllowExp, TDecPSep DecSeparator);
VORN_TESTS_EXPORT bool IsValidFPNum(const QString& Instring, TDecPSep DecSeparator);

/// The one decimal separator a policy writes: "." for dsDot and dsBoth, ","
/// for dsComma, and for dsSystem "." when the locale's separator is ".",
/// otherwise ",".
VORN_TESTS_EXPORT QChar PolicySeparator(TDecPSep DecSeparator);

/// The height of the gauge bar under the box, 0 without a gauge.
int GaugeBarHeight(const TNumIO2& f);
/// The field's value box: from LeftSpace, TextBoxWidth wide, above the gauge bar.
TValueBox FieldBox(const TNumIO2& f);

} // namespace vorn
