// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Painting of the field: captions, spin buttons, gauge, box, text, caret and
// selection, composed on the host's picture, which the host shows in one step.
#include "NumIOCore_p.h"

#include "FloatCheck_p.h"

#include <QFontMetrics>

#include <cmath>

namespace vorn {

using namespace numio;

int TNumIO2Core::AutoHeight() const
{
    return MeasuringMetrics(FHost.Font()).height() + 6;
}

QImage TNumIO2Core::Compose(QImage GrafBmp)
{
    // The bitmap of the whole control at the screen's pixel ratio, filled
    // with the surround; every row below is measured from the height after
    // the automatic one.
    const int W = HostSize().width(), H = HostSize().height();
    // GrafBmp is the host's picture at its pixel ratio.
    TCanvas cv(GrafBmp, FHost.Palette());
    cv.SetFont(FHost.Font());
    const int TH = cv.TextHeight(TextHeightProbe);
    const int ZH = H - BarHeight();
    const int yT = (ZH - TH) / 2;
    // A long text's value is read once, not on every caret blink.
    const double value = PaintedValue();
    const bool outOfRange = value < FMinimum || value > FMaximum;
    cv.SetPenColor(FColorOutBG);
    cv.SetBrushColor(FColorOutBG);
    cv.Rectangle(0, 0, W, H);

    // The elements in order, later ones over earlier ones where they overlap.
    PaintLeftCaption(cv, yT);
    if (FButVisible)
        PaintButtons(cv);
    PaintRightCaption(cv, yT);
    if (FGaugeVisib)
        PaintGauge(cv, ZH, value);
    PaintBox(cv, outOfRange);
    // A long text's width is kept from its first measurement.
    const int tw = LongText() ? WholeTextWidth() : cv.TextWidth(FInBuffer);
    PaintBoxText(cv, yT, outOfRange, tw);
    PaintCaret(cv, ZH, tw);
    PaintSelection(cv, ZH, tw);
    // Shown in one copy, so no intermediate state ever reaches the screen.
    cv.Detach();
    return GrafBmp;
}

namespace {
void Line(TCanvas& cv, int x1, int y1, int x2, int y2)
{
    cv.MoveTo(x1, y1);
    cv.LineTo(x2, y2);
}
} // namespace

void TNumIO2Core::PaintLeftCaption(TCanvas& cv, int yT)
{
    const int lw = cv.TextWidth(FLeftText);
    int x = 7;
    if (FLTAlignment == taRightJustify)
        x = FLeftSpace - lw - 5;
    else if (FLTAlignment == taCenter)
        x = (FLeftSpace - lw) / 2;
    DrawCaption(cv, FEnabled, FColorOutText, x, yT, FLeftText);
}

void TNumIO2Core::PaintButtons(TCanvas& cv)
{
    const int BW = FButWidth;
    const int h2 = FButHeight / 2;
    const int bx = FLeftSpace + FTextBoxWidth + FButSpace;
    // Faces, outline and the separator between the two buttons.
    cv.SetPenColor(clGray);
    cv.SetBrushColor(FButColor);
    cv.Rectangle(bx, 0, bx + BW + 1, 2 * h2 - 1);
    Line(cv, bx, h2 - 1, bx + BW, h2 - 1);
    if (FBut3D) {
        cv.SetPenColor(clWhite);
        cv.MoveTo(bx + 1, 2 * h2 - 3);
        cv.LineTo(bx + 1, h2);
        cv.LineTo(bx + BW, h2);
        cv.MoveTo(bx + 1, h2 - 2);
        cv.LineTo(bx + 1, 1);
        cv.LineTo(bx + BW, 1);
        cv.SetPenColor(clBlack);
        cv.MoveTo(bx + 1, 2 * h2 - 1);
        cv.LineTo(bx + BW + 1, 2 * h2 - 1);
        cv.LineTo(bx + BW + 1, 1);
    }
    // Arrows: rows of 2, 4 and 6 pixels, the narrow row at the tip.
    cv.SetPenColor(FEnabled ? clBlack : clGray);
    const int cx = bx + 1 + BW / 2;
    const int q = h2 / 2;
    for (int i = 0; i < 3; ++i) {
        Line(cv, cx - 1 - i, q - 1 + i, cx + 1 + i, q - 1 + i);
        Line(cv, cx - 1 - i, h2 + q - i, cx + 1 + i, h2 + q - i);
    }
}

void TNumIO2Core::PaintRightCaption(TCanvas& cv, int yT)
{
    const int W = HostSize().width();
    const int rw = cv.TextWidth(FRightText);
    const int ofs = FButVisible ? FButWidth + FButSpace : 0;
    const int rx = FLeftSpace + ofs + FTextBoxWidth;
    cv.SetBrushColor(FColorOutBG);
    int x = rx + 7;
    if (FRTAlignment == taRightJustify)
        x = W - rw - 6;
    else if (FRTAlignment == taCenter)
        x = rx + 1 + (W - rx - rw) / 2;
    DrawCaption(cv, FEnabled, FColorOutText, x, yT, FRightText);
}

void TNumIO2Core::PaintGauge(TCanvas& cv, int ZH, double value)
{
    const int gt = ZH + FGaugeTopMarg, gb = gt + FGaugeHeight;
    const int gl = FGaugeLeftMarg, gr = FGaugeLeftMarg + FGaugeWidth;
    cv.SetPenColor(FGaugeFrameSt == fsNone ? FGaugeColorBg : FGaugeColorFrm);
    cv.SetBrushColor(FGaugeColorBg);
    cv.Rectangle(gl, gt, gr, gb);

    long double perc = 1.0L;
    if (FMaximum != FMinimum)
        perc = (static_cast<long double>(value) - FMinimum) /
               (static_cast<long double>(FMaximum) - FMinimum);
    if (!(perc >= 0))
        perc = 0;
    if (perc > 1)
        perc = 1;
    const TColor bar = FEnabled ? FGaugeColor : clGray;
    cv.SetPenColor(bar);
    cv.SetBrushColor(bar);
    cv.Rectangle(gl, gt, gl + static_cast<int>(Round(FGaugeWidth * perc)), gb);

    if (FGaugeFrameSt != fsNone) {
        const TFrameLines lines = FrameLinesOf(FColBlackLine, FColGrayLine, FColWhiteLine);
        cv.SetBrushStyle(bsClear);
        cv.SetPenColor(FGaugeFrameSt == fsSimple ? FGaugeColorFrm : lines.Ring(FGaugeFrameSt));
        cv.Rectangle(gl, gt, gr, gb);
        DrawBevel(cv, FGaugeFrameSt, lines, gl, gt, gr - 1, gb - 1);
    }
}

void TNumIO2Core::PaintBox(TCanvas& cv, bool outOfRange)
{
    TColor fill = FColorBoxBG;
    if (!FEnabled)
        fill = clSilver;
    else if (outOfRange)
        fill = FColorWarnBG;
    FieldBox(*this, HostSize().height()).Draw(cv, FFrameStyle, FrameLinesOf(FColBlackLine, FColGrayLine, FColWhiteLine), fill);
}

void TNumIO2Core::PaintBoxText(TCanvas& cv, int yT, bool outOfRange, int tw)
{
    TColor color = outOfRange ? FColorWarnTxt : FColorBoxText;
    if (!FEnabled)
        color = clGray;
    // The brush is still the box's fill.
    cv.SetFontColor(color);
    // Of a long text only the characters that can show in the box are drawn.
    const TValueBox box = FieldBox(*this, HostSize().height());
    int x = 0;
    QString slice;
    if (VisibleSlice(box.TextX(FAlignment, tw), FHost.Ratio(), x, slice))
        box.DrawTextAt(cv, x, yT, slice);
    else
        box.DrawText(cv, FAlignment, yT, FInBuffer, tw);
}

void TNumIO2Core::PaintCaret(TCanvas& cv, int ZH, int tw)
{
    if (!FCaretVisib)
        return;
    const int caretx = CharPosToX(FCaretPos, tw) - 1 - FLeftSpace;
    if (caretx > 0 && caretx < FTextBoxWidth) {
        cv.SetPenColor(clBlack);
        Line(cv, FLeftSpace + caretx, 3, FLeftSpace + caretx, ZH - 3);
    }
}

void TNumIO2Core::PaintSelection(TCanvas& cv, int ZH, int tw)
{
    if (!(FSelBegin < FSelEnd) || !(FHost.HasFocus() || !FHideSel))
        return;
    const int lo = FLeftSpace, hi = FLeftSpace + FTextBoxWidth;
    const int x1 = std::clamp(CharPosToX(FSelBegin, tw), lo, hi);
    const int x2 = std::clamp(CharPosToX(FSelEnd, tw), lo, hi);
    cv.InvertRect(x1, 3, x2, ZH - 3);
}

} // namespace vorn
