// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The dot-matrix label's model: property writers, automatic height and
// centring, copying, the scroll steps and the font's matrix, and the natural
// size.
#include "RasterLabCore_p.h"

#include "RecentCache_p.h"
#include "Saturate_p.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vorn {

namespace {

// The largest size a host takes (Qt's QWIDGETSIZE_MAX).
constexpr int64_t MaxSize = (1 << 24) - 1;

// The matrices made from fonts, shared by every label of the same font and
// colour: a label holds a reference instead of its own 33 KB copy. The few
// made last are kept (bench_memory: 300 labels of one font then cost one
// matrix); the others live as long as a label uses them.
QExplicitlySharedDataPointer<TRDSharedMatrix> SharedBitFont(const QFont& font, TColor color)
{
    static TRecentCache<std::pair<QString, TColor>, QExplicitlySharedDataPointer<TRDSharedMatrix>, 4> made;
    return made.Get({font.key(), color}, [&] {
        QExplicitlySharedDataPointer<TRDSharedMatrix> matrix(new TRDSharedMatrix);
        matrix->Matrix = TRasterLabCore::CreateBitFont(&font, color);
        return matrix;
    });
}

// Pixels the frame covers on each side as it is drawn: one ring, or two.
int64_t FrameWidth(TFrameStyle fs)
{
    switch (fs) {
    case fsNone: return 0;
    case fsSimple: return 1;
    default: return 2;
    }
}

QSize Clamped(int64_t w, int64_t h)
{
    return {int(std::clamp<int64_t>(w, 0, MaxSize)), int(std::clamp<int64_t>(h, 0, MaxSize))};
}

} // namespace

// --- copying ---------------------------------------------------------------

bool TRasterLabCore::CopyFrom(const TRasterLabCore& src)
{
    const QString before = FLabText;
    FFrameStyle = src.FFrameStyle;
    FLabText = src.FLabText;
    FColorLabBakG = src.FColorLabBakG;
    FColorDotOn = src.FColorDotOn;
    CopySchemeLines(src);
    PaintAndRelayout();
    return FLabText != before;
}

// --- matrix and font -------------------------------------------------------

// A matrix is not compared: every write stores and repaints.
void TRasterLabCore::SetCharMatrix(const TRDCharMatrix& Value)
{
    FCMat = new TRDSharedMatrix;
    FCMat->Matrix = Value;
    PaintAndRelayout();
}

TColor TRasterLabCore::FontColor() const
{
    return ColorFromRgb(ResolveColor(clWindowText, FHost.Palette()));
}

void TRasterLabCore::FollowFont()
{
    FCMat = SharedBitFont(FHost.Font(), FontColor());
}

void TRasterLabCore::FontChanged()
{
    FollowFont();
    if (FAutoHeight)
        AdjustAutoHeight();
    if (FAutoCenter)
        AdjustAutoCenter();
    PaintAndRelayout();
}

// --- layout ----------------------------------------------------------------

void TRasterLabCore::PaintAndRelayout()
{
    FHost.Paint();
    FHost.SizeHintChanged();
}

int TRasterLabCore::FrameAllowance() const
{
    switch (FFrameStyle) {
    case fsNone: return 0;
    case fsEmbossed:
    case fsEngraved: return 2;
    default: return 1;
    }
}

void TRasterLabCore::AdjustAutoHeight()
{
    const int64_t h = FrameAllowance() + (int64_t(FDotSize) + FDotSpacing) * FCMat->Matrix.FontHeight;
    FHost.Resize(QSize(FHost.Size().width(), int(std::clamp<int64_t>(h, 0, MaxSize))));
}

void TRasterLabCore::AdjustAutoCenter()
{
    FXPos = ClampToInt((FHost.Size().width() - int64_t(CalcTextBitLength(FLabText))) / 2 + FrameAllowance() + 1);
}

// Across: the text's length (each character with the blank dot column after
// it) from PosX, then the frame as drawn. AutoCenter puts the text at
// (W - length) div 2 + allowance + 1 (the frame allowance of AutoHeight), so
// W = length + 2 * (allowance + frame + 1) leaves the frame clear after it.
// Down: the dot rows from PosY, the last row's spacing dropped, then the
// frame; or what AutoHeight sets.
QSize TRasterLabCore::SizeHint() const
{
    const int64_t fa = FrameAllowance(), fw = FrameWidth(FFrameStyle);
    const int64_t pitch = int64_t(FDotSize) + FDotSpacing;
    const int64_t length = CalcTextBitLength(FLabText);
    const int64_t rows = pitch * FCMat->Matrix.FontHeight;
    const int64_t w = FAutoCenter ? length + 2 * (fa + fw + 1) : std::max(FXPos, 0) + length + fw;
    const int64_t h = FAutoHeight ? fa + rows : std::max(FYPos, 0) + rows - FDotSpacing + fw;
    return Clamped(w, h);
}

// A text that scrolls sideways is shown in passing: across, the frame and
// one character cell are enough. Otherwise the least is the natural size.
QSize TRasterLabCore::MinimumSizeHint() const
{
    QSize s = SizeHint();
    if (FScrollMode == rdsmLeft || FScrollMode == rdsmRight) {
        const int64_t cell = (int64_t(FDotSize) + FDotSpacing) * FCMat->Matrix.FontWidth;
        s.setWidth(std::min(s.width(), Clamped(2 * FrameWidth(FFrameStyle) + cell, 0).width()));
    }
    return s;
}

// --- property writers ------------------------------------------------------

// The writers store a changed value and paint it at once; an equal value
// changes nothing. Those that differ say how: AutoHeight, AutoCenter, the
// dot geometry and the text fit height or centring to the change before the
// paint, and the scroll settings paint only where the picture changes.
// Writers of what the natural size reads also tell the layout when they
// change.

void TRasterLabCore::SetAutoHeight(bool Value)
{
    if (Value == FAutoHeight)
        return;
    FAutoHeight = Value;
    if (FAutoHeight)
        AdjustAutoHeight();
    PaintAndRelayout();
}

void TRasterLabCore::SetAutoCenter(bool Value)
{
    if (Value == FAutoCenter)
        return;
    FAutoCenter = Value;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FXPos = 1;
    PaintAndRelayout();
}

void TRasterLabCore::SetColorLabBakG(TColor Value)
{
    StoreAndPaint(FHost, FColorLabBakG, Value);
}

void TRasterLabCore::SetColorDotOn(TColor Value)
{
    StoreAndPaint(FHost, FColorDotOn, Value);
}

void TRasterLabCore::SetColorDotOff(TColor Value)
{
    StoreAndPaint(FHost, FColorDotOff, Value);
}

void TRasterLabCore::SetColorScheme(TColorScheme Value)
{
    if (StoreColorScheme(Value))
        FHost.Paint();
}

// The dot geometry is limited before the comparison; a change fits height
// and centring to the new pitch before the paint.
void TRasterLabCore::SetDotSpacing(int Value)
{
    Value = std::clamp(Value, 0, 3);
    if (Value == FDotSpacing)
        return;
    FDotSpacing = Value;
    if (FAutoHeight)
        AdjustAutoHeight();
    if (FAutoCenter)
        AdjustAutoCenter();
    PaintAndRelayout();
}

void TRasterLabCore::SetDotSize(int Value)
{
    Value = std::clamp(Value, 1, 32);
    if (Value == FDotSize)
        return;
    FDotSize = Value;
    if (FAutoHeight)
        AdjustAutoHeight();
    if (FAutoCenter)
        AdjustAutoCenter();
    PaintAndRelayout();
}

void TRasterLabCore::SetFrameStyle(TFrameStyle Value)
{
    if (StoreAndPaint(FHost, FFrameStyle, Value))
        FHost.SizeHintChanged();
}

void TRasterLabCore::SetXPos(int Value)
{
    if (StoreAndPaint(FHost, FXPos, Value))
        FHost.SizeHintChanged();
}

void TRasterLabCore::SetYPos(int Value)
{
    if (StoreAndPaint(FHost, FYPos, Value))
        FHost.SizeHintChanged();
}

void TRasterLabCore::SetProportional(bool Value)
{
    if (StoreAndPaint(FHost, FProportional, Value))
        FHost.SizeHintChanged();
}

void TRasterLabCore::SetCharBlockMode(TRDBlockMode Value)
{
    StoreAndPaint(FHost, FCharBlockMode, Value);
}

bool TRasterLabCore::SetLabText(const QString& Value)
{
    if (Value == FLabText)
        return false;
    FLabText = Value;
    if (FAutoCenter)
        AdjustAutoCenter();
    PaintAndRelayout();
    return true;
}

// Skips the comparison: every write repaints, an equal one too, although
// the flag does not show in the picture; the label has always answered this
// write with a paint, and callers may count on it as a refresh.
void TRasterLabCore::SetScrollLoop(bool Value)
{
    FScrollLoop = Value;
    FHost.Paint();
}

// --- scrolling -------------------------------------------------------------

// A new mode restarts or stops the timer. Only the stop paints, showing the
// text back at its place; a moving mode shows itself at the next tick.
void TRasterLabCore::SetScrollMode(TRDScrollMode Value)
{
    if (Value == FScrollMode)
        return;
    FScrollMode = Value;
    // In a form designer the label never scrolls.
    if (!FScroll.Designing())
        FScrTimerEnabled = Value != rdsmOff;
    FHost.SizeHintChanged();
    UpdateTimer();
    if (Value == rdsmOff) {
        FScrollPosX = 0;
        FScrollPosY = 0;
        FHost.Paint();
    }
}

// Interval and step are timing only: limited, compared, stored and the timer
// restarted, with no paint.
void TRasterLabCore::SetScrollIv(int Value)
{
    if (Value < 10)
        Value = 10;
    if (Value == FScrollIv)
        return;
    FScrollIv = Value;
    UpdateTimer();
}

void TRasterLabCore::SetScrollInc(int Value)
{
    if (Value == 0)
        Value = 1;
    // Compared before the sign is dropped: the direction comes from the mode
    // alone.
    if (Value == FScrollInc)
        return;
    FScrollInc = ClampToInt(std::abs(int64_t(Value)));
    UpdateTimer();
}

// Placed in a form designer the label stops scrolling; taken out of it, it
// scrolls by its mode again.
void TRasterLabCore::DesigningChanged()
{
    FScrTimerEnabled = !FScroll.Designing() && FScrollMode != rdsmOff;
    UpdateTimer();
}

void TRasterLabCore::UpdateTimer()
{
    FScroll.StopScrollTimer();
    if (FScrollIv > 0 && FScrollMode != rdsmOff && FScrTimerEnabled)
        FScroll.StartScrollTimer(FScrollIv);
}

void TRasterLabCore::ScrollStep()
{
    const QSize size = FHost.Size();
    const int64_t pitch = int64_t(FDotSize) + FDotSpacing;
    const int64_t textHeight = pitch * FCMat->Matrix.FontHeight;
    switch (FScrollMode) {
    case rdsmOff:
        FScrTimerEnabled = false;
        FScrollPosX = 0;
        FScrollPosY = 0;
        break;
    case rdsmLeft:
        FScrollPosX = SaturatedAdd(FScrollPosX, -int64_t(FScrollInc));
        if (FScrollLoop && FScrollPosX < -int64_t(FTextBitLength)) {
            FScrollPosX = size.width();
            FScroll.ScrollLoopRestarted();
        }
        break;
    case rdsmRight:
        FScrollPosX = SaturatedAdd(FScrollPosX, FScrollInc);
        if (FScrollLoop && FScrollPosX > size.width()) {
            FScrollPosX = ClampToInt(-int64_t(FTextBitLength));
            FScroll.ScrollLoopRestarted();
        }
        break;
    case rdsmDown:
        FScrollPosY = SaturatedAdd(FScrollPosY, FScrollInc);
        if (FScrollLoop && FScrollPosY > size.height()) {
            FScrollPosY = ClampToInt(-textHeight);
            FScroll.ScrollLoopRestarted();
        }
        break;
    case rdsmUp:
        FScrollPosY = SaturatedAdd(FScrollPosY, -int64_t(FScrollInc));
        if (FScrollLoop && FScrollPosY < -textHeight) {
            FScrollPosY = size.height();
            FScroll.ScrollLoopRestarted();
        }
        break;
    }
    FHost.Paint();
}

} // namespace vorn
