// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The dot-matrix label as a widget: it keeps the label's core
// (RasterLabCore*.cpp), runs its scroll timer and shows what the core
// composes.
#include "RasterLab_p.h"

#include "Accessible_p.h"
#include "Application.h"
#include "vornbase_p.h"

#include <QEvent>

namespace vorn {

namespace {

constexpr int DefaultHeight = 68;
constexpr int TimerId = 1;

} // namespace

TRasterLabPrivate::TRasterLabPrivate(TRasterLab* q)
    : TWidgetHost(q), FScrTimer(std::make_unique<TMessageTimer>([q](int) { q->DoTimer(); }, q))
{
}

void TRasterLabPrivate::PaintLater()
{
    q->MarkStale();
    q->update();
}

void TRasterLabPrivate::StartScrollTimer(int ms)
{
    if (!FScrTimer->SetTimer(TimerId, ms))
        throw EVornRasterLabError(QStringLiteral("Component \"%1\": no timer available").arg(q->objectName()));
}

void TRasterLabPrivate::StopScrollTimer()
{
    FScrTimer->KillTimer(TimerId);
}

TRasterLab::TRasterLab(QWidget* parent) : TSurface(parent), d(std::make_unique<TRasterLabPrivate>(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(rasterlab::defLabelWidth, DefaultHeight);
    // The font is the control's own from the start: set before the change
    // hook is in place, so it does not count as a change.
    setFont(QFont(QStringLiteral("default"), 8));
    d->core.FollowFont();
    d->FFontHooked = true;
    vornaccess::Attach(this);
}

TRasterLab::~TRasterLab()
{
    // The hidden window goes first and ends its timer with it.
    d->FScrTimer.reset();
}

// --- readers ---------------------------------------------------------------

bool TRasterLab::AutoHeight() const { return d->core.AutoHeight(); }
bool TRasterLab::AutoCenter() const { return d->core.AutoCenter(); }
TColor TRasterLab::ColorLabBakG() const { return d->core.ColorLabBakG(); }
TColor TRasterLab::ColorDotOn() const { return d->core.ColorDotOn(); }
TColor TRasterLab::ColorDotOff() const { return d->core.ColorDotOff(); }
TColorScheme TRasterLab::ColorScheme() const { return d->core.ColorScheme(); }
int TRasterLab::DotSpacing() const { return d->core.DotSpacing(); }
int TRasterLab::DotSize() const { return d->core.DotSize(); }
TFrameStyle TRasterLab::FrameStyle() const { return d->core.FrameStyle(); }
int TRasterLab::PosX() const { return d->core.PosX(); }
int TRasterLab::PosY() const { return d->core.PosY(); }
bool TRasterLab::Proportional() const { return d->core.Proportional(); }
TRDScrollMode TRasterLab::ScrollMode() const { return d->core.ScrollMode(); }
int TRasterLab::ScrollInterval() const { return d->core.ScrollInterval(); }
int TRasterLab::ScrollIncrement() const { return d->core.ScrollIncrement(); }
bool TRasterLab::ScrollLoop() const { return d->core.ScrollLoop(); }
TRDBlockMode TRasterLab::CharBlockMode() const { return d->core.CharBlockMode(); }
QString TRasterLab::Text() const { return d->core.Text(); }
const TRasterLab::TNotifyEvent& TRasterLab::OnScrollTimer() const { return d->FOnScrollTimer; }
TMessageTimer* TRasterLab::ScrTimerHandle() const { return d->FScrTimer.get(); }

// --- writers ---------------------------------------------------------------

void TRasterLab::SetAutoHeight(bool Value) { d->core.SetAutoHeight(Value); }
void TRasterLab::SetAutoCenter(bool Value) { d->core.SetAutoCenter(Value); }
void TRasterLab::SetColorLabBakG(TColor Value) { d->core.SetColorLabBakG(Value); }
void TRasterLab::SetColorDotOn(TColor Value) { d->core.SetColorDotOn(Value); }
void TRasterLab::SetColorDotOff(TColor Value) { d->core.SetColorDotOff(Value); }
void TRasterLab::SetColorScheme(TColorScheme Value) { d->core.SetColorScheme(Value); }
void TRasterLab::SetDotSpacing(int Value) { d->core.SetDotSpacing(Value); }
void TRasterLab::SetDotSize(int Value) { d->core.SetDotSize(Value); }
void TRasterLab::SetFrameStyle(TFrameStyle Value) { d->core.SetFrameStyle(Value); }
void TRasterLab::SetXPos(int Value) { d->core.SetXPos(Value); }
void TRasterLab::SetYPos(int Value) { d->core.SetYPos(Value); }
void TRasterLab::SetProportional(bool Value) { d->core.SetProportional(Value); }
void TRasterLab::SetScrollMode(TRDScrollMode Value) { d->core.SetScrollMode(Value); }
void TRasterLab::SetScrollIv(int Value) { d->core.SetScrollIv(Value); }
void TRasterLab::SetScrollInc(int Value) { d->core.SetScrollInc(Value); }
void TRasterLab::SetScrollLoop(bool Value) { d->core.SetScrollLoop(Value); }
void TRasterLab::SetCharBlockMode(TRDBlockMode Value) { d->core.SetCharBlockMode(Value); }

void TRasterLab::SetLabText(const QString& Value)
{
    if (d->core.SetLabText(Value))
        Q_EMIT textChanged(d->core.Text());
}

void TRasterLab::SetOnScrollTimer(TNotifyEvent Value)
{
    d->FOnScrollTimer = std::move(Value);
    d->core.UpdateTimer();
}

// --- copying ---------------------------------------------------------------

void TRasterLab::Assign(QObject* Source)
{
    auto* src = qobject_cast<TRasterLab*>(Source);
    if (!src)
        ThrowCannotAssign(ClassNameOf(Source), ClassNameOf(this));
    if (d->core.CopyFrom(src->d->core))
        Q_EMIT textChanged(d->core.Text());
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

TRDCharMatrix TRasterLab::CreateBitFont(const QFont* Font, TColor FontColor)
{
    return TRasterLabCore::CreateBitFont(Font, FontColor);
}

TRDCharMatrix TRasterLab::CharMatrix() const
{
    return d->core.CharMatrix();
}

void TRasterLab::SetCharMatrix(const TRDCharMatrix& Value)
{
    d->core.SetCharMatrix(Value);
}

void TRasterLab::changeEvent(QEvent* event)
{
    TSurface::changeEvent(event);
    // The font's face and its colour (the palette's window text) make the
    // matrix.
    if (d->FFontHooked && (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange))
        GuardedCall(this, [this] { d->core.FontChanged(); });
}

// --- scrolling -------------------------------------------------------------

void TRasterLab::DesigningChanged()
{
    d->core.DesigningChanged();
}

void TRasterLab::DoTimer()
{
    d->core.ScrollStep();
    if (d->FOnScrollTimer)
        d->FOnScrollTimer(this);
    Q_EMIT scrollTimer();
}

void TRasterLab::DoScrLoopRestart()
{
    if (OnScrollLoopRestart)
        OnScrollLoopRestart(this);
    Q_EMIT scrollLoopRestarted();
}

// --- painting and size -----------------------------------------------------

void TRasterLab::Paint()
{
    // A hidden label still paints in a form designer.
    if (!Visible() && !Designing())
        return;
    if (!ComposeNow()) {
        // The text's length in pixels, which scrolling wraps by, is what
        // every paint leaves, also one that composes nothing off screen.
        d->core.NoteTextLength();
        return;
    }
    Present(Compose(devicePixelRatioF()));
}

QImage TRasterLab::Compose(qreal Ratio)
{
    return d->core.Compose(Ratio);
}

int TRasterLab::PaintChar(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, QChar c, int DotSize,
                          int DotSpacing, TColor ColorFg, TColor ColorFgIA, TColor ColorBg, bool FixedWidth)
{
    return d->core.PaintChar(cv, CMat, PosX, PosY, c, DotSize, DotSpacing, ColorFg, ColorFgIA, ColorBg, FixedWidth);
}

void TRasterLab::PaintString(TCanvas& cv, const TRDCharMatrix& CMat, int PosX, int PosY, const QString& txt,
                             int DotSize, int DotSpacing, TColor ColorFg, TColor ColorFgIA, TColor ColorBg,
                             TRDBlockMode CharBlocks, bool Proportional, int& TextBitLength)
{
    d->core.PaintString(cv, CMat, PosX, PosY, txt, DotSize, DotSpacing, ColorFg, ColorFgIA, ColorBg, CharBlocks,
                        Proportional, TextBitLength);
}

int TRasterLab::CalcTextBitLength(const QString& txt) const
{
    return d->core.CalcTextBitLength(txt);
}

QSize TRasterLab::sizeHint() const
{
    return d->core.SizeHint();
}

QSize TRasterLab::minimumSizeHint() const
{
    return d->core.MinimumSizeHint();
}

} // namespace vorn
