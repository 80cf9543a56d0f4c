// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A control that composes its whole picture off-screen and shows it at once.
/// Paint() is what a change of the control runs: it does the steps every
/// paint does (hooks, measures) and then, through ComposeNow(), asks Qt for
/// an update. The picture itself is composed when it is wanted: when Qt
/// paints the control (paintEvent(), which draws it into the window's
/// backing store), so that any number of changes before a frame make one
/// picture and one flush, or when it is read (Picture(), which a test reads
/// exactly as Paint draws it). Like Qt's own widgets, a control keeps no
/// picture between paints, unless its Picture() has been read. Pictures are
/// composed at the widget's device pixel ratio (NewPicture). grab() and
/// render() of a control whose window is not shown see it as it is now.
///
/// A control placed in a form designer (SetDesigning) follows the design-time
/// rules instead: Visible false leaves the widget on the form, and each
/// control decides what it shows then (the numeric field and labels paint as
/// usual, the rotated label shows nothing). In a running program nothing of
/// this applies and Visible is the widget's own shown-or-hidden state.
#include "Application.h"
#include "Canvas.h"

#include <vorn/vorn_export.h>

#include <QImage>
#include <QWidget>

#include <memory>

class QPainter;

// Declares the writer that Qt's property system calls for the published
// property Property whose own writer is Writer: Writer##ThroughQt calls
// Writer and hands a value Writer refuses (by throwing) to
// ReportRefusedWrite with the property's name and the value, since an
// exception must not pass through Qt's code. Called from C++, Writer itself
// still throws.
#define VORN_QT_WRITER(Property, Writer)                                                                               \
    template <class V>                                                                                                 \
    void Writer##ThroughQt(const V& value)                                                                             \
    {                                                                                                                  \
        WriteThroughQt(#Property, value, [&] { Writer(value); });                                                      \
    }

namespace vorn {

namespace vornaccess {
class SurfaceAccess;
}
struct TSurfacePrivate;

/// The base of the four controls: a widget that composes its whole picture
/// and shows it at once (see the notes of this file).
class VORN_EXPORT TSurface : public QWidget
{
    Q_OBJECT
    /// Shown or hidden; in a form designer only the control's own picture
    /// follows it. Default true.
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisibleThroughQt)
    /// Tests and benchmarks read how many pictures the control composed.
    friend class vornaccess::SurfaceAccess;

public:
    explicit TSurface(QWidget* parent = nullptr);
    ~TSurface() override;

    /// The control's own picture, composed first if a Paint found the control
    /// off screen since the last picture.
    const QImage& Picture() const;
    /// The control's Visible flag: true unless it was hidden explicitly (at
    /// design time: unless Visible was set to false).
    bool Visible() const;
    /// Shows or hides the widget; at design time only stores the flag and
    /// paints again.
    void SetVisible(bool Value);
    /// Whether the control sits in a form designer. A designer plugin sets it
    /// on the controls it creates; programs never do.
    bool Designing() const;
    void SetDesigning(bool Value);
    /// A white picture of the control's size at its device pixel ratio, for
    /// Paint to compose on.
    QImage NewPicture() const;
    /// A picture of the control's size at its device pixel ratio whose pixels
    /// are left as they were, for a Paint that covers every pixel: pictures
    /// of the same size are used again from one paint to the next (of this
    /// control or of any other), so a paint allocates none.
    QImage ReusedPicture() const;
    /// The same at device pixel ratio `ratio`.
    QImage ReusedPicture(qreal ratio) const;
    /// A transparent layer of the control's size at `ratio`, as NewLayer
    /// makes it (cleared): the one a paint let go of, when it has that shape,
    /// is used again, so a paint allocates none.
    QImage ReusedLayer(qreal ratio) const;

    virtual void Paint() = 0;

protected:
    /// Runs a writer for Qt (its property system, a connected slot) of the
    /// published property `property` with `value`: a refusal goes to
    /// ReportRefusedWrite instead of leaving by an exception.
    template <class V, class F>
    void WriteThroughQt(const char* property, const V& value, F&& write)
    {
        try {
            write();
        } catch (...) {
            ReportRefusedWrite(this, property, QVariant::fromValue(value), std::current_exception());
        }
    }

    /// The common property writer: stores a changed value and paints (see
    /// Paint()); an equal value changes nothing. Returns whether it changed, for
    /// writers that do more on a change.
    template <class T>
    bool StoreAndPaint(T& field, const T& value)
    {
        if (field == value)
            return false;
        field = value;
        Paint();
        return true;
    }

    /// Asked by Paint before it composes: true when the picture is wanted now
    /// (Qt paints the control, or its picture is read). Otherwise the picture
    /// is marked stale, an update is asked for when the control is on
    /// screen, and Paint stops there, after the steps that must run on every
    /// paint.
    bool ComposeNow();
    /// The state changed and the picture will be composed later (a queued
    /// paint): until then a paint event composes it first.
    void MarkStale();
    void Present(QImage picture, TCopyMode mode = cmSrcCopy);
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    /// A new palette or style changes the system colours: the picture is
    /// composed again at the next paint.
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    /// Called after the design-time state changed, for a control that stops
    /// or starts something with it.
    virtual void DesigningChanged() {}

private:
    /// Paints the device pixels at the right and bottom edges that a picture
    /// composed at a fractional ratio leaves uncovered.
    void CoverEdges(QPainter& p) const;
    /// Paint with the picture wanted now, on screen or not: for Picture() and
    /// paintEvent().
    void ComposeWanted();

    /// The surface's state (Surface_p.h).
    std::unique_ptr<TSurfacePrivate> const ds;

private:
    /// The published properties' writers for Qt's property system (see
    /// VORN_QT_WRITER): a value the control refuses is reported, not thrown.
    VORN_QT_WRITER(Visible, SetVisible)
};

} // namespace vorn
