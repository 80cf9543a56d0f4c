// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Painting of the dot-matrix label: fill, raster of dimmed dots, text, frame,
// composed off-screen and shown in one step.
#include "RasterLabCore_p.h"

#include "RecentCache_p.h"
#include "Saturate_p.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace vorn {

namespace {

// One-pixel strokes in the pen colour; an empty range draws nothing.
void HLine(TCanvas& cv, int y, int x0, int x1)
{
    if (x1 < x0)
        return;
    cv.MoveTo(x0, y);
    cv.LineTo(x1 + 1, y);
}

void VLine(TCanvas& cv, int x, int y0, int y1)
{
    if (y1 < y0)
        return;
    cv.MoveTo(x, y0);
    cv.LineTo(x, y1 + 1);
}

void Outline(TCanvas& cv, int a, int b, int c, int d)
{
    HLine(cv, b, a, c);
    HLine(cv, d, a, c);
    VLine(cv, a, b, d);
    VLine(cv, c, b, d);
}

} // namespace

// The cached fill and raster, then the lit dots and the frame over them.
QImage TRasterLabCore::Compose(qreal ratio)
{
    const QSize size = FHost.Size();
    const int W = size.width(), H = size.height();
    const QPalette pal = FHost.Palette();
    const int64_t X0 = int64_t(FXPos) + FScrollPosX;
    const int64_t Y0 = int64_t(FYPos) + FScrollPosY;
    // Shares the cached raster's rows until the canvas takes them: one copy.
    QImage picture = Raster(W, H, ratio, X0, Y0, pal);
    TCanvas cv(picture, pal);
    PaintString(cv, FCMat->Matrix, ClampCoord(X0), ClampCoord(Y0), FLabText, FDotSize, FDotSpacing, FColorDotOn,
                FColorDotOff, FColorLabBakG, FCharBlockMode, FProportional, FTextBitLength);
    PaintFrame(cv, W, H);
    return picture;
}

void TRasterLabCore::NoteTextLength()
{
    FTextBitLength = SaturatedAdd(CalcTextBitLength(FLabText), 1);
}

// Everything the fill and the raster depend on. The raster follows the text
// only by its offset within one pitch; without a raster only the fill counts.
TRasterLabCore::TRasterKey TRasterLabCore::RasterKey(int W, int H, qreal Ratio, int64_t X0, int64_t Y0,
                                                     const QPalette& pal) const
{
    TRasterKey key;
    key.W = W;
    key.H = H;
    key.Ratio = Ratio;
    key.Framed = FFrameStyle != fsNone;
    if (FCharBlockMode == rdbmOff) {
        key.Fill = ResolveColor(FColorLabBakG, pal);
        return key;
    }
    const int pitch = FDotSize + FDotSpacing;
    key.Fill = ResolveColor(FColorDotOff, pal);
    key.Lines = ResolveColor(FColorLabBakG, pal);
    key.DotSize = FDotSize;
    key.DotSpacing = FDotSpacing;
    key.OffsetX = int(X0 % pitch);
    key.OffsetY = int(Y0 % pitch);
    return key;
}

// The fill and the raster on a new white picture of the control's size at
// Ratio (what NewPicture gives at the widget's ratio), composed when no
// label has one of that key and reused until then. The rasters are shared by
// all labels and the last few kept: the dot-matrix pair of bench_pairs shows
// the reuse halves a paint, and labels alike (same size, colours and dots)
// share one picture instead of holding one each (bench_memory).
QImage TRasterLabCore::Raster(int W, int H, qreal Ratio, int64_t X0, int64_t Y0, const QPalette& pal)
{
    static TRecentCache<TRasterKey, QImage, 8> made;
    return made.Get(RasterKey(W, H, Ratio, X0, Y0, pal), [&] {
        QImage raster = NewBitmap(W, H, Ratio);
        {
            TCanvas cv(raster, pal);
            PaintFill(cv, W, H);
            if (FCharBlockMode != rdbmOff)
                PaintRaster(cv, W, H, X0, Y0);
        }
        return raster;
    });
}

// The whole inside in the dimmed-dot colour (the background without a raster);
// a frame keeps the outer ring out of the fill.
void TRasterLabCore::PaintFill(TCanvas& cv, int W, int H) const
{
    const TColor fill = FCharBlockMode == rdbmOff ? FColorLabBakG : FColorDotOff;
    cv.SetPenColor(fill);
    cv.SetBrushColor(fill);
    if (FFrameStyle == fsNone)
        cv.Rectangle(0, 0, W, H);
    else
        cv.Rectangle(1, 1, W - 1, H - 1);
}

// Background lines between the dot rows and dot columns leave the dimmed dots
// standing, aligned with the text's dots.
void TRasterLabCore::PaintRaster(TCanvas& cv, int W, int H, int64_t X0, int64_t Y0) const
{
    const int pitch = FDotSize + FDotSpacing;
    const int ox = int(X0 % pitch), oy = int(Y0 % pitch);
    cv.SetPenColor(FColorLabBakG);
    cv.SetBrushColor(FColorLabBakG);
    for (int k = 0; k <= H / pitch + 1; ++k)
        for (int s = 1; s <= FDotSpacing; ++s) {
            const int y = oy + k * pitch - FDotSpacing - 1 + s;
            cv.MoveTo(0, y);
            cv.LineTo(W, y);
        }
    for (int k = 0; k <= W / pitch + 1; ++k)
        for (int s = 1; s <= FDotSpacing; ++s) {
            const int x = ox + k * pitch - FDotSpacing - 1 + s;
            cv.MoveTo(x, 0);
            cv.LineTo(x, H);
        }
}

// The frame over everything, later strokes over earlier ones. A few outer
// corner pixels stay as the picture had them.
void TRasterLabCore::PaintFrame(TCanvas& cv, int W, int H) const
{
    switch (FFrameStyle) {
    case fsNone: break;
    case fsSimple:
        cv.SetPenColor(FColGrayLine);
        Outline(cv, 0, 0, W - 1, H - 1);
        break;
    case fsLowered:
    case fsRaised: {
        const bool lowered = FFrameStyle == fsLowered;
        cv.SetPenColor(lowered ? FColBlackLine : FColWhiteLine);
        VLine(cv, 1, 2, H - 3);
        HLine(cv, 1, 1, W - 3);
        cv.SetPenColor(lowered ? FColWhiteLine : FColBlackLine);
        HLine(cv, H - 1, lowered ? 2 : 0, W - 2);
        VLine(cv, W - 1, 1, H - 1);
        cv.SetPenColor(FColGrayLine);
        Outline(cv, 0, 0, W - 2, H - 2);
        break;
    }
    case fsEmbossed:
    case fsEngraved: {
        const bool embossed = FFrameStyle == fsEmbossed;
        cv.SetPenColor(embossed ? FColGrayLine : FColWhiteLine);
        Outline(cv, 1, 1, W - 1, H - 1);
        cv.SetPenColor(embossed ? FColWhiteLine : FColGrayLine);
        Outline(cv, 0, 0, W - 2, H - 2);
        break;
    }
    }
}

} // namespace vorn
