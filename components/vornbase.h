// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// What the controls share for drawing: frame styles, colour schemes and the
/// line colours derived from them, the frame painter, the framed value box of
/// the numeric field and label, the caption look (plain or engraved), text
/// measuring and the line-height probe, the enumerations of separators,
/// degree formats and alignments, the base class of the library's errors and
/// the refusal of a copy between classes.
#include "Canvas.h"
#include "Colors.h"
#include "Exceptions.h"

#include <vorn/vorn_export.h>

#include <QFontMetrics>
#include <QObject>
#include <QString>

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

/// Glyphs that reach high and low: its text height in a font is the font's
/// full line height.
inline const QString TextHeightProbe = QStringLiteral(u"(8g]}\u00DC\u00C4\u00A7");

/// The metrics of a font as the controls measure it: on a 96-dpi bitmap like
/// the ones they draw on, so that layout and picture agree whatever the
/// screen.
VORN_EXPORT QFontMetrics MeasuringMetrics(const QFont& font);

/// Base class of the library's errors.
class VORN_EXPORT EVornError : public Exception
{
public:
    using Exception::Exception;
};

/// The class name of o as the errors show it, the library's own classes
/// without "vorn::"; "nil" when there is none.
VORN_EXPORT QString ClassNameOf(const QObject* o);

/// The refusal of Assign and AssignTo between unrelated classes:
/// EConvertError "Cannot assign a <from> to a <to>".
[[noreturn]] VORN_EXPORT void ThrowCannotAssign(const QString& from, const QString& to);

/// A closed one-pixel outline from (Left, Top) to (Right, Bottom) inclusive,
/// in the canvas's pen.
VORN_EXPORT void DrawRectangle(TCanvas& cv, int Left, int Top, int Right, int Bottom);

/// The frame of style fs on the outermost pixels (Left, Top)-(Right, Bottom),
/// all inclusive. Only the pen colour is set; a style outside 0 to 5 draws
/// nothing.
VORN_EXPORT void DrawFrame(TCanvas& cv, TFrameStyle fs, int Left, int Top, int Right, int Bottom, TColor White,
                           TColor Silver, TColor Gray, TColor Black, TColor SimpleFCol);

/// The three line colours of a control's frames.
struct VORN_EXPORT TFrameLines
{
    TColor Black;
    TColor Gray;
    TColor White;

    /// The ring of a frame of style fs: white for fsEmbossed, else gray.
    TColor Ring(TFrameStyle fs) const { return fs == fsEmbossed ? White : Gray; }
};

/// The bevel lines of a ring whose first column is l, first row t, last
/// column r and last row b: an inner line just inside its left and top edges,
/// (l + 1, b - 1) -> (l + 1, t + 1) -> (r, t + 1), and an outer line just below
/// and right of it, (l + 1, b + 1) -> (r + 1, b + 1) -> (r + 1, t). fsLowered:
/// black inside, white outside; fsRaised: the reverse; fsEmbossed: gray
/// both; fsEngraved: white both. fsNone and fsSimple draw nothing.
VORN_EXPORT void DrawBevel(TCanvas& cv, TFrameStyle fs, const TFrameLines& lines, int l, int t, int r, int b);

/// The framed value box of the numeric field and the numeric label: left edge
/// Left, inner width Width, rows 0 to Height - 1 of the control.
struct VORN_EXPORT TValueBox
{
    int Left;
    int Width;
    int Height;

    /// The box in style fs, filled with `fill`: fsNone and fsSimple a ring on
    /// all the rows (fsNone's in the fill colour); the bevel styles a ring on
    /// rows 0 to Height - 2 and their bevel lines, the outer one on row
    /// Height - 1 and column Left + Width + 2. The brush keeps the fill.
    void Draw(TCanvas& cv, TFrameStyle fs, const TFrameLines& lines, TColor fill) const;
    /// The inside of the ring Draw draws in style fs, which it fills with the
    /// fill colour and draws nothing else on but the bevel styles' inner line
    /// (left column and top row): empty when the ring has no inside.
    QRect Inside(TFrameStyle fs) const;
    /// x of a text tw wide by alignment; the caret line of position 0 lies one
    /// pixel left of it.
    int TextX(TAlignment al, int tw) const;
    /// The text (tw wide) at (TextX, y), clipped to the inside of the box,
    /// (Left + 3, 2)-(Left + Width - 1, Height - 3), which is filled with the
    /// brush first. The caller sets the font colour.
    void DrawText(TCanvas& cv, TAlignment al, int y, const QString& s, int tw) const;
    /// The same, with the text starting at x.
    void DrawTextAt(TCanvas& cv, int x, int y, const QString& s) const;
    /// The zone of an x coordinate: 0 left of the box (the left caption),
    /// 1 the box, 2 right of it.
    int Zone(int X) const;
};

/// The disabled look of a caption, engraved: a light copy one pixel lower and
/// LightDx to the side, under a shadow copy in the caption's place.
struct VORN_EXPORT TEngravedLook
{
    TColor Light = clWhite;
    TColor Shadow = clGray;
    int LightDx = 1;
};

/// A caption at (x, y). Enabled: once in Color, on the canvas's brush.
/// Disabled: the engraved look, on a clear brush. Out(x, y) draws the text in
/// the canvas's font colour, so a control can draw it its own way (turned).
template <class TextOutAt>
void DrawCaptionLook(TCanvas& cv, bool Enabled, TColor Color, int x, int y, TextOutAt&& Out,
                     const TEngravedLook& Look = {})
{
    if (Enabled) {
        cv.SetFontColor(Color);
        Out(x, y);
        return;
    }
    cv.SetBrushStyle(bsClear);
    cv.SetFontColor(Look.Light);
    Out(x + Look.LightDx, y + 1);
    cv.SetFontColor(Look.Shadow);
    Out(x, y);
}

/// DrawCaptionLook with the canvas's own text output.
VORN_EXPORT void DrawCaption(TCanvas& cv, bool Enabled, TColor Color, int x, int y, const QString& s,
                             const TEngravedLook& Look = {});

/// The three frame line colours a control derives from its colour scheme.
/// Controls with a ColorScheme property inherit this beside their widget
/// class; their SetColorScheme is `if (StoreColorScheme(v)) Paint();`.
class VORN_EXPORT TSchemeLines
{
protected:
    /// Stores the scheme and derives gray and white from it; false (and
    /// nothing changed) when the scheme is the one already stored.
    bool StoreColorScheme(TColorScheme Value);
    /// Copies the scheme and the three colours as they are, not derived again.
    void CopySchemeLines(const TSchemeLines& Source);
    TFrameLines FrameLines() const { return {FColBlackLine, FColGrayLine, FColWhiteLine}; }

    TColorScheme FColorScheme = csBWG;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = clGray;
    TColor FColWhiteLine = clWhite;
};

} // namespace vorn
