// The dot-matrix label's model: construction, property writers, automatic
// height and centring, copying, the scroll timer and the font hook.
#include "RasterLab.h"

#include "Application.h"

#include <QEvent>
#include <QPalette>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

constexpr int DefaultHeight = 68;
constexpr int TimerId = 1;

int SaturatedAdd(int a, int64_t b)
{
    return int(std::clamp<int64_t>(a + b, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
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
    FCMat = CreateBitFont(&font(), FontColor());
    FFontHooked = true;
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
    FFrameStyle = src->FFrameStyle;
    FLabText = src->FLabText;
    FColorLabBakG = src->FColorLabBakG;
    FColorDotOn = src->FColorDotOn;
    CopySchemeLines(*src);
    Paint();
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

void TRasterLab::SetCharMatrix(const TRDCharMatrix& Value)
{
    FCMat = Value;
    Paint();
}

TColor TRasterLab::FontColor() const
{
    return ColorFromRgb(palette().color(QPalette::WindowText).rgb());
}

void TRasterLab::FontChanged(QObject* /*Sender*/)
{
    FCMat = CreateBitFont(&font(), FontColor());
    if (FAutoHeight)
        AdjustAutoHeight();
    if (FAutoCenter)
        AdjustAutoCenter();
    Paint();
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
    const int64_t h = FrameAllowance() + (int64_t(FDotSize) + FDotSpacing) * FCMat.FontHeight;
    resize(width(), int(std::clamp<int64_t>(h, 0, QWIDGETSIZE_MAX)));
}

void TRasterLab::AdjustAutoCenter()
{
    FXPos = SaturatedAdd((width() - int64_t(CalcTextBitLength(FLabText))) / 2, FrameAllowance() + 1);
}

// --- property writers ------------------------------------------------------

void TRasterLab::SetAutoHeight(bool Value)
{
    if (Value == FAutoHeight)
        return;
    FAutoHeight = Value;
    if (FAutoHeight)
        AdjustAutoHeight();
    Paint();
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
}

void TRasterLab::SetColorLabBakG(TColor Value)
{
    if (Value == FColorLabBakG)
        return;
    FColorLabBakG = Value;
    Paint();
}

void TRasterLab::SetColorDotOn(TColor Value)
{
    if (Value == FColorDotOn)
        return;
    FColorDotOn = Value;
    Paint();
}

void TRasterLab::SetColorDotOff(TColor Value)
{
    if (Value == FColorDotOff)
        return;
    FColorDotOff = Value;
    Paint();
}

void TRasterLab::SetColorScheme(TColorScheme Value)
{
    if (StoreColorScheme(Value))
        Paint();
}

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
}

void TRasterLab::SetFrameStyle(TFrameStyle Value)
{
    if (Value == FFrameStyle)
        return;
    FFrameStyle = Value;
    Paint();
}

void TRasterLab::SetXPos(int Value)
{
    if (Value == FXPos)
        return;
    FXPos = Value;
    Paint();
}

void TRasterLab::SetYPos(int Value)
{
    if (Value == FYPos)
        return;
    FYPos = Value;
    Paint();
}

void TRasterLab::SetProportional(bool Value)
{
    if (Value == FProportional)
        return;
    FProportional = Value;
    Paint();
}

void TRasterLab::SetCharBlockMode(TRDBlockMode Value)
{
    if (Value == FCharBlockMode)
        return;
    FCharBlockMode = Value;
    Paint();
}

void TRasterLab::SetLabText(const QString& Value)
{
    if (Value == FLabText)
        return;
    FLabText = Value;
    if (FAutoCenter)
        AdjustAutoCenter();
    Paint();
}

void TRasterLab::SetScrollLoop(bool Value)
{
    FScrollLoop = Value;
    Paint();
}

// --- scrolling -------------------------------------------------------------

void TRasterLab::SetScrollMode(TRDScrollMode Value)
{
    if (Value == FScrollMode)
        return;
    FScrollMode = Value;
    FScrTimerEnabled = Value != rdsmOff;
    UpdateTimer();
    if (Value == rdsmOff) {
        FScrollPosX = 0;
        FScrollPosY = 0;
        Paint();
    }
}

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
    if (Value == FScrollInc)
        return;
    // The direction comes from the mode alone.
    FScrollInc = Value == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : std::abs(Value);
    UpdateTimer();
}

void TRasterLab::SetOnScrollTimer(TNotifyEvent Value)
{
    FOnScrollTimer = std::move(Value);
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
    const int64_t textHeight = pitch * FCMat.FontHeight;
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
            FScrollPosX = SaturatedAdd(0, -int64_t(FTextBitLength));
            DoScrLoopRestart();
        }
        break;
    case rdsmDown:
        FScrollPosY = SaturatedAdd(FScrollPosY, FScrollInc);
        if (FScrollLoop && FScrollPosY > height()) {
            FScrollPosY = SaturatedAdd(0, -textHeight);
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
}

void TRasterLab::DoScrLoopRestart()
{
    if (OnScrollLoopRestart)
        OnScrollLoopRestart(this);
}
