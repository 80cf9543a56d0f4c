// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The label's construction, properties, copying and mouse handling.
#include "NumLab_p.h"

#include "Accessible_p.h"
#include "Application.h"
#include "Keys.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace vorn {

TNumLab::TNumLab(QWidget* parent)
    : TSurface(parent), FLeftSpace(numlab::defLeftSpace), FLabWidth(numlab::defLabelWidth),
      FDecP(numlab::defPrecision)
{
    // Every other default is set where the field is declared.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    // In a layout the label keeps the height of its line, as a line edit does.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    resize(160, 28);
    vornaccess::Attach(this);
}

TNumLab::~TNumLab() = default;

// The writers store a changed value and paint it at once; an equal value
// changes nothing. Those that differ say how.

void TNumLab::SetAlignment(TAlignment Value)
{
    StoreAndPaint(FAlignment, Value);
}

void TNumLab::SetColorLabBakG(TColor Value)
{
    StoreAndPaint(FColorLabBakG, Value);
}

void TNumLab::SetColorLabText(TColor Value)
{
    StoreAndPaint(FColorLabText, Value);
}

void TNumLab::SetColorOutBakG(TColor Value)
{
    StoreAndPaint(FColorOutBakG, Value);
}

void TNumLab::SetColorOutText(TColor Value)
{
    StoreAndPaint(FColorOutText, Value);
}

void TNumLab::SetColorScheme(TColorScheme Value)
{
    if (StoreColorScheme(Value))
        Paint();
}

void TNumLab::SetFComma(bool Value)
{
    StoreAndPaint(FComma, Value);
}

void TNumLab::SetDisplayType(TDisplay Value)
{
    StoreAndPaint(FDisplayType, Value);
}

void TNumLab::SetDtFormat(const QString& Value)
{
    StoreAndPaint(FDtFormat, Value);
}

void TNumLab::SetEmpty(bool Value)
{
    StoreAndPaint(FEmpty, Value);
}

// Skips the comparison: every write stores, passes the state on to the
// widget and repaints. A disabled parent keeps the widget disabled, and
// Enabled with it; changeEvent keeps Enabled in step with the widget.
void TNumLab::SetEnabled(bool Value)
{
    FEnabled = Value;
    QWidget::setEnabled(Value);
    FEnabled = isEnabled();
    Paint();
}

void TNumLab::SetFPlusSign(bool Value)
{
    StoreAndPaint(FPlusSign, Value);
}

void TNumLab::SetFrameStyle(TFrameStyle Value)
{
    if (StoreAndPaint(FFrameStyle, Value))
        updateGeometry();
}

void TNumLab::SetLabWidth(int Value)
{
    if (StoreAndPaint(FLabWidth, Value))
        updateGeometry();
}

// A negative value is ignored; the limit to the width applies before the
// comparison.
void TNumLab::SetLeftSpace(int Value)
{
    if (Value < 0)
        return;
    if (StoreAndPaint(FLeftSpace, std::min(Value, width())))
        updateGeometry();
}

void TNumLab::SetLeftText(const QString& Value)
{
    StoreAndPaint(FLeftText, Value);
}

void TNumLab::SetLTAlignment(TAlignment Value)
{
    StoreAndPaint(FLTAlignment, Value);
}

void TNumLab::SetOverFlowIndi(const QString& Value)
{
    StoreAndPaint(FOverFlowIndi, Value);
}

// A negative value is ignored; the limit of 15 applies before the comparison.
void TNumLab::SetDecP(int Value)
{
    if (Value < 0)
        return;
    StoreAndPaint(FDecP, std::min(Value, 15));
}

void TNumLab::SetRightText(const QString& Value)
{
    if (StoreAndPaint(FRightText, Value))
        updateGeometry();
}

void TNumLab::SetRTAlignment(TAlignment Value)
{
    StoreAndPaint(FRTAlignment, Value);
}

void TNumLab::SetStateText(const QString& Value)
{
    StoreAndPaint(FStateText, Value);
}

void TNumLab::SetTransparent(bool Value)
{
    // A change is composed again at once either way: the surface only copies
    // its last picture when the platform repaints, and it always repaints the
    // parent's pixels beneath the label first. Turned on, the label also asks
    // the platform for that repaint.
    if (StoreAndPaint(FTransParent, Value) && Value)
        update();
}

void TNumLab::SetLabValue(double Value)
{
    // A NaN is never stored, so the stored value always compares.
    if (!std::isnan(Value) && StoreAndPaint(FLabValue, Value))
        Q_EMIT valueChanged(FLabValue);
}

void TNumLab::Assign(const QObject* Source)
{
    const auto* src = qobject_cast<const TNumLab*>(Source);
    if (!src)
        ThrowCannotAssign(ClassNameOf(Source), ClassNameOf(this));
    const double before = FLabValue;
    FLeftSpace = src->FLeftSpace;
    FEmpty = src->FEmpty;
    FLabWidth = src->FLabWidth;
    FDecP = src->FDecP;
    FLeftText = src->FLeftText;
    FRightText = src->FRightText;
    FFrameStyle = src->FFrameStyle;
    FAlignment = src->FAlignment;
    FRTAlignment = src->FRTAlignment;
    FLTAlignment = src->FLTAlignment;
    FOverFlowIndi = src->FOverFlowIndi;
    FLabValue = src->FLabValue;
    FStateText = src->FStateText;
    FTransParent = src->FTransParent;
    FColorLabBakG = src->FColorLabBakG;
    FColorLabText = src->FColorLabText;
    FColorOutBakG = src->FColorOutBakG;
    FColorOutText = src->FColorOutText;
    CopySchemeLines(*src);
    FDisplayType = src->FDisplayType;
    Paint();
    updateGeometry();
    if (FLabValue != before)
        Q_EMIT valueChanged(FLabValue);
}

void TNumLab::AssignTo(QObject* Dest) const
{
    auto* dest = qobject_cast<TNumLab*>(Dest);
    if (!dest)
        ThrowCannotAssign(ClassNameOf(this), ClassNameOf(Dest));
    dest->Assign(this);
}

void TNumLab::MouseMove(uint32_t Shift, int X, int Y)
{
    FMouseAreaCode = LabelBox(*this).Zone(X);
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
    if (event->type() == QEvent::EnabledChange && FEnabled != isEnabled()) {
        FEnabled = isEnabled();
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
