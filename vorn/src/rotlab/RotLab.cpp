// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "RotLab_p.h"

#include "Accessible_p.h"
#include "Application.h"
#include "Exceptions.h"
#include "FloatCheck_p.h"
#include "Saturate_p.h"

#include <QEvent>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace vorn {

namespace {

// The caption turned by `degrees` counter-clockwise about the top-left corner
// of its cell, in the canvas font and the canvas's font colour at each call,
// without a background; one painter serves every call. The painter works on
// the image's rows at ratio 1, so that, as the canvas draws its own text, the
// cell's corner goes to the first device pixel of its logical block and the
// glyphs are scaled by the image's ratio, rendered at device resolution.
class TTurnedText
{
public:
    TTurnedText(TCanvas& cv, const QString& s, int degrees)
        : FCanvas(cv), FText(s), FDegrees(degrees), FRatio(cv.Image().devicePixelRatio())
    {
        QImage& image = cv.Image();
        FTarget = QImage(image.bits(), image.width(), image.height(), image.bytesPerLine(), image.format());
        FTarget.setDotsPerMeterX(image.dotsPerMeterX());
        FTarget.setDotsPerMeterY(image.dotsPerMeterY());
        FPainter.begin(&FTarget);
        FPainter.setFont(cv.Font());
        FAscent = FPainter.fontMetrics().ascent();
    }

    void Draw(int x, int y)
    {
        FPainter.setPen(QColor::fromRgb(ResolveColor(FCanvas.FontColor(), FCanvas.Palette())));
        const qreal r = FRatio;
        FPainter.setTransform(QTransform(r, 0, 0, r, std::floor(x * r), std::floor(y * r)));
        FPainter.rotate(-FDegrees);
        FPainter.drawText(0, FAscent, FText);
    }

private:
    TCanvas& FCanvas;
    const QString& FText;
    const int FDegrees;
    const qreal FRatio;
    QImage FTarget;
    QPainter FPainter;
    int FAscent = 0;
};

} // namespace

QPoint RotLabTextOrigin(TAlignment Alignment, int TextAngle, int PosX, int PosY, int w2, int h2)
{
    const long double r = static_cast<long double>(TextAngle) / 180.0L * std::numbers::pi_v<long double>;
    long double d = 0;
    if (Alignment == taCenter)
        d = w2;
    else if (Alignment == taRightJustify)
        d = 2.0L * w2;
    const long double s = std::sin(r), c = std::cos(r);
    const int64_t dx = Round(-d * c - h2 * s);
    const int64_t dy = Round(d * s - h2 * c);
    return QPoint(ClampToInt(PosX + dx), ClampToInt(PosY + dy));
}

TRotLab::TRotLab(QWidget* parent) : TSurface(parent)
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

void TRotLab::Repaint()
{
    if (FTransparent)
        PaintLater();
    else
        Paint();
}

void TRotLab::PaintLater()
{
    // Until the queued paint runs, a picture Qt asks for (grab(), render(),
    // an expose) is composed from the new state.
    MarkStale();
    if (FPaintQueued)
        return;
    FPaintQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            FPaintQueued = false;
            // A label that is not on the screen is painted when it is shown.
            if (isVisible())
                GuardedCall(this, [this] { Paint(); });
        },
        Qt::QueuedConnection);
}

void TRotLab::SetAlignment(TAlignment Value)
{
    if (StoreAndRepaint(FAlignment, Value))
        updateGeometry();
}

void TRotLab::SetAntiAlias(bool Value)
{
    StoreAndRepaint(FAntiAlias, Value);
}

void TRotLab::SetAutoCenter(bool Value)
{
    // Not the common writer: switching on re-centres before the repaint.
    if (Value == FAutoCenter)
        return;
    FAutoCenter = Value;
    if (Value)
        AdjustAutoCenter();
    Repaint();
    updateGeometry();
}

// Caption and Color belong to the label as a framework control, whose
// writers invalidate it: the paint follows from the event loop, opaque or not.
void TRotLab::SetCaption(const QString& Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    PaintLater();
    updateGeometry();
    Q_EMIT textChanged(FCaption);
}

void TRotLab::SetColor(TColor Value)
{
    if (Value == FColor)
        return;
    FColor = Value;
    PaintLater();
}

void TRotLab::SetFrameStyle(TFrameStyle Value)
{
    if (StoreAndRepaint(FFrameStyle, Value))
        updateGeometry();
}

// Not the common writer: under AutoCenter a different value is dropped for
// the centre, and the label still repaints.
void TRotLab::SetTextPosX(int Value)
{
    if (Value == FTextPosX)
        return;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FTextPosX = Value;
    Repaint();
    updateGeometry();
}

void TRotLab::SetTextPosY(int Value)
{
    if (Value == FTextPosY)
        return;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FTextPosY = Value;
    Repaint();
    updateGeometry();
}

void TRotLab::SetTextAngle(int Value)
{
    if (StoreAndRepaint(FTextAngle, Value))
        updateGeometry();
}

void TRotLab::SetTransparent(bool Value)
{
    // Not the common writer: the repaint follows the new value, at once when
    // now opaque and later when now transparent.
    if (Value == FTransparent)
        return;
    FTransparent = Value;
    // An opaque label fills all of itself, so the parent need not be drawn under it.
    setAttribute(Qt::WA_OpaquePaintEvent, !Value);
    Repaint();
}

void TRotLab::Assign(QObject* Source)
{
    const auto* src = qobject_cast<const TRotLab*>(Source);
    if (!src)
        ThrowCannotAssign(ClassNameOf(Source), ClassNameOf(this));
    FAutoCenter = src->FAutoCenter;
    FFrameStyle = src->FFrameStyle;
    FTextAngle = src->FTextAngle;
    FTextPosX = src->FTextPosX;
    FTextPosY = src->FTextPosY;
    FAntiAlias = src->FAntiAlias;
    PaintLater();
    updateGeometry();
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
    FTextPosX = width() / 2;
    FTextPosY = height() / 2;
}

bool TRotLab::FollowSize()
{
    if (!parentWidget() || !FAutoCenter)
        return false;
    AdjustAutoCenter();
    return true;
}

void TRotLab::ProcessResize(QObject*)
{
    if (FollowSize())
        Repaint();
}

void TRotLab::Paint()
{
    if (Designing()) {
        // A hidden label draws nothing, also in a form designer, where it
        // stays on the form: an empty layer lets the form show through.
        setAttribute(Qt::WA_OpaquePaintEvent, Visible() && !FTransparent);
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
    // opaque label fills every pixel of its picture.
    const qreal ratio = PaintRatio();
    FBitmap = FTransparent ? ReusedLayer(ratio) : ReusedPicture(ratio);
    FCanvas.SetPalette(palette());
    if (!FBitmap.isNull()) {
        if (!FTransparent) {
            FCanvas.SetBrushColor(FColor);
            FCanvas.FillRect(0, 0, width(), height());
        }
        QRect r = rect();
        DoDrawText(r, 0);
        DrawFrame(FCanvas, FFrameStyle, 0, 0, width() - 1, height() - 1, clWhite, clSilver, clGray, clBlack,
                  clBlack);
    }
    // Laid over the parent's pixels on the screen: the layer's transparent
    // pixels leave them as they are. The label keeps no picture of its own
    // once it is presented.
    Present(FBitmap);
    FCanvas.Detach();
    FBitmap = QImage();
}

void TRotLab::DoDrawText(QRect&, unsigned Flags)
{
    if ((Flags & DT_CALCRECT) || FBitmap.isNull())
        return;
    const QString text = FCaption;

    // The control's font with the chosen glyph quality; everything else of
    // it (family, size, weight, style) is kept.
    QFont f = font();
    f.setStyleHint(QFont::AnyStyle, FAntiAlias ? QFont::PreferAntialias : QFont::PreferDefault);
    // Set only when it changed, so that the canvas keeps its font metrics.
    if (FCanvas.Font() != f)
        FCanvas.SetFont(f);
    FCanvas.SetBrushStyle(bsClear);
    if (text.isEmpty())
        return;

    // Measured along the text's own baseline, so the angle does not change them.
    const int w2 = FCanvas.TextWidth(text) / 2;
    const int h2 = FCanvas.TextHeight(text) / 2;
    const QPoint o = RotLabTextOrigin(FAlignment, FTextAngle, FTextPosX, FTextPosY, w2, h2);
    // The painter turns by whole degrees; one turn more or less is the same
    // direction, and reducing keeps huge angles exact.
    const int degrees = FTextAngle % 360;

    // Disabled, by itself or by a disabled parent as every Qt widget is, in
    // the engraved look of the system's highlight and shadow colours.
    const TColor color = ColorFromRgb(palette().color(QPalette::Active, QPalette::WindowText).rgb());
    TTurnedText turned(FCanvas, text, degrees);
    DrawCaptionLook(
        FCanvas, isEnabled(), color, o.x(), o.y(),
        [&](int x, int y) { turned.Draw(x, y); },
        {.Light = clBtnHighlight, .Shadow = clBtnShadow});
}

void TRotLab::changeEvent(QEvent* event)
{
    TSurface::changeEvent(event);
    // The picture shows the enabled state, the font and the palette's window
    // text: a change of any of them repaints it.
    const QEvent::Type type = event->type();
    if (type == QEvent::EnabledChange || type == QEvent::FontChange || type == QEvent::PaletteChange)
        GuardedCall(this, [this] { Repaint(); });
}

void TRotLab::resizeEvent(QResizeEvent* event)
{
    // The reference point follows first, so the surface's repaint at the new
    // size shows it in its place.
    FollowSize();
    TSurface::resizeEvent(event);
}

} // namespace vorn
