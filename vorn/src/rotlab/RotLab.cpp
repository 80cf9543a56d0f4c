// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The rotated label as a widget: it keeps the label's core (RotLabCore.cpp)
// and shows what the core composes.
#include "RotLab_p.h"

#include "Accessible_p.h"
#include "Application.h"
#include "Exceptions.h"
#include "vornbase_p.h"

#include <QEvent>

namespace vorn {

static_assert(TRotLab::DT_CALCRECT == TRotLabCore::DrawTextMeasureOnly);

TRotLab::TRotLab(QWidget* parent) : TSurface(parent), d(std::make_unique<TRotLabPrivate>(this))
{
    setFocusPolicy(Qt::NoFocus);
    // A font of its own: nothing of it is taken from the parent.
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(11);
    f.setResolveMask(QFont::AllPropertiesResolved);
    setFont(f);
    resize(200, 200);
    vornaccess::Attach(this);
}

TRotLab::~TRotLab() = default;

TAlignment TRotLab::Alignment() const { return d->core.Alignment(); }
bool TRotLab::AntiAlias() const { return d->core.AntiAlias(); }
bool TRotLab::AutoCenter() const { return d->core.AutoCenter(); }
const QString& TRotLab::Caption() const { return d->core.Caption(); }
TColor TRotLab::Color() const { return d->core.Color(); }
TFrameStyle TRotLab::FrameStyle() const { return d->core.FrameStyle(); }
int TRotLab::PosX() const { return d->core.PosX(); }
int TRotLab::PosY() const { return d->core.PosY(); }
int TRotLab::TextAngle() const { return d->core.TextAngle(); }
bool TRotLab::Transparent() const { return d->core.Transparent(); }
TCanvas& TRotLab::Canvas() { return d->core.Canvas(); }

void TRotLab::SetAlignment(TAlignment Value) { d->core.SetAlignment(Value); }
void TRotLab::SetAntiAlias(bool Value) { d->core.SetAntiAlias(Value); }
void TRotLab::SetAutoCenter(bool Value) { d->core.SetAutoCenter(Value); }
void TRotLab::SetColor(TColor Value) { d->core.SetColor(Value); }
void TRotLab::SetFrameStyle(TFrameStyle Value) { d->core.SetFrameStyle(Value); }
void TRotLab::SetTextPosX(int Value) { d->core.SetTextPosX(Value); }
void TRotLab::SetTextPosY(int Value) { d->core.SetTextPosY(Value); }
void TRotLab::SetTextAngle(int Value) { d->core.SetTextAngle(Value); }

void TRotLab::SetCaption(const QString& Value)
{
    if (d->core.SetCaption(Value))
        Q_EMIT textChanged(Value);
}

void TRotLab::SetTransparent(bool Value)
{
    if (Value == d->core.Transparent())
        return;
    // An opaque label fills all of itself, so the parent need not be drawn under it.
    setAttribute(Qt::WA_OpaquePaintEvent, !Value);
    d->core.SetTransparent(Value);
}

void TRotLabPrivate::PaintLater()
{
    // Until the queued paint runs, a picture Qt asks for (grab(), render(),
    // an expose) is composed from the new state.
    q->MarkStale();
    if (FPaintQueued)
        return;
    FPaintQueued = true;
    QMetaObject::invokeMethod(
        q,
        [this] {
            FPaintQueued = false;
            // A label that is not on the screen is painted when it is shown.
            if (q->isVisible())
                GuardedCall(q, [this] { q->Paint(); });
        },
        Qt::QueuedConnection);
}

void TRotLab::Assign(QObject* Source)
{
    const auto* src = qobject_cast<const TRotLab*>(Source);
    if (!src)
        ThrowCannotAssign(ClassNameOf(Source), ClassNameOf(this));
    d->core.CopyFrom(src->d->core);
}

void TRotLab::AssignTo(QObject* Dest)
{
    if (auto* dest = qobject_cast<TRotLab*>(Dest)) {
        dest->Assign(this);
        return;
    }
    ThrowCannotAssign(ClassNameOf(this), ClassNameOf(Dest));
}

void TRotLab::AdjustAutoCenter()
{
    d->core.AdjustAutoCenter();
}

void TRotLab::ProcessResize(QObject*)
{
    if (d->core.FollowSize(parentWidget() != nullptr))
        d->core.Repaint();
}

void TRotLab::Paint()
{
    const bool transparent = d->core.Transparent();
    if (Designing()) {
        // A hidden label draws nothing, also in a form designer, where it
        // stays on the form: an empty layer lets the form show through.
        setAttribute(Qt::WA_OpaquePaintEvent, Visible() && !transparent);
        if (!Visible() && ComposeNow())
            Present(NewLayer(width(), height(), PaintRatio()));
    }
    if (!Visible() || !ComposeNow())
        return;
    // Composed at the device pixel ratio: an opaque label on a picture of its
    // own, a transparent one on a transparent layer. Either is the one the
    // last paint let go of when it has this shape (a label's next paint, or
    // any label of the same size): a paint then allocates nothing, and many
    // labels shown at once leave no freed pictures behind in the heap. An
    // opaque label fills every pixel of its picture. Laid over the parent's
    // pixels on the screen: the layer's transparent pixels leave them as they
    // are. The label keeps no picture of its own once it is presented.
    const qreal ratio = PaintRatio();
    Present(d->core.Compose(transparent ? ReusedLayer(ratio) : ReusedPicture(ratio),
                            [this](QRect& r) { DoDrawText(r, 0); }));
}

void TRotLab::DoDrawText(QRect& Rect, unsigned Flags)
{
    d->core.DrawText(Rect, Flags);
}

void TRotLab::changeEvent(QEvent* event)
{
    TSurface::changeEvent(event);
    // The picture shows the enabled state, the font and the palette's window
    // text: a change of any of them repaints it.
    const QEvent::Type type = event->type();
    if (type == QEvent::EnabledChange || type == QEvent::FontChange || type == QEvent::PaletteChange)
        GuardedCall(this, [this] { d->core.Repaint(); });
}

void TRotLab::resizeEvent(QResizeEvent* event)
{
    // The reference point follows first, so the surface's repaint at the new
    // size shows it in its place.
    d->core.FollowSize(parentWidget() != nullptr);
    TSurface::resizeEvent(event);
}

QSize TRotLab::sizeHint() const
{
    return d->core.SizeHint();
}

QSize TRotLab::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace vorn
