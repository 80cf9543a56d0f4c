// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The numeric label as a widget: it keeps the label's core (NumLabCore.cpp)
// and shows what the core composes; its events, the copy and the mouse.
#include "NumLab_p.h"

#include "Accessible_p.h"
#include "Application.h"
#include "Keys_p.h"

#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace vorn {

// --- The widget as the core's host -------------------------------------------

void TNumLabPrivate::BeforeDisplay(QString& text)
{
    // The hook, like every event, receives the label itself as its sender.
    if (q->OnBeforeDisplay)
        q->OnBeforeDisplay(q, text);
    Q_EMIT q->beforeDisplay(text);
}

bool TNumLabPrivate::BeforeDisplayHooked() const
{
    return q->OnBeforeDisplay || q->isSignalConnected(QMetaMethod::fromSignal(&TNumLab::beforeDisplay));
}

void TNumLabPrivate::ShownTextChanged(const QString& before)
{
    vornaccess::ShownTextChanged(q, before);
}

bool TNumLabPrivate::ShownTextWanted() const
{
    return vornaccess::Listening();
}

// --- The widget ----------------------------------------------------------------

TNumLab::TNumLab(QWidget* parent) : TSurface(parent), d(std::make_unique<TNumLabPrivate>(this))
{
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    // In a layout the label keeps the height of its line, as a line edit does.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    resize(160, 28);
    vornaccess::Attach(this);
}

TNumLab::~TNumLab() = default;

int TNumLab::MouseAreaCode() const { return d->core.MouseAreaCode(); }
TAlignment TNumLab::Alignment() const { return d->core.Alignment(); }
TColor TNumLab::ColorLabBakG() const { return d->core.ColorLabBakG(); }
TColor TNumLab::ColorLabText() const { return d->core.ColorLabText(); }
TColor TNumLab::ColorOutBakG() const { return d->core.ColorOutBakG(); }
TColor TNumLab::ColorOutText() const { return d->core.ColorOutText(); }
TColorScheme TNumLab::ColorScheme() const { return d->core.ColorScheme(); }
bool TNumLab::Comma() const { return d->core.Comma(); }
TDisplay TNumLab::DisplayType() const { return d->core.DisplayType(); }
QString TNumLab::DTFormat() const { return d->core.DTFormat(); }
bool TNumLab::Empty() const { return d->core.Empty(); }
bool TNumLab::Enabled() const { return d->core.Enabled(); }
bool TNumLab::ForcePlusSign() const { return d->core.ForcePlusSign(); }
TFrameStyle TNumLab::FrameStyle() const { return d->core.FrameStyle(); }
int TNumLab::LabelWidth() const { return d->core.LabelWidth(); }
int TNumLab::LeftSpace() const { return d->core.LeftSpace(); }
QString TNumLab::LeftText() const { return d->core.LeftText(); }
TAlignment TNumLab::LeftTextAlignment() const { return d->core.LeftTextAlignment(); }
QString TNumLab::OverflowIndicator() const { return d->core.OverflowIndicator(); }
int TNumLab::Precision() const { return d->core.Precision(); }
QString TNumLab::RightText() const { return d->core.RightText(); }
TAlignment TNumLab::RightTextAlignment() const { return d->core.RightTextAlignment(); }
QString TNumLab::StateText() const { return d->core.StateText(); }
bool TNumLab::Transparent() const { return d->core.Transparent(); }
double TNumLab::Value() const { return d->core.Value(); }

void TNumLab::SetAlignment(TAlignment Value) { d->core.SetAlignment(Value); }
void TNumLab::SetColorLabBakG(TColor Value) { d->core.SetColorLabBakG(Value); }
void TNumLab::SetColorLabText(TColor Value) { d->core.SetColorLabText(Value); }
void TNumLab::SetColorOutBakG(TColor Value) { d->core.SetColorOutBakG(Value); }
void TNumLab::SetColorOutText(TColor Value) { d->core.SetColorOutText(Value); }
void TNumLab::SetColorScheme(TColorScheme Value) { d->core.SetColorScheme(Value); }
void TNumLab::SetFComma(bool Value) { d->core.SetFComma(Value); }
void TNumLab::SetDisplayType(TDisplay Value) { d->core.SetDisplayType(Value); }
void TNumLab::SetDtFormat(const QString& Value) { d->core.SetDtFormat(Value); }
void TNumLab::SetEmpty(bool Value) { d->core.SetEmpty(Value); }
void TNumLab::SetFPlusSign(bool Value) { d->core.SetFPlusSign(Value); }
void TNumLab::SetFrameStyle(TFrameStyle Value) { d->core.SetFrameStyle(Value); }
void TNumLab::SetLabWidth(int Value) { d->core.SetLabWidth(Value); }
void TNumLab::SetLeftSpace(int Value) { d->core.SetLeftSpace(Value); }
void TNumLab::SetLeftText(const QString& Value) { d->core.SetLeftText(Value); }
void TNumLab::SetLTAlignment(TAlignment Value) { d->core.SetLTAlignment(Value); }
void TNumLab::SetOverFlowIndi(const QString& Value) { d->core.SetOverFlowIndi(Value); }
void TNumLab::SetDecP(int Value) { d->core.SetDecP(Value); }
void TNumLab::SetRightText(const QString& Value) { d->core.SetRightText(Value); }
void TNumLab::SetRTAlignment(TAlignment Value) { d->core.SetRTAlignment(Value); }
void TNumLab::SetStateText(const QString& Value) { d->core.SetStateText(Value); }
void TNumLab::SetTransparent(bool Value) { d->core.SetTransparent(Value); }
void TNumLab::SetLabValue(double Value) { d->core.SetLabValue(Value); }

// Skips the comparison: every write stores, passes the state on to the
// widget and repaints. A disabled parent keeps the widget disabled, and
// Enabled with it; changeEvent keeps Enabled in step with the widget.
void TNumLab::SetEnabled(bool Value)
{
    d->core.StoreEnabled(Value);
    QWidget::setEnabled(Value);
    d->core.StoreEnabled(isEnabled());
    Paint();
}

QString TNumLab::DisplayText() const
{
    return d->core.DisplayText();
}

QString TNumLab::ShownText() const
{
    return d->core.ShownText();
}

void TNumLab::Assign(const QObject* Source)
{
    const auto* src = qobject_cast<const TNumLab*>(Source);
    if (!src)
        ThrowCannotAssign(ClassNameOf(Source), ClassNameOf(this));
    d->core.CopyFrom(src->d->core);
}

void TNumLab::AssignTo(QObject* Dest) const
{
    auto* dest = qobject_cast<TNumLab*>(Dest);
    if (!dest)
        ThrowCannotAssign(ClassNameOf(this), ClassNameOf(Dest));
    dest->Assign(this);
}

void TNumLab::Paint()
{
    // A hidden label still paints in a form designer.
    if (!Visible() && !Designing())
        return;
    if (!ComposeNow()) {
        d->core.PaintDeferred();
        return;
    }
    const TNumLabCore::TComposedText text = d->core.ComposeText();
    // Every pixel is painted by the core, once: a picture of this size the
    // last paint let go of is used again, so a paint allocates none.
    QImage bitmap = ReusedPicture();
    if (bitmap.isNull()) {
        Present(bitmap);
        return;
    }
    bitmap = d->core.Compose(std::move(bitmap), text);
    Present(std::move(bitmap), d->core.CopyMode());
}

void TNumLab::paintEvent(QPaintEvent* event)
{
    // A transparent label's box is made opaque before the picture is ANDed
    // over the screen.
    const QRect box = d->core.SeeThroughBox();
    if (!box.isEmpty()) {
        QPainter p(this);
        p.fillRect(box, QColor::fromRgb(ResolveColor(d->core.SeeThroughFill(), palette())));
    }
    TSurface::paintEvent(event);
}

QSize TNumLab::sizeHint() const
{
    return d->core.SizeHint();
}

QSize TNumLab::minimumSizeHint() const
{
    return d->core.MinimumSizeHint();
}

void TNumLab::MouseMove(uint32_t Shift, int X, int Y)
{
    d->core.NoteMouseAt(X);
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
    Q_EMIT mouseMoved(Shift, X, Y);
}

void TNumLab::changeEvent(QEvent* event)
{
    TSurface::changeEvent(event);
    // A new font (its own or the parent's) changes every text.
    if (event->type() == QEvent::FontChange)
        GuardedCall(this, [this] { Paint(); });
    // QWidget::setEnabled on the label or on a parent changes Enabled too,
    // and the picture shows it.
    if (event->type() == QEvent::EnabledChange && d->core.Enabled() != isEnabled()) {
        d->core.StoreEnabled(isEnabled());
        GuardedCall(this, [this] { Paint(); });
    }
}

void TNumLab::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    GuardedCall(this, [&] { MouseMove(ShiftStateOf(event), p.x(), p.y()); });
}

void TNumLab::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    GuardedCall(this, [&] {
        if (OnMouseDown)
            OnMouseDown(this, event->button(), ShiftStateOf(event), p.x(), p.y());
        Q_EMIT mousePressed(event->button(), ShiftStateOf(event), p.x(), p.y());
    });
}

void TNumLab::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    GuardedCall(this, [&] {
        // A left button released over the label is a click.
        if (event->button() == Qt::LeftButton && rect().contains(p)) {
            if (OnClick)
                OnClick(this);
            Q_EMIT clicked();
        }
        if (OnMouseUp)
            OnMouseUp(this, event->button(), ShiftStateOf(event), p.x(), p.y());
        Q_EMIT mouseReleased(event->button(), ShiftStateOf(event), p.x(), p.y());
    });
}

void TNumLab::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    GuardedCall(this, [&] {
        if (event->button() == Qt::LeftButton) {
            if (OnDblClick)
                OnDblClick(this);
            Q_EMIT doubleClicked();
        }
        if (OnMouseDown)
            OnMouseDown(this, event->button(), ShiftStateOf(event), p.x(), p.y());
        Q_EMIT mousePressed(event->button(), ShiftStateOf(event), p.x(), p.y());
    });
}

} // namespace vorn
