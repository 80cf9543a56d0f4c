// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The dot-matrix label's model: construction, property writers, automatic
// height and centring, copying, the scroll timer and the font hook.
#include "RasterLab_p.h"

#include "Accessible_p.h"
#include "Application.h"
#include "RecentCache_p.h"
#include "Saturate_p.h"

#include <QEvent>
#include <QPalette>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace vorn {

namespace {

constexpr int DefaultHeight = 68;
constexpr int TimerId = 1;

// The matrices made from fonts, shared by every label of the same font and
// colour: a label holds a reference instead of its own 33 KB copy. The few
// made last are kept (bench_memory: 300 labels of one font then cost one
// matrix); the others live as long as a label uses them.
QExplicitlySharedDataPointer<TRDSharedMatrix> SharedBitFont(const QFont& font, TColor color)
{
    static TRecentCache<std::pair<QString, TColor>, QExplicitlySharedDataPointer<TRDSharedMatrix>, 4> made;
    return made.Get({font.key(), color}, [&] {
        QExplicitlySharedDataPointer<TRDSharedMatrix> matrix(new TRDSharedMatrix);
        matrix->Matrix = TRasterLab::CreateBitFont(&font, color);
        return matrix;
    });
}

} // namespace

TRasterLab::TRasterLab(QWidget* parent) : TSurface(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(rasterlab::defLabelWidth, DefaultHeight);
    FScrTimerHandle = new TMessageTimer([this](int) { DoTimer(); }, this);
    // The font is the control's own from the start: set before the change
    // hook is in place, so it does not count as a change.
    setFont(QFont(QStringLiteral("default"), 8));
    FCMat = SharedBitFont(font(), FontColor());
    FFontHooked = true;
    vornaccess::Attach(this);
}

TRasterLab::~TRasterLab()
{
    // The hidden window goes first and ends its timer with it.
    delete FScrTimerHandle;
    FScrTimerHandle = nullptr;
}

// --- copying ---------------------------------------------------------------

void TRasterLab::Assign(QObject* Source)
{
    auto* src = qobject_cast<TRasterLab*>(Source);
    if (!src)
        ThrowCannotAssign(ClassNameOf(Source), ClassNameOf(this));
    const QString before = FLabText;
    FFrameStyle = src->FFrameStyle;
    FLabText = src->FLabText;
    FColorLabBakG = src->FColorLabBakG;
    FColorDotOn = src->FColorDotOn;
    CopySchemeLines(*src);
    Paint();
    updateGeometry();
    if (FLabText != before)
        Q_EMIT textChanged(FLabText);
}

void TRasterLab::AssignTo(QObject* Dest)
{
    auto* dest = qobject_cast<TRasterLab*>(Dest);
    if (dest && metaObject()->inherits(Dest->metaObject())) {
        dest->Assign(this);
        return;
    }
    ThrowCannotAssign(ClassNameOf(this), ClassNameOf(Dest));
}

// --- matrix and font -------------------------------------------------------

// A matrix is not compared: every write stores and repaints.
void TRasterLab::SetCharMatrix(const TRDCharMatrix& Value)
{
    FCMat = new TRDSharedMatrix;
    FCMat->Matrix = Value;
    Paint();
    updateGeometry();
}

TColor TRasterLab::FontColor() const
{
    return ColorFromRgb(ResolveColor(clWindowText, palette()));
}

void TRasterLab::FontChanged(QObject* /*Sender*/)
{
    FCMat = SharedBitFont(font(), FontColor());
    if (FAutoHeight)
        AdjustAutoHeight();
    if (FAutoCenter)
        AdjustAutoCenter();
    Paint();
    updateGeometry();
}

void TRasterLab::changeEvent(QEvent* event)
{
    TSurface::changeEvent(event);
    // The font's face and its colour (the palette's window text) make the
    // matrix.
    if (FFontHooked && (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange))
        GuardedCall(this, [this] { FontChanged(this); });
}

// --- layout ----------------------------------------------------------------

int TRasterLab::FrameAllowance() const
{
    switch (FFrameStyle) {
    case fsNone: return 0;
    case fsEmbossed:
    case fsEngraved: return 2;
    default: return 1;
    }
}

void TRasterLab::AdjustAutoHeight()
{
    const int64_t h = FrameAllowance() + (int64_t(FDotSize) + FDotSpacing) * FCMat->Matrix.FontHeight;
    resize(width(), int(std::clamp<int64_t>(h, 0, QWIDGETSIZE_MAX)));
}

void TRasterLab::AdjustAutoCenter()
{
    FXPos = ClampToInt((width() - int64_t(CalcTextBitLength(FLabText))) / 2 + FrameAllowance() + 1);
}

// --- property writers ------------------------------------------------------

// The writers store a changed value and paint it at once; an equal value
// changes nothing. Those that differ say how: AutoHeight, AutoCenter, the
// dot geometry and the text fit height or centring to the change before the
// paint, and the scroll settings paint only where the picture changes.
// Writers of what sizeHint() reads also tell the layout when they change.

void TRasterLab::SetAutoHeight(bool Value)
{
    if (Value == FAutoHeight)
        return;
    FAutoHeight = Value;
    if (FAutoHeight)
        AdjustAutoHeight();
    Paint();
    updateGeometry();
}

void TRasterLab::SetAutoCenter(bool Value)
{
    if (Value == FAutoCenter)
        return;
    FAutoCenter = Value;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FXPos = 1;
    Paint();
    updateGeometry();
}

void TRasterLab::SetColorLabBakG(TColor Value)
{
    StoreAndPaint(FColorLabBakG, Value);
}

void TRasterLab::SetColorDotOn(TColor Value)
{
    StoreAndPaint(FColorDotOn, Value);
}

void TRasterLab::SetColorDotOff(TColor Value)
{
    StoreAndPaint(FColorDotOff, Value);
}

void TRasterLab::SetColorScheme(TColorScheme Value)
{
    if (StoreColorScheme(Value))
        Paint();
}

// The dot geometry is limited before the comparison; a change fits height
// and centring to the new pitch before the paint.
void TRasterLab::SetDotSpacing(int Value)
{
    Value = std::clamp(Value, 0, 3);
    if (Value == FDotSpacing)
        return;
    FDotSpacing = Value;
    if (FAutoHeight)
        AdjustAutoHeight();
    if (FAutoCenter)
        AdjustAutoCenter();
    Paint();
    updateGeometry();
}

void TRasterLab::SetDotSize(int Value)
{
    Value = std::clamp(Value, 1, 32);
    if (Value == FDotSize)
        return;
    FDotSize = Value;
    if (FAutoHeight)
        AdjustAutoHeight();
    if (FAutoCenter)
        AdjustAutoCenter();
    Paint();
    updateGeometry();
}

void TRasterLab::SetFrameStyle(TFrameStyle Value)
{
    if (StoreAndPaint(FFrameStyle, Value))
        updateGeometry();
}

void TRasterLab::SetXPos(int Value)
{
    if (StoreAndPaint(FXPos, Value))
        updateGeometry();
}

void TRasterLab::SetYPos(int Value)
{
    if (StoreAndPaint(FYPos, Value))
        updateGeometry();
}

void TRasterLab::SetProportional(bool Value)
{
    if (StoreAndPaint(FProportional, Value))
        updateGeometry();
}

void TRasterLab::SetCharBlockMode(TRDBlockMode Value)
{
    StoreAndPaint(FCharBlockMode, Value);
}

void TRasterLab::SetLabText(const QString& Value)
{
    if (Value == FLabText)
        return;
    FLabText = Value;
    if (FAutoCenter)
        AdjustAutoCenter();
    Paint();
    updateGeometry();
    Q_EMIT textChanged(FLabText);
}

// Skips the comparison: every write repaints, an equal one too, although
// the flag does not show in the picture; the label has always answered this
// write with a paint, and callers may count on it as a refresh.
void TRasterLab::SetScrollLoop(bool Value)
{
    FScrollLoop = Value;
    Paint();
}

// --- scrolling -------------------------------------------------------------

// A new mode restarts or stops the timer. Only the stop paints, showing the
// text back at its place; a moving mode shows itself at the next tick.
void TRasterLab::SetScrollMode(TRDScrollMode Value)
{
    if (Value == FScrollMode)
        return;
    FScrollMode = Value;
    // In a form designer the label never scrolls.
    if (!Designing())
        FScrTimerEnabled = Value != rdsmOff;
    updateGeometry();
    UpdateTimer();
    if (Value == rdsmOff) {
        FScrollPosX = 0;
        FScrollPosY = 0;
        Paint();
    }
}

// Interval and step are timing only: limited, compared, stored and the timer
// restarted, with no paint.
void TRasterLab::SetScrollIv(int Value)
{
    if (Value < 10)
        Value = 10;
    if (Value == FScrollIv)
        return;
    FScrollIv = Value;
    UpdateTimer();
}

void TRasterLab::SetScrollInc(int Value)
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

void TRasterLab::SetOnScrollTimer(TNotifyEvent Value)
{
    FOnScrollTimer = std::move(Value);
    UpdateTimer();
}

// Placed in a form designer the label stops scrolling; taken out of it, it
// scrolls by its mode again.
void TRasterLab::DesigningChanged()
{
    FScrTimerEnabled = !Designing() && FScrollMode != rdsmOff;
    UpdateTimer();
}

void TRasterLab::UpdateTimer()
{
    FScrTimerHandle->KillTimer(TimerId);
    if (FScrollIv > 0 && FScrollMode != rdsmOff && FScrTimerEnabled) {
        if (!FScrTimerHandle->SetTimer(TimerId, FScrollIv))
            throw EVornRasterLabError(QStringLiteral("Component \"%1\": no timer available").arg(objectName()));
    }
}

void TRasterLab::ScrollTimerEvent(QObject* /*Sender*/)
{
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
            FScrollPosX = width();
            DoScrLoopRestart();
        }
        break;
    case rdsmRight:
        FScrollPosX = SaturatedAdd(FScrollPosX, FScrollInc);
        if (FScrollLoop && FScrollPosX > width()) {
            FScrollPosX = ClampToInt(-int64_t(FTextBitLength));
            DoScrLoopRestart();
        }
        break;
    case rdsmDown:
        FScrollPosY = SaturatedAdd(FScrollPosY, FScrollInc);
        if (FScrollLoop && FScrollPosY > height()) {
            FScrollPosY = ClampToInt(-textHeight);
            DoScrLoopRestart();
        }
        break;
    case rdsmUp:
        FScrollPosY = SaturatedAdd(FScrollPosY, -int64_t(FScrollInc));
        if (FScrollLoop && FScrollPosY < -textHeight) {
            FScrollPosY = height();
            DoScrLoopRestart();
        }
        break;
    }
    Paint();
}

void TRasterLab::DoTimer()
{
    ScrollTimerEvent(this);
    if (FOnScrollTimer)
        FOnScrollTimer(this);
    Q_EMIT scrollTimer();
}

void TRasterLab::DoScrLoopRestart()
{
    if (OnScrollLoopRestart)
        OnScrollLoopRestart(this);
    Q_EMIT scrollLoopRestarted();
}

} // namespace vorn
