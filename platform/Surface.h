#pragma once
// A control that composes its whole picture off-screen and shows it at once.
// Paint() builds the picture and hands it to Present(), which shows it
// synchronously (QWidget::repaint); paintEvent() only copies the last
// picture, so a test reads exactly what Paint drew without a screen.
// Pictures are composed at the widget's device pixel ratio (NewPicture) and
// composed again when the widget moves to another screen or its ratio
// changes. A control that is not on screen composes nothing: its picture is
// marked stale and composed once, on its first show or when it is read.
#include "Canvas.h"

#include <QImage>
#include <QWidget>

class TSurface : public QWidget
{
public:
    using QWidget::QWidget;

    // The control's own picture, composed first if a Paint found the control
    // off screen since the last picture.
    const QImage& Picture() const;
    // The control's Visible flag: true unless it was hidden explicitly.
    bool Visible() const;
    // How many pictures the control has composed, for tests and benchmarks
    // that check no work is done twice.
    int Compositions() const { return FCompositions; }
    // A white picture of the control's size at its device pixel ratio, for
    // Paint to compose on.
    QImage NewPicture() const;

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

    // Asked by Paint before it composes: true when the control is on screen
    // or its picture is being read. Otherwise the picture is marked stale and
    // Paint stops there, after the steps that must run on every paint.
    bool ComposeNow();
    void Present(QImage picture, TCopyMode mode = cmSrcCopy);
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QImage FPicture;
    TCopyMode FCopyMode = cmSrcCopy;
    // The widget's device pixel ratio when the picture was presented.
    qreal FPictureRatio = 1.0;
    bool FInPaintEvent = false;
    int FCompositions = 0;
    // A Paint found the control off screen; the picture is out of date.
    bool FStale = false;
    // Picture() is composing a stale picture.
    bool FReading = false;
};
