#include "Surface.h"

#include "Application.h"

#include <QEvent>
#include <QPainter>

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

QImage TSurface::NewPicture() const
{
    return NewBitmap(width(), height(), devicePixelRatioF());
}

const QImage& TSurface::Picture() const
{
    if (FStale && !FReading) {
        auto* self = const_cast<TSurface*>(this);
        self->FReading = true;
        GuardedCall(self, [self] { self->Paint(); });
        self->FReading = false;
    }
    return FPicture;
}

bool TSurface::ComposeNow()
{
    FStale = !isVisible() && !FReading;
    return !FStale;
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
    if (compose && !FPicture.isNull())
        GuardedCall(this, [this] { Paint(); });
    return QWidget::event(event);
}

void TSurface::paintEvent(QPaintEvent*)
{
    // A picture of another size, or presented at another ratio than the
    // widget's now (a change no event reported), is composed again first.
    FInPaintEvent = true;
    if (LogicalSize(FPicture) != size() || FPictureRatio != devicePixelRatioF())
        GuardedCall(this, [this] { Paint(); });
    FInPaintEvent = false;
    // The painter places a picture of ratio r at its logical size.
    QPainter p(this);
    if (FCopyMode == cmSrcAnd)
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(QPointF(0, 0), FPicture);
}

void TSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!FInPaintEvent && !FPicture.isNull())
        GuardedCall(this, [this] { Paint(); });
}

void TSurface::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    GuardedCall(this, [this] { Paint(); });
}
