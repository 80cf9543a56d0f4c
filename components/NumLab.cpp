// The label's construction, properties, copying and mouse handling.
#include "NumLab.h"

#include "Application.h"
#include "Keys.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

QString ClassNameOf(const QObject* o)
{
    return o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("nil");
}

} // namespace

TNumLab::TNumLab(QWidget* parent) : TSurface(parent)
{
    // Every other default is set where the field is declared.
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    resize(160, 28);
}

TNumLab::~TNumLab() = default;

void TNumLab::SetAlignment(TAlignment Value)
{
    Store(FAlignment, Value);
}

void TNumLab::SetColorLabBakG(TColor Value)
{
    Store(FColorLabBakG, Value);
}

void TNumLab::SetColorLabText(TColor Value)
{
    Store(FColorLabText, Value);
}

void TNumLab::SetColorOutBakG(TColor Value)
{
    Store(FColorOutBakG, Value);
}

void TNumLab::SetColorOutText(TColor Value)
{
    Store(FColorOutText, Value);
}

void TNumLab::SetColorScheme(TColorScheme Value)
{
    if (StoreColorScheme(Value))
        Paint();
}

void TNumLab::SetFComma(bool Value)
{
    Store(FComma, Value);
}

void TNumLab::SetDisplayType(TDisplay Value)
{
    Store(FDisplayType, Value);
}

void TNumLab::SetDtFormat(const QString& Value)
{
    Store(FDtFormat, Value);
}

void TNumLab::SetEmpty(bool Value)
{
    Store(FEmpty, Value);
}

void TNumLab::SetEnabled(bool Value)
{
    FEnabled = Value;
    QWidget::setEnabled(Value);
    Paint();
}

void TNumLab::SetFPlusSign(bool Value)
{
    Store(FPlusSign, Value);
}

void TNumLab::SetFrameStyle(TFrameStyle Value)
{
    Store(FFrameStyle, Value);
}

void TNumLab::SetLabWidth(int Value)
{
    Store(FLabWidth, Value);
}

void TNumLab::SetLeftSpace(int Value)
{
    if (Value < 0)
        return;
    Store(FLeftSpace, std::min(Value, width()));
}

void TNumLab::SetLeftText(const QString& Value)
{
    Store(FLeftText, Value);
}

void TNumLab::SetLTAlignment(TAlignment Value)
{
    Store(FLTAlignment, Value);
}

void TNumLab::SetOverFlowIndi(const QString& Value)
{
    Store(FOverFlowIndi, Value);
}

void TNumLab::SetDecP(int Value)
{
    if (Value < 0)
        return;
    Store(FDecP, std::min(Value, 15));
}

void TNumLab::SetRightText(const QString& Value)
{
    Store(FRightText, Value);
}

void TNumLab::SetRTAlignment(TAlignment Value)
{
    Store(FRTAlignment, Value);
}

void TNumLab::SetStateText(const QString& Value)
{
    Store(FStateText, Value);
}

void TNumLab::SetTransparent(bool Value)
{
    if (Value == FTransParent)
        return;
    FTransParent = Value;
    // The picture is composed again at once in either case: the surface only
    // copies its last picture when the platform repaints, and it always
    // repaints the parent's pixels beneath the label first.
    Paint();
    if (Value)
        update();
}

void TNumLab::SetLabValue(double Value)
{
    if (std::isnan(Value) || Value == FLabValue)
        return;
    FLabValue = Value;
    Paint();
}

void TNumLab::Assign(const QObject* Source)
{
    const auto* src = qobject_cast<const TNumLab*>(Source);
    if (!src)
        throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(ClassNameOf(Source), ClassNameOf(this)));
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
}

void TNumLab::AssignTo(QObject* Dest) const
{
    auto* dest = qobject_cast<TNumLab*>(Dest);
    if (!dest)
        throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(ClassNameOf(this), ClassNameOf(Dest)));
    dest->Assign(this);
}

void TNumLab::MouseMove(uint32_t Shift, int X, int Y)
{
    FMouseAreaCode = Box().Zone(X);
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TNumLab::changeEvent(QEvent* event)
{
    TSurface::changeEvent(event);
    // A new font (its own or the parent's) changes every text.
    if (event->type() == QEvent::FontChange)
        GuardedCall(this, [this] { Paint(); });
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
    });
}

void TNumLab::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    GuardedCall(this, [&] {
        // A left button released over the label is a click.
        if (event->button() == Qt::LeftButton && rect().contains(p) && OnClick)
            OnClick(this);
        if (OnMouseUp)
            OnMouseUp(this, event->button(), ShiftStateOf(event), p.x(), p.y());
    });
}

void TNumLab::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    GuardedCall(this, [&] {
        if (event->button() == Qt::LeftButton && OnDblClick)
            OnDblClick(this);
        if (OnMouseDown)
            OnMouseDown(this, event->button(), ShiftStateOf(event), p.x(), p.y());
    });
}
