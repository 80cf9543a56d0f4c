#pragma once
// A control that composes its whole picture off-screen and shows it at once.
// Paint() builds the picture and hands it to Present(), which shows it
// synchronously (QWidget::repaint); paintEvent() only copies the last
// picture, so a test reads exactly what Paint drew without a screen.
#include "Canvas.h"

#include <QImage>
#include <QWidget>

class TSurface : public QWidget
{
public:
    using QWidget::QWidget;

    // The control's own picture at the last Paint.
    const QImage& Picture() const { return FPicture; }
    // The control's Visible flag: true unless it was hidden explicitly.
    bool Visible() const;

    virtual void Paint() = 0;

protected:
    // The common property writer: stores a changed value and repaints at
    // once; an equal value changes nothing. Returns whether it changed, for
    // writers that do more on a change.
    template <class T>
    bool StoreAndPaint(T& field, const T& value)
    {
        if (field == value)
            return false;
        field = value;
        Paint();
        return true;
    }

    void Present(QImage picture, TCopyMode mode = cmSrcCopy);
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QImage FPicture;
    TCopyMode FCopyMode = cmSrcCopy;
    bool FInPaintEvent = false;
};
