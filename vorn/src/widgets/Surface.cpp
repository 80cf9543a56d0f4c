// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Surface.h"

#include "Application.h"
#include "CanvasShape_p.h"

#include <QEvent>
#include <QPainter>

#include <utility>

namespace vorn {

bool TSurface::Visible() const
{
    if (FDesigning)
        return !FDesignHidden;
    return !(testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden));
}

void TSurface::SetVisible(bool Value)
{
    if (!FDesigning) {
        setVisible(Value);
        return;
    }
    if (FDesignHidden != Value)
        return;
    FDesignHidden = !Value;
    Paint();
}

void TSurface::SetDesigning(bool Value)
{
    if (Value == FDesigning)
        return;
    FDesigning = Value;
    FDesignHidden = false;
    DesigningChanged();
    Paint();
}

namespace {

// The last picture a paint event drew and let go of, kept for the next
// composition of the same size: many controls of one size (a column of
// labels) then compose on the same pixels, with no allocation per paint.
// One picture at most, and only a small one, so what it keeps is bounded.
// Widgets live on the GUI thread only.
constexpr qsizetype SpareLimit = 256 * 1024;

QImage& Spare()
{
    static QImage spare;
    return spare;
}

void KeepSpare(QImage&& picture)
{
    if (picture.isDetached() && picture.sizeInBytes() <= SpareLimit)
        Spare() = std::move(picture);
    picture = QImage();
}

} // namespace

QImage TSurface::NewPicture() const
{
    return NewBitmap(width(), height(), devicePixelRatioF());
}

QImage TSurface::ReusedPicture() const
{
    return ReusedPicture(devicePixelRatioF());
}

QImage TSurface::ReusedPicture(qreal ratio) const
{
    QImage& spare = Spare();
    if (spare.isDetached() && IsBitmapShape(spare, width(), height(), ratio))
        return std::exchange(spare, QImage());
    return NewBitmap(width(), height(), ratio);
}

QImage TSurface::ReusedLayer(qreal ratio) const
{
    QImage& spare = Spare();
    if (spare.isDetached() && IsLayerShape(spare, width(), height(), ratio)) {
        QImage layer = std::exchange(spare, QImage());
        layer.fill(0);
        return layer;
    }
    return NewLayer(width(), height(), ratio);
}

const QImage& TSurface::Picture() const
{
    // A control whose picture is read keeps it from then on; the others
    // keep none between paints.
    FKeepPicture = true;
    if (FStale && !FReading)
        const_cast<TSurface*>(this)->ComposeWanted();
    return FPicture;
}

void TSurface::ComposeWanted()
{
    FReading = true;
    GuardedCall(this, [this] { Paint(); });
    FReading = false;
}

bool TSurface::ComposeNow()
{
    // The picture is composed when it is wanted: when Qt paints the control
    // (any number of changes before that make one picture and one flush) or
    // when it is read.
    if (FReading) {
        FStale = false;
        return true;
    }
    FStale = true;
    if (isVisible())
        update();
    return false;
}

void TSurface::Present(QImage picture, TCopyMode mode)
{
    FPicture = std::move(picture);
    FCopyMode = mode;
    ++FCompositions;
    FPictureRatio = devicePixelRatioF();
    if (!FInPaintEvent && isVisible())
        repaint();
}

bool TSurface::event(QEvent* event)
{
    // Qt sends ScreenChangeInternal to every widget of a window that moved
    // to another screen (after QWindow::screenChanged); from Qt 6.6 on a
    // ratio change on the same screen has an event of its own.
    bool compose = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    compose = compose || event->type() == QEvent::DevicePixelRatioChange;
#endif
    if (compose && FCompositions > 0)
        GuardedCall(this, [this] { Paint(); });
    return QWidget::event(event);
}

void TSurface::paintEvent(QPaintEvent*)
{
    // A picture of another size, presented at another ratio than the
    // widget's now (a change no event reported), or left stale by a Paint
    // that found the control off screen, is composed again first. The last
    // is how grab() and render() of a control whose window is not shown
    // see it as it is now.
    FInPaintEvent = true;
    if (FStale || LogicalSize(FPicture) != size() || FPictureRatio != devicePixelRatioF())
        ComposeWanted();
    FInPaintEvent = false;
    // The painter places a picture of ratio r at its logical size.
    QPainter p(this);
    if (FCopyMode == cmSrcAnd)
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(QPointF(0, 0), FPicture);
    CoverEdges(p);
    // The picture is in the window's backing store now. Like Qt's own
    // widgets, the control keeps no picture between paints (its memory is
    // its state): the next paint composes again.
    if (!FKeepPicture) {
        p.end();
        KeepSpare(std::move(FPicture));
        FStale = true;
    }
}

void TSurface::CoverEdges(QPainter& p) const
{
    // At a fractional ratio the picture has floor(w * r) device columns, and
    // Qt gives the widget the device pixels its window position rounds to:
    // up to one more column and row, which nothing else paints under an
    // opaque control. The picture's last column and row, stretched over one
    // logical pixel past its end, fill them; the widget's clip keeps the
    // strips inside it. At whole ratios the picture fills the widget exactly.
    if (FPicture.isNull())
        return;
    const qreal r = FPicture.devicePixelRatio();
    const int pw = FPicture.width(), ph = FPicture.height();
    const qreal right = pw / r, bottom = ph / r;
    const bool wider = right < width(), taller = bottom < height();
    if (wider)
        p.drawImage(QRectF(right, 0, 1, bottom), FPicture, QRectF(pw - 1, 0, 1, ph));
    if (taller)
        p.drawImage(QRectF(0, bottom, right, 1), FPicture, QRectF(0, ph - 1, pw, 1));
    if (wider && taller)
        p.drawImage(QRectF(right, bottom, 1, 1), FPicture, QRectF(pw - 1, ph - 1, 1, 1));
}

void TSurface::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        MarkStale();
        update();
    }
}

void TSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!FInPaintEvent && FCompositions > 0)
        GuardedCall(this, [this] { Paint(); });
}

void TSurface::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    GuardedCall(this, [this] { Paint(); });
}

} // namespace vorn
