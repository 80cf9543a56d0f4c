// Painting of the field: captions, spin buttons, gauge, box, text, caret and
// selection, composed off-screen and shown in one step.
#include "NumIO.h"

#include "FloatCheck.h"

#include <QFontMetrics>

#include <cmath>

using namespace numio;

int TNumIO2::TextWidthOf(const QString& s) const
{
    // Measured on a bitmap like the one Paint draws on, so that the layout
    // and the picture agree.
    static QImage probe = NewBitmap(1, 1);
    return QFontMetrics(font(), &probe).horizontalAdvance(s);
}

int TNumIO2::BarHeight() const
{
    return FGaugeVisib ? FGaugeHeight + FGaugeTopMarg + 1 : 0;
}

int TNumIO2::CharPosToXCoords(int cp) const
{
    return CharPosToX(cp, TextWidthOf(FInBuffer));
}

int TNumIO2::CharPosToX(int cp, int tw) const
{
    const int twcp = cp >= FInBuffer.size() ? tw : TextWidthOf(FInBuffer.left(std::max(cp, 0)));
    switch (FAlignment) {
    case taLeftJustify: return FLeftSpace + 4 + twcp;
    case taRightJustify: return FLeftSpace + FTextBoxWidth - 2 - tw + twcp;
    case taCenter:
    default: return FLeftSpace + 2 + (FTextBoxWidth - tw) / 2 + twcp;
    }
}

void TNumIO2::Paint()
{
    // 1.
    if (!Visible() || FSuppressPaint || FInPaint)
        return;
    FInPaint = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{FInPaint};

    // 2. Automatic height, past the Height writer and its limits.
    if (FAutoSize) {
        static QImage probe = NewBitmap(1, 1);
        const int h = QFontMetrics(font(), &probe).height() + 6;
        if (h != height())
            resize(width(), h);
    }

    // 3.
    const int W = width(), H = height();
    QImage GrafBmp = NewBitmap(W, H);
    TCanvas cv(GrafBmp);
    cv.SetFont(font());
    const int TH = cv.TextHeight(TextHeightProbe);
    const int ZH = H - BarHeight();
    const int yT = (ZH - TH) / 2;
    const bool outOfRange = OutOfRange();
    cv.SetPenColor(FColorOutBG);
    cv.SetBrushColor(FColorOutBG);
    cv.Rectangle(0, 0, W, H);

    PaintLeftCaption(cv, yT); // 4.
    if (FButVisible)
        PaintButtons(cv); // 5.
    PaintRightCaption(cv, yT); // 6.
    if (FGaugeVisib)
        PaintGauge(cv, ZH); // 7.
    PaintBox(cv, ZH, outOfRange); // 8.
    const int tw = cv.TextWidth(FInBuffer);
    PaintBoxText(cv, ZH, yT, outOfRange, tw); // 9.
    PaintCaret(cv, ZH, tw); // 10.
    PaintSelection(cv, ZH, tw); // 11.
    Present(std::move(GrafBmp)); // 12.
}

namespace {
// A caption, plain or in the disabled look (grey over a white copy).
void CaptionOut(TCanvas& cv, bool enabled, TColor color, TColor bg, int x, int y, const QString& s)
{
    if (enabled) {
        cv.SetBrushColor(bg);
        cv.SetFontColor(color);
        cv.TextOut(x, y, s);
    } else {
        cv.SetBrushStyle(bsClear);
        cv.SetFontColor(clWhite);
        cv.TextOut(x + 1, y + 1, s);
        cv.SetFontColor(clGray);
        cv.TextOut(x, y, s);
    }
}

void Line(TCanvas& cv, int x1, int y1, int x2, int y2)
{
    cv.MoveTo(x1, y1);
    cv.LineTo(x2, y2);
}
} // namespace

void TNumIO2::PaintLeftCaption(TCanvas& cv, int yT)
{
    const int lw = cv.TextWidth(FLeftText);
    int x = 7;
    if (FLTAlignment == taRightJustify)
        x = FLeftSpace - lw - 5;
    else if (FLTAlignment == taCenter)
        x = (FLeftSpace - lw) / 2;
    CaptionOut(cv, FEnabled, FColorOutText, FColorOutBG, x, yT, FLeftText);
}

void TNumIO2::PaintButtons(TCanvas& cv)
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

void TNumIO2::PaintRightCaption(TCanvas& cv, int yT)
{
    const int W = width();
    const int rw = cv.TextWidth(FRightText);
    const int ofs = FButVisible ? FButWidth + FButSpace : 0;
    const int rx = FLeftSpace + ofs + FTextBoxWidth;
    cv.SetBrushColor(FColorOutBG);
    int x = rx + 7;
    if (FRTAlignment == taRightJustify)
        x = W - rw - 6;
    else if (FRTAlignment == taCenter)
        x = rx + 1 + (W - rx - rw) / 2;
    CaptionOut(cv, FEnabled, FColorOutText, FColorOutBG, x, yT, FRightText);
}

void TNumIO2::PaintGauge(TCanvas& cv, int ZH)
{
    const int gt = ZH + FGaugeTopMarg, gb = gt + FGaugeHeight;
    const int gl = FGaugeLeftMarg, gr = FGaugeLeftMarg + FGaugeWidth;
    cv.SetPenColor(FGaugeFrameSt == fsNone ? FGaugeColorBg : FGaugeColorFrm);
    cv.SetBrushColor(FGaugeColorBg);
    cv.Rectangle(gl, gt, gr, gb);

    long double perc = 1.0L;
    if (FMaximum != FMinimum)
        perc = (static_cast<long double>(GetNioValue()) - FMinimum) /
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
        cv.SetBrushStyle(bsClear);
        TColor ring = FColGrayLine;
        if (FGaugeFrameSt == fsSimple)
            ring = FGaugeColorFrm;
        else if (FGaugeFrameSt == fsEmbossed)
            ring = FColWhiteLine;
        cv.SetPenColor(ring);
        cv.Rectangle(gl, gt, gr, gb);
        PaintBevel(cv, FGaugeFrameSt, gl, gt, gr - 1, gb - 1);
    }
}

void TNumIO2::PaintBevel(TCanvas& cv, TFrameStyle fs, int l, int t, int r, int b)
{
    TColor inner, outer;
    switch (fs) {
    case fsLowered: inner = FColBlackLine, outer = FColWhiteLine; break;
    case fsRaised: inner = FColWhiteLine, outer = FColBlackLine; break;
    case fsEmbossed: inner = outer = FColGrayLine; break;
    case fsEngraved: inner = outer = FColWhiteLine; break;
    default: return;
    }
    cv.SetPenColor(inner);
    cv.MoveTo(l + 1, b - 1);
    cv.LineTo(l + 1, t + 1);
    cv.LineTo(r, t + 1);
    cv.SetPenColor(outer);
    cv.MoveTo(l + 1, b + 1);
    cv.LineTo(r + 1, b + 1);
    cv.LineTo(r + 1, t);
}

void TNumIO2::PaintBox(TCanvas& cv, int ZH, bool outOfRange)
{
    const int LS = FLeftSpace, TBW = FTextBoxWidth;
    TColor fill = FColorBoxBG;
    if (!FEnabled)
        fill = clSilver;
    else if (outOfRange)
        fill = FColorWarnBG;
    TColor pen = FColGrayLine;
    if (FFrameStyle == fsNone)
        pen = fill;
    else if (FFrameStyle == fsEmbossed)
        pen = FColWhiteLine;
    cv.SetPenColor(pen);
    cv.SetBrushColor(fill);
    if (FFrameStyle == fsNone || FFrameStyle == fsSimple) {
        cv.Rectangle(LS, 0, LS + TBW + 2, ZH);
    } else {
        cv.Rectangle(LS, 0, LS + TBW + 2, ZH - 1);
        PaintBevel(cv, FFrameStyle, LS, 0, LS + TBW + 1, ZH - 2);
    }
}

void TNumIO2::PaintBoxText(TCanvas& cv, int ZH, int yT, bool outOfRange, int tw)
{
    const int LS = FLeftSpace, TBW = FTextBoxWidth;
    TColor color = outOfRange ? FColorWarnTxt : FColorBoxText;
    if (!FEnabled)
        color = clGray;
    int x = LS + 2 + (TBW - tw) / 2;
    if (FAlignment == taLeftJustify)
        x = LS + 4;
    else if (FAlignment == taRightJustify)
        x = LS + TBW - 2 - tw;
    // The brush is still the box's fill.
    cv.SetFontColor(color);
    cv.TextRect(LS + 3, 2, LS + TBW - 1, ZH - 3, x, yT, FInBuffer);
}

void TNumIO2::PaintCaret(TCanvas& cv, int ZH, int tw)
{
    if (!FCaretVisib)
        return;
    const int caretx = CharPosToX(FCaretPos, tw) - 1 - FLeftSpace;
    if (caretx > 0 && caretx < FTextBoxWidth) {
        cv.SetPenColor(clBlack);
        Line(cv, FLeftSpace + caretx, 3, FLeftSpace + caretx, ZH - 3);
    }
}

void TNumIO2::PaintSelection(TCanvas& cv, int ZH, int tw)
{
    if (!(FSelBegin < FSelEnd) || !(hasFocus() || !FHideSel))
        return;
    const int lo = FLeftSpace, hi = FLeftSpace + FTextBoxWidth;
    const int x1 = std::clamp(CharPosToX(FSelBegin, tw), lo, hi);
    const int x2 = std::clamp(CharPosToX(FSelEnd, tw), lo, hi);
    cv.InvertRect(x1, 3, x2, ZH - 3);
}
