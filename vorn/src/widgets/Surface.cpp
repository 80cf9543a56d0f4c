// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Surface_p.h"

#include "Application.h"
#include "CanvasShape_p.h"

#include <QEvent>
#include <QPainter>

#include <utility>

namespace vorn {

TSurface::TSurface(QWidget* parent) : QWidget(parent), ds(std::make_unique<TSurfacePrivate>())
{
}

TSurface::~TSurface() = default;

bool TSurface::Designing() const
{
    return ds->FDesigning;
}

void TSurface::MarkStale()
{
    ds->FStale = true;
}

bool TSurface::Visible() const
{
    if (ds->FDesigning)
        return !ds->FDesignHidden;
    return !(testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden));
}

void TSurface::SetVisible(bool Value)
{
    if (!ds->FDesigning) {
        setVisible(Value);
        return;
    }
    if (ds->FDesignHidden != Value)
        return;
    ds->FDesignHidden = !Value;
    Paint();
}

void TSurface::SetDesigning(bool Value)
{
    if (Value == ds->FDesigning)
        return;
    ds->FDesigning = Value;
    ds->FDesignHidden = false;
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
    ds->FKeepPicture = true;
    if (ds->FStale && !ds->FReading)
        const_cast<TSurface*>(this)->ComposeWanted();
    return ds->FPicture;
}

void TSurface::ComposeWanted()
{
    ds->FReading = true;
    GuardedCall(this, [this] { Paint(); });
    ds->FReading = false;
}

bool TSurface::ComposeNow()
{
    // The picture is composed when it is wanted: when Qt paints the control
    // (any number of changes before that make one picture and one flush) or
    // when it is read.
    if (ds->FReading) {
        ds->FStale = false;
        return true;
    }
    ds->FStale = true;
    if (isVisible())
        update();
    return false;
}

void TSurface::Present(QImage picture, TCopyMode mode)
{
    ds->FPicture = std::move(picture);
    ds->FCopyMode = mode;
    ++ds->FCompositions;
    ds->FPictureRatio = devicePixelRatioF();
    if (!ds->FInPaintEvent && isVisible())
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
    if (compose && ds->FCompositions > 0)
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
    ds->FInPaintEvent = true;
    if (ds->FStale || LogicalSize(ds->FPicture) != size() || ds->FPictureRatio != devicePixelRatioF())
        ComposeWanted();
    ds->FInPaintEvent = false;
    // The painter places a picture of ratio r at its logical size.
    QPainter p(this);
    if (ds->FCopyMode == cmSrcAnd)
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(QPointF(0, 0), ds->FPicture);
    CoverEdges(p);
    // The picture is in the window's backing store now. Like Qt's own
    // widgets, the control keeps no picture between paints (its memory is
    // its state): the next paint composes again.
    if (!ds->FKeepPicture) {
        p.end();
        KeepSpare(std::move(ds->FPicture));
        ds->FStale = true;
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
    if (ds->FPicture.isNull())
        return;
    const qreal r = ds->FPicture.devicePixelRatio();
    const int pw = ds->FPicture.width(), ph = ds->FPicture.height();
    const qreal right = pw / r, bottom = ph / r;
    const bool wider = right < width(), taller = bottom < height();
    if (wider)
        p.drawImage(QRectF(right, 0, 1, bottom), ds->FPicture, QRectF(pw - 1, 0, 1, ph));
    if (taller)
        p.drawImage(QRectF(0, bottom, right, 1), ds->FPicture, QRectF(0, ph - 1, pw, 1));
    if (wider && taller)
        p.drawImage(QRectF(right, bottom, 1, 1), ds->FPicture, QRectF(pw - 1, ph - 1, 1, 1));
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
    if (!ds->FInPaintEvent && ds->FCompositions > 0)
        GuardedCall(this, [this] { Paint(); });
}

void TSurface::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    GuardedCall(this, [this] { Paint(); });
}

} // namespace vorn
