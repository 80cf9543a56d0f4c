#include "Surface.h"

#include "Application.h"

#include <QPainter>

bool TSurface::Visible() const
{
    return !(testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden));
}

void TSurface::Present(QImage picture, TCopyMode mode)
{
    FPicture = std::move(picture);
    FCopyMode = mode;
    if (!FInPaintEvent && isVisible())
        repaint();
}

void TSurface::paintEvent(QPaintEvent*)
{
    FInPaintEvent = true;
    if (FPicture.size() != size())
        GuardedCall(this, [this] { Paint(); });
    FInPaintEvent = false;
    QPainter p(this);
    if (FCopyMode == cmSrcAnd)
        p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    p.drawImage(0, 0, FPicture);
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
