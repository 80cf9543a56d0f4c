// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// What the controls share for drawing: frame styles, colour schemes and the
/// line colours derived from them, the frame painter, the enumerations of
/// separators, degree formats and alignments, the numeric field's input
/// formats and its error, the numeric label's display types, the dot-matrix
/// label's scroll and block modes and its character matrix (also reached
/// through NumIO.h, NumLab.h and RasterLab.h), and the base class of the
/// library's errors. The drawing helpers the controls paint with are
/// internal (vornbase_p.h).
#include "Canvas.h"
#include "Colors.h"
#include "Exceptions.h"

#include <vorn/vorn_export.h>

#include <QObject>
#include <QString>

#include <cstdint>

namespace vorn {

namespace vornbase {
Q_NAMESPACE_EXPORT(VORN_EXPORT)

/// The frame drawn round a control's box.
enum TFrameStyle : uint8_t {
    fsNone,     ///< no frame
    fsSimple,   ///< a one-pixel outline in one colour
    fsLowered,  ///< a two-pixel bevel, sunken
    fsRaised,   ///< a two-pixel bevel, raised
    fsEmbossed, ///< a two-pixel ridge
    fsEngraved, ///< a two-pixel groove
};
Q_ENUM_NS(TFrameStyle)

/// Where a control's frame lines take their colours from.
enum TColorScheme : uint8_t {
    csBWG,    ///< fixed black, gray and white lines
    csSystem, ///< black, and the system colours clBtnShadow and clBtnHighlight from the control's palette
};
Q_ENUM_NS(TColorScheme)

/// Decimal-separator policy of a numeric field.
enum TDecPSep : uint8_t {
    dsSystem, ///< "." when the locale's decimal separator is ".", otherwise ","
    dsDot,    ///< "." only
    dsComma,  ///< "," only
    dsBoth,   ///< "." and "," both; the field writes "."
};
Q_ENUM_NS(TDecPSep)

/// How DegreeToStr() writes an angle.
enum TDegreeFormat : uint8_t {
    dfDeg,       ///< decimal degrees: "12.50°"
    dfDegMin,    ///< degrees and decimal minutes: "12° 30.00'"
    dfDegMinSec, ///< degrees, minutes and decimal seconds: <code>12° 30' 45.0"</code>
    dfNumeric,   ///< the plain number: "12.50"
};
Q_ENUM_NS(TDegreeFormat)

/// Alignment of a control's main text and of its captions.
enum TAlignment : uint8_t {
    taLeftJustify,  ///< against the left edge
    taRightJustify, ///< against the right edge
    taCenter,       ///< centred
};
Q_ENUM_NS(TAlignment)

} // namespace vornbase

using vornbase::TAlignment;
using vornbase::TColorScheme;
using vornbase::TDecPSep;
using vornbase::TDegreeFormat;
using vornbase::TFrameStyle;
// The enumerators in namespace vorn as well, one by one: the installed
// headers stay C++17 (no "using enum").
using vornbase::taLeftJustify, vornbase::taRightJustify, vornbase::taCenter;
using vornbase::csBWG, vornbase::csSystem;
using vornbase::dsSystem, vornbase::dsDot, vornbase::dsComma, vornbase::dsBoth;
using vornbase::dfDeg, vornbase::dfDegMin, vornbase::dfDegMinSec, vornbase::dfNumeric;
using vornbase::fsNone, vornbase::fsSimple, vornbase::fsLowered, vornbase::fsRaised, vornbase::fsEmbossed,
    vornbase::fsEngraved;

// The numeric label's display types (TNumLab::DisplayType), here with the
// other enumerations so that the label's model needs no widget.
namespace numlab {
Q_NAMESPACE_EXPORT(VORN_EXPORT)

/// How the label shows its value.
enum TDisplay : uint8_t {
    dtFloat,     ///< general floating-point text
    dtFixP,      ///< fixed-point text
    dtExp,       ///< exponential text
    dtHex,       ///< hexadecimal digits
    dtZeroInt,   ///< integer padded with leading zeros
    dtInt,       ///< integer
    dtDateTime,  ///< date and time of a day serial
    dtState,     ///< the fixed state text, whatever the value
    dtBin,       ///< binary digits
    dtOct,       ///< octal digits
    dtDeg,       ///< decimal degrees
    dtDegMin,    ///< degrees and minutes
    dtDegMinSec, ///< degrees, minutes and seconds
    dtEEng,      ///< engineering notation with a unit-prefix letter
    dtEEngNoDP,  ///< engineering notation, the letter in place of the point
};
Q_ENUM_NS(TDisplay)

} // namespace numlab

using numlab::TDisplay;
using numlab::dtFloat, numlab::dtFixP, numlab::dtExp, numlab::dtHex, numlab::dtZeroInt, numlab::dtInt,
    numlab::dtDateTime, numlab::dtState, numlab::dtBin, numlab::dtOct, numlab::dtDeg, numlab::dtDegMin,
    numlab::dtDegMinSec, numlab::dtEEng, numlab::dtEEngNoDP;

/// Base class of the library's errors.
class VORN_EXPORT EVornError : public Exception
{
public:
    using Exception::Exception;
};

/// A closed one-pixel outline from (Left, Top) to (Right, Bottom) inclusive,
/// in the canvas's pen.
VORN_EXPORT void DrawRectangle(TCanvas& cv, int Left, int Top, int Right, int Bottom);

/// The frame of style fs on the outermost pixels (Left, Top)-(Right, Bottom),
/// all inclusive. Only the pen colour is set; a style outside 0 to 5 draws
/// nothing.
VORN_EXPORT void DrawFrame(TCanvas& cv, TFrameStyle fs, int Left, int Top, int Right, int Bottom, TColor White,
                           TColor Silver, TColor Gray, TColor Black, TColor SimpleFCol);

namespace numio {
Q_NAMESPACE_EXPORT(VORN_EXPORT)

/// How the field writes, reads and validates its text.
enum TInFormat : uint8_t {
    itExp,      ///< exponential with SignificantDigits significant digits: 7.1 is written 7.10000E+00
    itFloat,    ///< fixed point, FixPointDecPlaces decimals; any number of decimals may be typed
    itFixPoint, ///< fixed point with exactly FixPointDecPlaces decimals
    itInt,      ///< a decimal integer, 32 bits
    itHex,      ///< 8 hexadecimal digits, 32 bits
    itOct,      ///< 11 octal digits, 32 bits
    itBin,      ///< 32 binary digits
    itDynamic,  ///< written as a decimal integer; read as hexadecimal after "$", binary after "%", octal after "&", otherwise as a real number
};
Q_ENUM_NS(TInFormat)

} // namespace numio

using numio::TInFormat;
using numio::itExp, numio::itFloat, numio::itFixPoint, numio::itInt, numio::itHex, numio::itOct, numio::itBin,
    numio::itDynamic;

/// The field's errors: "Component \"<name>\": <what failed>".
class VORN_EXPORT EVornNumIO2Error : public EVornError
{
public:
    using EVornError::EVornError;
};

namespace rasterlab {
Q_NAMESPACE_EXPORT(VORN_EXPORT)

/// Direction in which the text scrolls.
enum TRDScrollMode : uint8_t {
    rdsmOff,   ///< the text stands still
    rdsmLeft,  ///< the text moves to the left
    rdsmRight, ///< the text moves to the right
    rdsmDown,  ///< the text moves down
    rdsmUp,    ///< the text moves up
};
Q_ENUM_NS(TRDScrollMode)

/// The dimmed dots between the lit ones.
enum TRDBlockMode : uint8_t {
    rdbmOff,    ///< no dimmed dots
    rdbmOn,     ///< a raster of dimmed dots, the characters separated into blocks
    rdbmRaster, ///< a raster of dimmed dots, no separation
};
Q_ENUM_NS(TRDBlockMode)

} // namespace rasterlab

using rasterlab::TRDBlockMode;
using rasterlab::TRDScrollMode;
using rasterlab::rdbmOff, rasterlab::rdbmOn, rasterlab::rdbmRaster;
using rasterlab::rdsmOff, rasterlab::rdsmLeft, rasterlab::rdsmRight, rasterlab::rdsmDown, rasterlab::rdsmUp;

/// A font as dots: for each character code 0 to 255 up to 32 rows of 32 columns
/// (bit i of a row mask is column i, column 0 the leftmost; row 0 the top) and
/// the glyph's leftmost and rightmost column for proportional spacing.
struct VORN_EXPORT TRDCharMatrix
{
    int32_t FontWidth = 0;  ///< widest glyph in columns; the cell at fixed width
    int32_t FontHeight = 0; ///< rows drawn for every glyph, from row 0
    uint8_t LeftMostBit[256] = {};
    uint8_t RightMostBit[256] = {};
    uint32_t BitData[256][32] = {};
};

} // namespace vorn
