// The label's picture: background, captions, the framed box and the value,
// composed off-screen and shown in one copy, opaque or ANDed over the parent.
#include "NumLab.h"

#include <QPainter>

namespace {

// The caption offsets are built from this margin.
constexpr int Rim = 8;
// The fixed colours of the disabled look.
constexpr TColor DisabledLight = 0xFFFFFF;
constexpr TColor DisabledGray = 0x808080;

} // namespace

void TNumLab::Paint()
{
    if (!Visible())
        return;
    QImage bitmap = NewBitmap(width(), height());
    if (bitmap.isNull()) {
        Present(bitmap);
        return;
    }
    TCanvas cv(bitmap);
    cv.SetFont(font());
    const int Y0 = (height() - cv.TextHeight(TextHeightProbe)) / 2;

    // A transparent label's white background leaves the parent's pixels as
    // they are under the AND copy.
    const TColor background = FTransParent ? clWhite : FColorOutBakG;
    cv.SetPenColor(background);
    cv.SetBrushColor(background);
    cv.Rectangle(0, 0, width(), height());

    PaintCaptions(cv, Y0);
    PaintBox(cv);
    if (!FEmpty)
        PaintValue(cv, Y0);
    Present(std::move(bitmap), FTransParent ? cmSrcAnd : cmSrcCopy);
}

// Enabled: one pass in ColorOutText on the background brush. Disabled: an
// engraved look, white at (WhiteX, Y0 + 1) under gray at (X, Y0).
void TNumLab::PaintCaption(TCanvas& cv, const QString& Text, int X, int WhiteX, int Y0)
{
    if (FEnabled) {
        cv.SetFontColor(FColorOutText);
        cv.TextOut(X, Y0, Text);
        return;
    }
    cv.SetBrushStyle(bsClear);
    cv.SetFontColor(DisabledLight);
    cv.TextOut(WhiteX, Y0 + 1, Text);
    cv.SetFontColor(DisabledGray);
    cv.TextOut(X, Y0, Text);
}

void TNumLab::PaintCaptions(TCanvas& cv, int Y0)
{
    const int L = FLeftSpace, B = FLabWidth, W = width();

    int tw = cv.TextWidth(FLeftText);
    switch (FLTAlignment) {
    case taLeftJustify: PaintCaption(cv, FLeftText, 7, 8, Y0); break;
    case taRightJustify: PaintCaption(cv, FLeftText, L - Rim - tw + 3, L - tw - 4, Y0); break;
    case taCenter: PaintCaption(cv, FLeftText, (L - tw) / 2, (L - tw) / 2 + 1, Y0); break;
    }

    tw = cv.TextWidth(FRightText);
    switch (FRTAlignment) {
    case taLeftJustify: PaintCaption(cv, FRightText, L + B + Rim - 1, L + B + 8, Y0); break;
    // The white copy of a right-justified caption sits one pixel left.
    case taRightJustify: PaintCaption(cv, FRightText, W - Rim - tw + 2, W - tw - 7, Y0); break;
    case taCenter: {
        const int x = (W - L - B - tw) / 2 + L + B + 1;
        PaintCaption(cv, FRightText, x, x + 1, Y0);
        break;
    }
    }
}

void TNumLab::PaintBox(TCanvas& cv)
{
    const int L = FLeftSpace, B = FLabWidth, H = height();
    TColor outline = FColGrayLine;
    if (FFrameStyle == fsNone)
        outline = FColorLabBakG;
    else if (FFrameStyle == fsEmbossed)
        outline = FColWhiteLine;
    cv.SetPenColor(outline);
    cv.SetBrushColor(FColorLabBakG);

    if (FFrameStyle == fsNone || FFrameStyle == fsSimple) {
        cv.Rectangle(L, 0, L + B + 2, H);
        return;
    }
    TColor innerTopLeft = FColBlackLine, outerBottomRight = FColWhiteLine; // fsLowered
    switch (FFrameStyle) {
    case fsRaised:
        innerTopLeft = FColWhiteLine;
        outerBottomRight = FColBlackLine;
        break;
    case fsEmbossed: innerTopLeft = outerBottomRight = FColGrayLine; break;
    case fsEngraved: innerTopLeft = outerBottomRight = FColWhiteLine; break;
    default: break;
    }
    cv.Rectangle(L, 0, L + B + 2, H - 1);
    cv.SetPenColor(innerTopLeft);
    cv.MoveTo(L + 1, H - 3);
    cv.LineTo(L + 1, 1);
    cv.LineTo(L + B + 1, 1);
    cv.SetPenColor(outerBottomRight);
    cv.MoveTo(L + 1, H - 1);
    cv.LineTo(L + B + 2, H - 1);
    cv.LineTo(L + B + 2, 0);
}

void TNumLab::PaintValue(TCanvas& cv, int Y0)
{
    const int L = FLeftSpace, B = FLabWidth, H = height();
    const QString text = DisplayText(cv);
    cv.SetFontColor(FEnabled ? FColorLabText : DisabledGray);
    const int tw = cv.TextWidth(text);
    int x = L + 2 + (B - tw) / 2; // taCenter
    if (FAlignment == taLeftJustify)
        x = L + 4;
    else if (FAlignment == taRightJustify)
        x = L + B - 2 - tw;
    // The brush still holds ColorLabBakG from the box.
    cv.TextRect(L + 3, 2, L + B - 1, H - 3, x, Y0, text);
}

void TNumLab::paintEvent(QPaintEvent* event)
{
    if (FTransParent) {
        // The inside of the box is made opaque before the picture is ANDed
        // over the screen.
        const TColor fill = FColorLabText == 0 ? FColorLabBakG : clWhite;
        const QRect box(FLeftSpace + 2, 2, FLabWidth - 2, height() - 4);
        if (box.width() > 0 && box.height() > 0) {
            QPainter p(this);
            p.fillRect(box, QColor::fromRgb(ResolveColor(fill)));
        }
    }
    TSurface::paintEvent(event);
}
