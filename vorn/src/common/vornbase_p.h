// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the drawing helpers the controls
// paint with (bevels, the framed value box, the caption look), text measuring
// and the line-height probe, and the refusal of a copy between classes. The
// library's own tests reach the exported ones through VORN_TESTS_EXPORT.
#include "vornbase.h"

#include <QFontMetrics>

namespace vorn {

/// Glyphs that reach high and low: its text height in a font is the font's
/// full line height.
inline const QString TextHeightProbe = QStringLiteral(u"(8g]}\u00DC\u00C4\u00A7");

/// The metrics of a font as the controls measure it: on a 96-dpi bitmap like
/// the ones they draw on, so that layout and picture agree whatever the
/// screen.
VORN_TESTS_EXPORT QFontMetrics MeasuringMetrics(const QFont& font);

/// The class name of o as the errors show it, the library's own classes
/// without "vorn::"; "nil" when there is none.
VORN_TESTS_EXPORT QString ClassNameOf(const QObject* o);

/// The refusal of Assign and AssignTo between unrelated classes:
/// EConvertError "Cannot assign a <from> to a <to>".
[[noreturn]] VORN_TESTS_EXPORT void ThrowCannotAssign(const QString& from, const QString& to);

/// The three line colours of a control's frames.
struct VORN_TESTS_EXPORT TFrameLines
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
VORN_TESTS_EXPORT void DrawBevel(TCanvas& cv, TFrameStyle fs, const TFrameLines& lines, int l, int t, int r, int b);

/// The framed value box of the numeric field and the numeric label: left edge
/// Left, inner width Width, rows 0 to Height - 1 of the control.
struct VORN_TESTS_EXPORT TValueBox
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
struct VORN_TESTS_EXPORT TEngravedLook
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
VORN_TESTS_EXPORT void DrawCaption(TCanvas& cv, bool Enabled, TColor Color, int x, int y, const QString& s,
                             const TEngravedLook& Look = {});

/// The three frame line colours of a control with a colour scheme.
inline TFrameLines FrameLinesOf(TColor Black, TColor Gray, TColor White)
{
    return {Black, Gray, White};
}

/// The three frame line colours a control derives from its colour scheme.
/// The cores of controls with a ColorScheme property inherit it; their
/// SetColorScheme is `if (StoreColorScheme(v)) Paint();`.
class VORN_TESTS_EXPORT TSchemeLines
{
protected:
    /// Stores the scheme and derives gray and white from it; false (and
    /// nothing changed) when the scheme is the one already stored.
    bool StoreColorScheme(TColorScheme Value);
    /// Copies the scheme and the three colours as they are, not derived again.
    void CopySchemeLines(const TSchemeLines& Source);

    TColorScheme FColorScheme = csBWG;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = clGray;
    TColor FColWhiteLine = clWhite;
};

} // namespace vorn
