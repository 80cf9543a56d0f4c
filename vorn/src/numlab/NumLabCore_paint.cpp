// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The label's picture: background, captions, the framed box and the value,
// composed off-screen and shown in one copy, opaque or ANDed over the
// parent; and its natural and least sizes for layouts, read off the rules
// the picture is drawn by.
#include "NumLabCore_p.h"

#include <QFontMetrics>

#include <algorithm>

namespace vorn {

namespace {

// The caption offsets are built from this margin.
constexpr int Rim = 8;

} // namespace

QImage TNumLabCore::Compose(QImage picture, const TComposedText& text)
{
    {
        TCanvas cv(picture, FHost.Palette());
        cv.SetFont(FHost.Font());
        const int Y0 = (FHost.Size().height() - cv.TextHeight(TextHeightProbe)) / 2;

        // A transparent label's white background leaves the parent's pixels
        // as they are under the AND copy.
        const TColor background = FTransParent ? clWhite : FColorOutBakG;
        PaintBackground(cv, background);

        PaintCaptions(cv, Y0);
        PaintBox(cv);
        if (!FEmpty)
            PaintValue(cv, Y0, text.Text, text.Width);
    }
    return picture;
}

// The background everywhere but inside the value box, which the box fills.
void TNumLabCore::PaintBackground(TCanvas& cv, TColor background)
{
    const QSize size = FHost.Size();
    const int W = size.width(), H = size.height();
    cv.SetPenColor(background);
    cv.SetBrushColor(background);
    const QRect in = Box().Inside(FFrameStyle);
    if (in.isEmpty()) {
        cv.Rectangle(0, 0, W, H);
        return;
    }
    const int l = in.left(), t = in.top(), r = in.right() + 1, b = in.bottom() + 1;
    cv.FillRect(0, 0, W, t);
    cv.FillRect(0, t, l, b);
    cv.FillRect(r, t, W, b);
    cv.FillRect(0, b, W, H);
}

// Enabled: one pass in ColorOutText on the background brush. Disabled: the
// engraved look in fixed white and gray whatever the colour scheme, the white
// copy LightDx to the side.
void TNumLabCore::PaintCaption(TCanvas& cv, const QString& Text, int X, int Y0, int LightDx)
{
    DrawCaption(cv, FEnabled, FColorOutText, X, Y0, Text, {.LightDx = LightDx});
}

void TNumLabCore::PaintCaptions(TCanvas& cv, int Y0)
{
    const int L = FLeftSpace, B = FLabWidth, W = FHost.Size().width();

    int tw = cv.TextWidth(FLeftText);
    switch (FLTAlignment) {
    case taLeftJustify: PaintCaption(cv, FLeftText, 7, Y0); break;
    case taRightJustify: PaintCaption(cv, FLeftText, L - Rim - tw + 3, Y0); break;
    case taCenter: PaintCaption(cv, FLeftText, (L - tw) / 2, Y0); break;
    }

    tw = cv.TextWidth(FRightText);
    switch (FRTAlignment) {
    case taLeftJustify: PaintCaption(cv, FRightText, L + B + Rim - 1, Y0); break;
    // The white copy of a right-justified right caption sits one pixel left
    // of the gray one, not right (W - tw - 7 against W - tw - 6). The label
    // has always been drawn so; its pictures are kept as they are.
    case taRightJustify: PaintCaption(cv, FRightText, W - Rim - tw + 2, Y0, -1); break;
    case taCenter: PaintCaption(cv, FRightText, (W - L - B - tw) / 2 + L + B + 1, Y0); break;
    }
}

void TNumLabCore::PaintBox(TCanvas& cv)
{
    Box().Draw(cv, FFrameStyle, FrameLinesOf(FColBlackLine, FColGrayLine, FColWhiteLine), FColorLabBakG);
}

// `width` is the text's width when it is known, else -1.
void TNumLabCore::PaintValue(TCanvas& cv, int Y0, const QString& text, int width)
{
    // The disabled value is plain gray, without a white copy.
    cv.SetFontColor(FEnabled ? FColorLabText : clGray);
    // The inside of the box holds ColorLabBakG already: the text goes on it
    // without filling its place again.
    cv.SetBrushStyle(bsClear);
    Box().DrawText(cv, FAlignment, Y0, text, width >= 0 ? width : cv.TextWidth(text));
}

QRect TNumLabCore::SeeThroughBox() const
{
    if (!FTransParent)
        return QRect();
    const QRect box(FLeftSpace + 2, 2, FLabWidth - 2, FHost.Size().height() - 4);
    return box.width() > 0 && box.height() > 0 ? box : QRect();
}

// --- The natural and least sizes ---------------------------------------------

// The box's right end (exclusive): its ring, and for the bevelled styles the
// outer line one column further.
int TNumLabCore::BoxRight() const
{
    const bool flat = FFrameStyle == fsNone || FFrameStyle == fsSimple;
    return std::max(FLeftSpace + FLabWidth + (flat ? 2 : 3), 0);
}

// The right caption stands seven pixels after the box and keeps six from the
// edge, as the left- and right-justified captions do; the line is as high as
// the font's with three rows above and below.
QSize TNumLabCore::SizeHint() const
{
    const QFontMetrics fm = MeasuringMetrics(FHost.Font());
    int w = BoxRight();
    if (!FRightText.isEmpty())
        w = std::max(w, FLeftSpace + FLabWidth + 7 + fm.horizontalAdvance(FRightText) + 6);
    return {w, fm.height() + 6};
}

// The box with the whole text line inside its clip, rows 2 .. H - 4.
QSize TNumLabCore::MinimumSizeHint() const
{
    return {BoxRight(), MeasuringMetrics(FHost.Font()).height() + 5};
}

} // namespace vorn
