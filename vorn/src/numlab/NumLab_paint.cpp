// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The label's picture: background, captions, the framed box and the value,
// composed off-screen and shown in one copy, opaque or ANDed over the parent.
#include "NumLab_p.h"

#include "Accessible_p.h"

#include <QMetaMethod>
#include <QPainter>

namespace vorn {

namespace {

// The caption offsets are built from this margin.
constexpr int Rim = 8;

} // namespace

void TNumLab::Paint()
{
    // A hidden label still paints in a form designer.
    if (!Visible() && !Designing())
        return;
    if (!ComposeNow()) {
        // The text hook belongs to every paint, also one whose picture is
        // composed later (when Qt paints the label, or off screen when it is
        // read); so does telling a screen reader the new text. The picture
        // then shows the text this paint made, without a second hook call.
        const bool hook = OnBeforeDisplay || isSignalConnected(QMetaMethod::fromSignal(&TNumLab::beforeDisplay));
        if ((!FEmpty && hook) || vornaccess::Listening()) {
            NoteShown(DisplayText());
            FShownPending = true;
        } else {
            FShownKnown = false;
            FShownPending = false;
        }
        return;
    }
    // The fit check measures the text as the picture's canvas does (the
    // label's font at 96 dots per inch, whatever the ratio): its width
    // places the text without shaping it once more.
    int textWidth = -1;
    const QString text =
        FEmpty ? QString() : (FShownPending && FShownKnown ? FShown : MeasuredDisplayText(&textWidth));
    FShownPending = false;
    NoteShown(text);
    // Every pixel is painted below, once: the picture's old pixels need no
    // clearing.
    QImage bitmap = ReusedPicture();
    if (bitmap.isNull()) {
        Present(bitmap);
        return;
    }
    TCanvas cv(bitmap, palette());
    cv.SetFont(font());
    const int Y0 = (height() - cv.TextHeight(TextHeightProbe)) / 2;

    // A transparent label's white background leaves the parent's pixels as
    // they are under the AND copy.
    const TColor background = FTransParent ? clWhite : FColorOutBakG;
    PaintBackground(cv, background);

    PaintCaptions(cv, Y0);
    PaintBox(cv);
    if (!FEmpty)
        PaintValue(cv, Y0, text, textWidth);
    Present(std::move(bitmap), FTransParent ? cmSrcAnd : cmSrcCopy);
}

// The background everywhere but inside the value box, which the box fills.
void TNumLab::PaintBackground(TCanvas& cv, TColor background)
{
    const int W = width(), H = height();
    cv.SetPenColor(background);
    cv.SetBrushColor(background);
    const QRect in = LabelBox(*this).Inside(FFrameStyle);
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
void TNumLab::PaintCaption(TCanvas& cv, const QString& Text, int X, int Y0, int LightDx)
{
    DrawCaption(cv, FEnabled, FColorOutText, X, Y0, Text, {.LightDx = LightDx});
}

void TNumLab::PaintCaptions(TCanvas& cv, int Y0)
{
    const int L = FLeftSpace, B = FLabWidth, W = width();

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

void TNumLab::PaintBox(TCanvas& cv)
{
    LabelBox(*this).Draw(cv, FFrameStyle, FrameLinesOf(FColBlackLine, FColGrayLine, FColWhiteLine), FColorLabBakG);
}

// `width` is the text's width when it is known, else -1.
void TNumLab::PaintValue(TCanvas& cv, int Y0, const QString& text, int width)
{
    // The disabled value is plain gray, without a white copy.
    cv.SetFontColor(FEnabled ? FColorLabText : clGray);
    // The inside of the box holds ColorLabBakG already: the text goes on it
    // without filling its place again.
    cv.SetBrushStyle(bsClear);
    LabelBox(*this).DrawText(cv, FAlignment, Y0, text, width >= 0 ? width : cv.TextWidth(text));
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
            p.fillRect(box, QColor::fromRgb(ResolveColor(fill, palette())));
        }
    }
    TSurface::paintEvent(event);
}

} // namespace vorn
