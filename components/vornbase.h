#pragma once
// What the controls share for drawing: frame styles, colour schemes and the
// line colours derived from them, the frame painter, the line-height probe,
// the enumerations of separators, degree formats and alignments, the base
// class of the library's errors and the refusal of a copy between classes.
#include "Canvas.h"
#include "Colors.h"
#include "Exceptions.h"

#include <QObject>
#include <QString>

namespace vornbase {
Q_NAMESPACE

enum TFrameStyle : uint8_t { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
Q_ENUM_NS(TFrameStyle)

enum TColorScheme : uint8_t { csBWG, csSystem };
Q_ENUM_NS(TColorScheme)

// Decimal-separator policy of a numeric field.
enum TDecPSep : uint8_t { dsSystem, dsDot, dsComma, dsBoth };
Q_ENUM_NS(TDecPSep)

enum TDegreeFormat : uint8_t { dfDeg, dfDegMin, dfDegMinSec, dfNumeric };
Q_ENUM_NS(TDegreeFormat)

// Alignment of a control's main text and of its captions.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

} // namespace vornbase

using vornbase::TAlignment;
using vornbase::TColorScheme;
using vornbase::TDecPSep;
using vornbase::TDegreeFormat;
using vornbase::TFrameStyle;
using enum vornbase::TAlignment;
using enum vornbase::TColorScheme;
using enum vornbase::TDecPSep;
using enum vornbase::TDegreeFormat;
using enum vornbase::TFrameStyle;

// Glyphs that reach high and low: its text height in a font is the font's
// full line height.
inline const QString TextHeightProbe = QStringLiteral(u"(8g]}\u00DC\u00C4\u00A7");

// Base class of the library's errors.
class EVornError : public Exception
{
public:
    using Exception::Exception;
};

// The class name of o as the errors show it; "nil" when there is none.
QString ClassNameOf(const QObject* o);

// The refusal of Assign and AssignTo between unrelated classes:
// EConvertError "Cannot assign a <from> to a <to>".
[[noreturn]] void ThrowCannotAssign(const QString& from, const QString& to);

// A closed one-pixel outline from (Left, Top) to (Right, Bottom) inclusive,
// in the canvas's pen.
void DrawRectangle(TCanvas& cv, int Left, int Top, int Right, int Bottom);

// The frame of style fs on the outermost pixels (Left, Top)-(Right, Bottom),
// all inclusive. Only the pen colour is set; a style outside 0..5 draws
// nothing.
void DrawFrame(TCanvas& cv, TFrameStyle fs, int Left, int Top, int Right, int Bottom, TColor White, TColor Silver,
               TColor Gray, TColor Black, TColor SimpleFCol);

// The three frame line colours a control derives from its colour scheme.
// Controls with a ColorScheme property inherit this beside their widget
// class; their SetColorScheme is `if (StoreColorScheme(v)) Paint();`.
class TSchemeLines
{
protected:
    // Stores the scheme and derives gray and white from it; false (and
    // nothing changed) when the scheme is the one already stored.
    bool StoreColorScheme(TColorScheme Value);
    // Copies the scheme and the three colours as they are, not derived again.
    void CopySchemeLines(const TSchemeLines& Source);

    TColorScheme FColorScheme = csBWG;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = clGray;
    TColor FColWhiteLine = clWhite;
};
