// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The numeric field as a widget: it keeps the field's core (NumIOCore*.cpp),
// turns Qt's events into the core's calls, tells the core's changes as the
// field's events and signals, and shows what the core composes.
#include "NumIO_p.h"

#include "Accessible_p.h"
#include "Application.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

namespace vorn {

using namespace numio;

TNumIO2::TNumIO2(QWidget* parent)
    : TSurface(parent), d(std::make_unique<TNumIO2Private>(this)), ButtonPivots(d->core.ButtonPivots)
{
    resize(160, 28);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // In a layout the field keeps the height of its rows, as a line edit does.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    UpdateTimer();
    vornaccess::Attach(this);
}

TNumIO2::~TNumIO2() = default;

void TNumIO2Private::NotifyAccessible(int)
{
    vornaccess::CaretMoved(q);
}

void TNumIO2Private::GaugeChanged(TShiftState shift, double value)
{
    if (q->OnGaugeChange)
        q->OnGaugeChange(q, shift, value);
    Q_EMIT q->gaugeChanged(shift, value);
}

void TNumIO2Private::FocusNext()
{
    q->focusNextPrevChild(true);
}

void TNumIO2::CreateWnd()
{
    d->FSuppressPaint = false;
}

// --- Readers and writers: the core's --------------------------------------------

double TNumIO2::GetNioValue() const { return d->core.GetNioValue(); }
void TNumIO2::SetNioValue(double value) { d->core.SetNioValue(value); }
int32_t TNumIO2::GetNioIntValue() const { return d->core.GetNioIntValue(); }
QString TNumIO2::Text() const { return d->core.Text(); }
void TNumIO2::SetNioText(const QString& value) { d->core.SetNioText(value); }
bool TNumIO2::CheckValidity(const QString& Instring) const { return d->core.CheckValidity(Instring); }
bool TNumIO2::OutOfRange() const { return d->core.OutOfRange(); }
int TNumIO2::SelBegin() const { return d->core.SelBegin(); }
int TNumIO2::SelEnd() const { return d->core.SelEnd(); }
void TNumIO2::SetSelBegin(int value) { d->core.SetSelBegin(value); }
void TNumIO2::SetSelEnd(int value) { d->core.SetSelEnd(value); }
int TNumIO2::MouseAreaCode() const { return d->core.MouseAreaCode(); }
int TNumIO2::CaretPos() const { return d->core.CaretPos(); }
bool TNumIO2::CaretVisible() const { return d->core.CaretVisible(); }
TMessageTimer* TNumIO2::CaretTimer() const { return &d->FCaretTimer; }
int TNumIO2::CharPosToXCoords(int cp) const { return d->core.CharPosToXCoords(cp); }
int TNumIO2::XCoordsToCharPos(int X) const { return d->core.XCoordsToCharPos(X); }

TAlignment TNumIO2::Alignment() const { return d->core.Alignment(); }
void TNumIO2::SetAlignment(TAlignment value) { d->core.SetAlignment(value); }
bool TNumIO2::AutoSize() const { return d->core.AutoSize(); }
void TNumIO2::SetAutoSize(bool value) { d->core.SetAutoSize(value); }
bool TNumIO2::Beep() const { return d->core.Beep(); }
void TNumIO2::SetBeep(bool value) { d->core.SetBeep(value); }
bool TNumIO2::ButVisible() const { return d->core.ButVisible(); }
void TNumIO2::SetButVis(bool value) { d->core.SetButVis(value); }
bool TNumIO2::But3D() const { return d->core.But3D(); }
void TNumIO2::SetBut3D(bool value) { d->core.SetBut3D(value); }
int TNumIO2::ButHeight() const { return d->core.ButHeight(); }
void TNumIO2::SetButHeight(int value) { d->core.SetButHeight(value); }
int TNumIO2::ButWidth() const { return d->core.ButWidth(); }
void TNumIO2::SetButWidth(int value) { d->core.SetButWidth(value); }
double TNumIO2::ButIncrem() const { return d->core.ButIncrem(); }
void TNumIO2::SetButIncrement(double value) { d->core.SetButIncrement(value); }
int TNumIO2::ButSpace() const { return d->core.ButSpace(); }
void TNumIO2::SetButSpace(int value) { d->core.SetButSpace(value); }
TColor TNumIO2::ButColor() const { return d->core.ButColor(); }
void TNumIO2::SetButColor(TColor value) { d->core.SetButColor(value); }
TColor TNumIO2::ColorBoxBG() const { return d->core.ColorBoxBG(); }
void TNumIO2::SetColorBoxBG(TColor value) { d->core.SetColorBoxBG(value); }
TColor TNumIO2::ColorBoxText() const { return d->core.ColorBoxText(); }
void TNumIO2::SetColorBoxText(TColor value) { d->core.SetColorBoxText(value); }
TColor TNumIO2::ColorOutBG() const { return d->core.ColorOutBG(); }
void TNumIO2::SetColorOutBG(TColor value) { d->core.SetColorOutBG(value); }
TColor TNumIO2::ColorOutText() const { return d->core.ColorOutText(); }
void TNumIO2::SetColorOutText(TColor value) { d->core.SetColorOutText(value); }
TColorScheme TNumIO2::ColorScheme() const { return d->core.ColorScheme(); }
void TNumIO2::SetColorScheme(TColorScheme value) { d->core.SetColorScheme(value); }
TColor TNumIO2::ColorWarnBG() const { return d->core.ColorWarnBG(); }
void TNumIO2::SetColorWarnBG(TColor value) { d->core.SetColorWarnBG(value); }
TColor TNumIO2::ColorWarnText() const { return d->core.ColorWarnText(); }
void TNumIO2::SetColorWarnBoxText(TColor value) { d->core.SetColorWarnBoxText(value); }
TDecPSep TNumIO2::DecPlaceSep() const { return d->core.DecPlaceSep(); }
void TNumIO2::SetDecSep(TDecPSep value) { d->core.SetDecSep(value); }
bool TNumIO2::Enabled() const { return d->core.Enabled(); }
int TNumIO2::FixPointDecPlaces() const { return d->core.FixPointDecPlaces(); }
void TNumIO2::SetDecP(int value) { d->core.SetDecP(value); }
TFrameStyle TNumIO2::FrameStyle() const { return d->core.FrameStyle(); }
void TNumIO2::SetFrameStyle(TFrameStyle value) { d->core.SetFrameStyle(value); }
TColor TNumIO2::GaugeColor() const { return d->core.GaugeColor(); }
void TNumIO2::SetGaugeColor(TColor value) { d->core.SetGaugeColor(value); }
TColor TNumIO2::GaugeColorBg() const { return d->core.GaugeColorBg(); }
void TNumIO2::SetGaugeColorBg(TColor value) { d->core.SetGaugeColorBg(value); }
TColor TNumIO2::GaugeColorFrame() const { return d->core.GaugeColorFrame(); }
void TNumIO2::SetGaugeColorFrm(TColor value) { d->core.SetGaugeColorFrm(value); }
int TNumIO2::GaugeHeight() const { return d->core.GaugeHeight(); }
void TNumIO2::SetGaugeHeight(int value) { d->core.SetGaugeHeight(value); }
TFrameStyle TNumIO2::GaugeFrameStyle() const { return d->core.GaugeFrameStyle(); }
void TNumIO2::SetGaugeFrameStyle(TFrameStyle value) { d->core.SetGaugeFrameStyle(value); }
int TNumIO2::GaugeLeftMargin() const { return d->core.GaugeLeftMargin(); }
void TNumIO2::SetGaugeLeftMarg(int value) { d->core.SetGaugeLeftMarg(value); }
int TNumIO2::GaugeTopMargin() const { return d->core.GaugeTopMargin(); }
void TNumIO2::SetGaugeTopMarg(int value) { d->core.SetGaugeTopMarg(value); }
bool TNumIO2::GaugeVisible() const { return d->core.GaugeVisible(); }
void TNumIO2::SetGaugeVisib(bool value) { d->core.SetGaugeVisib(value); }
int TNumIO2::GaugeWidth() const { return d->core.GaugeWidth(); }
void TNumIO2::SetGaugeWidth(int value) { d->core.SetGaugeWidth(value); }
void TNumIO2::SetHeight(int value) { d->core.SetHeight(value); }
bool TNumIO2::HideSelection() const { return d->core.HideSelection(); }
void TNumIO2::SetHideSel(bool value) { d->core.SetHideSel(value); }
TInFormat TNumIO2::InputFormat() const { return d->core.InputFormat(); }
void TNumIO2::SetInFormatType(TInFormat value) { d->core.SetInFormatType(value); }
int TNumIO2::LeftSpace() const { return d->core.LeftSpace(); }
void TNumIO2::SetLeftSpace(int value) { d->core.SetLeftSpace(value); }
QString TNumIO2::LeftText() const { return d->core.LeftText(); }
void TNumIO2::SetLeftText(const QString& value) { d->core.SetLeftText(value); }
TAlignment TNumIO2::LeftTextAlignment() const { return d->core.LeftTextAlignment(); }
void TNumIO2::SetLeftTextAlignment(TAlignment value) { d->core.SetLeftTextAlignment(value); }
double TNumIO2::RangeHigh() const { return d->core.RangeHigh(); }
void TNumIO2::SetRangeHigh(double value) { d->core.SetRangeHigh(value); }
double TNumIO2::RangeLow() const { return d->core.RangeLow(); }
void TNumIO2::SetRangeLow(double value) { d->core.SetRangeLow(value); }
bool TNumIO2::ReadOnly() const { return d->core.ReadOnly(); }
void TNumIO2::SetReadonly(bool value) { d->core.SetReadonly(value); }
QString TNumIO2::RightText() const { return d->core.RightText(); }
void TNumIO2::SetRightText(const QString& value) { d->core.SetRightText(value); }
TAlignment TNumIO2::RightTextAlignment() const { return d->core.RightTextAlignment(); }
void TNumIO2::SetRightTextAlignment(TAlignment value) { d->core.SetRightTextAlignment(value); }
int TNumIO2::SignificantDigits() const { return d->core.SignificantDigits(); }
void TNumIO2::SetSigDig(int value) { d->core.SetSigDig(value); }
int TNumIO2::TextBoxWidth() const { return d->core.TextBoxWidth(); }
void TNumIO2::SetTextBoxWidth(int value) { d->core.SetTextBoxWidth(value); }

void TNumIO2::Changed()
{
    if (OnChange)
        OnChange(this);
    Q_EMIT changed();
}

// Skips the comparison: every write stores, passes the state on to the
// widget (a disabled field gets no keys or clicks) and repaints, so it also
// brings back in step a widget whose own enabled state was changed past the
// field.
// A disabled parent keeps the widget disabled, and Enabled with it.
void TNumIO2::SetEnabled(bool value)
{
    d->core.StoreEnabled(value);
    setEnabled(value);
    d->core.StoreEnabled(isEnabled());
    Paint();
}

// QWidget::setEnabled on the field or on a parent changes Enabled too, and
// the picture shows it.
void TNumIO2::changeEvent(QEvent* e)
{
    TSurface::changeEvent(e);
    if (e->type() == QEvent::EnabledChange && d->core.Enabled() != isEnabled()) {
        d->core.StoreEnabled(isEnabled());
        GuardedCall(this, [this] { Paint(); });
    }
}

void TNumIO2::Assign(QObject* Source)
{
    auto* src = qobject_cast<TNumIO2*>(Source);
    if (!src)
        ThrowCannotAssign(ClassNameOf(Source), QStringLiteral("TNumIO2"));
    d->core.CopyFrom(src->d->core);
}

void TNumIO2::AssignTo(QObject* Dest)
{
    auto* dst = qobject_cast<TNumIO2*>(Dest);
    if (!dst)
        ThrowCannotAssign(QStringLiteral("TNumIO2"), ClassNameOf(Dest));
    dst->Assign(this);
}

// --- Caret, focus and click ---------------------------------------------------------

void TNumIO2::UpdateTimer()
{
    d->core.UpdateTimer();
}

void TNumIO2::WndProc(int /*TimerId*/)
{
    // Exceptions of a tick reach the application's handler through the
    // timer object.
    CaretTimerEvent(this);
}

void TNumIO2::CaretTimerEvent(QObject* /*Sender*/)
{
    d->core.BlinkTick();
}

void TNumIO2::SetFocus()
{
    setFocus(Qt::OtherFocusReason);
    if (!d->core.ReadOnly())
        UpdateTimer();
}

QKeySequence TNumIO2::FocusShortcut() const
{
    return d->FFocusShortcut ? d->FFocusShortcut->key() : QKeySequence();
}

void TNumIO2::SetFocusShortcut(const QKeySequence& Key)
{
    if (!d->FFocusShortcut) {
        // Active while the field's window is the active one (Qt also asks
        // that the field be shown and enabled).
        d->FFocusShortcut = new QShortcut(this);
        d->FFocusShortcut->setContext(Qt::WindowShortcut);
        connect(d->FFocusShortcut, &QShortcut::activated, this, [this] {
            GuardedCall(this, [this] {
                setFocus(Qt::ShortcutFocusReason);
                SetSelBegin(0);
                SetSelEnd(int(d->core.Text().size()));
            });
        });
    }
    d->FFocusShortcut->setKey(Key);
}

void TNumIO2::Click()
{
    SetFocus();
    if (!d->core.ReadOnly())
        UpdateTimer();
    if (OnClick)
        OnClick(this);
    Q_EMIT clicked();
}

void TNumIO2::focusInEvent(QFocusEvent* e)
{
    TSurface::focusInEvent(e);
    GuardedCall(this, [&] {
        if (!d->core.ReadOnly())
            UpdateTimer();
        if (OnEnter)
            OnEnter(this);
        Q_EMIT focusEntered();
    });
}

void TNumIO2::focusOutEvent(QFocusEvent* e)
{
    TSurface::focusOutEvent(e);
    GuardedCall(this, [&] {
        if (OnExit)
            OnExit(this);
        Q_EMIT focusExited();
    });
}

// --- Keys ---------------------------------------------------------------------------

void TNumIO2::CNKeyDown(uint16_t CharCode)
{
    d->core.CNKeyDown(CharCode);
}

void TNumIO2::CNKeyUp(uint16_t CharCode)
{
    d->core.CNKeyUp(CharCode);
}

bool TNumIO2::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::ShortcutOverride: {
        // While the field has the focus its keys are its own; only
        // shortcuts with Alt (the menu) still fire.
        auto* ke = static_cast<QKeyEvent*>(e);
        if (!(ke->modifiers() & Qt::AltModifier)) {
            e->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        // Tab and Shift+Tab are the field's, before Qt's focus chain.
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) {
            keyPressEvent(ke);
            return true;
        }
        break;
    }
    case QEvent::WinIdChange:
        if (d->FSuppressPaint)
            CreateWnd();
        break;
    default: break;
    }
    return TSurface::event(e);
}

void TNumIO2::showEvent(QShowEvent* e)
{
    if (d->FSuppressPaint)
        CreateWnd();
    TSurface::showEvent(e);
}

void TNumIO2::keyPressEvent(QKeyEvent* e)
{
    e->accept();
    GuardedCall(this, [&] {
        uint16_t key = d->core.KeyPress(*e);
        const TShiftState shift = ShiftStateOf(e->modifiers());
        if (OnKeyDown)
            OnKeyDown(this, key, shift);
        Q_EMIT keyPressed(key, shift);
        if (!e->text().isEmpty()) {
            QChar c = e->text().at(0);
            if (OnKeyPress)
                OnKeyPress(this, c);
            Q_EMIT characterTyped(c);
        }
    });
}

void TNumIO2::keyReleaseEvent(QKeyEvent* e)
{
    e->accept();
    GuardedCall(this, [&] {
        uint16_t key = d->core.KeyRelease(*e);
        const TShiftState shift = ShiftStateOf(e->modifiers());
        if (OnKeyUp)
            OnKeyUp(this, key, shift);
        Q_EMIT keyReleased(key, shift);
    });
}

// --- Mouse --------------------------------------------------------------------------

void TNumIO2::MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    d->core.MouseDown(X, Y);
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
    Q_EMIT mousePressed(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(TShiftState Shift, int X, int Y)
{
    d->core.MouseMove(Shift, X, Y);
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
    Q_EMIT mouseMoved(Shift, X, Y);
}

void TNumIO2::MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    d->core.MouseUp();
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
    Q_EMIT mouseReleased(Button, Shift, X, Y);
}

void TNumIO2::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    const QPoint p = e->position().toPoint();
    GuardedCall(this, [&] { MouseDown(e->button(), ShiftStateOf(e), p.x(), p.y()); });
}

void TNumIO2::mouseDoubleClickEvent(QMouseEvent* e)
{
    e->accept();
    const QPoint p = e->position().toPoint();
    GuardedCall(this, [&] {
        MouseDown(e->button(), ShiftStateOf(e), p.x(), p.y());
        if (OnDblClick)
            OnDblClick(this);
        Q_EMIT doubleClicked();
    });
}

void TNumIO2::mouseMoveEvent(QMouseEvent* e)
{
    e->accept();
    const QPoint p = e->position().toPoint();
    GuardedCall(this, [&] { MouseMove(ShiftStateOf(e), p.x(), p.y()); });
}

void TNumIO2::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    const QPoint p = e->position().toPoint();
    GuardedCall(this, [&] {
        MouseUp(e->button(), ShiftStateOf(e), p.x(), p.y());
        // A left-button release over the field is a click.
        if (e->button() == Qt::LeftButton && rect().contains(p))
            Click();
    });
}

// --- Painting and size --------------------------------------------------------------

// Qt paints the field also off screen (grab(), render() of a window not
// shown): its window exists from then on, as on its first show.
void TNumIO2::paintEvent(QPaintEvent* e)
{
    if (d->FSuppressPaint)
        CreateWnd();
    TSurface::paintEvent(e);
}

void TNumIO2::Paint()
{
    // Nothing is composed while the field is hidden (except in a form
    // designer), while its window does not exist yet, or from within this
    // paint (the automatic height below resizes the field, which paints
    // again).
    if ((!Visible() && !Designing()) || d->FSuppressPaint || d->FInPaint)
        return;
    d->FInPaint = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{d->FInPaint};

    // Automatic height, past the Height writer and its limits.
    if (d->core.AutoSize()) {
        const int h = d->core.AutoHeight();
        if (h != height())
            resize(width(), h);
    }

    if (!ComposeNow())
        return;
    // The bitmap of the whole control at the screen's pixel ratio, composed
    // by the core and shown in one copy.
    Present(d->core.Compose(NewPicture()));
}

QSize TNumIO2::sizeHint() const
{
    return d->core.SizeHint();
}

QSize TNumIO2::minimumSizeHint() const
{
    return d->core.MinimumSizeHint();
}

} // namespace vorn
