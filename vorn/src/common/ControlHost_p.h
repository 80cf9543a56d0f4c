// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: what a control's core asks of
// the thing that shows it. A core holds a control's state, its model and its
// painting, and needs Qt Gui only; its host is a widget (src/widgets), a test
// or a fuzz target, and could be any other view. The host answers what the
// core reads of it (size, ratio, font, palette, focus, enabled) and does
// what the core cannot do itself (repaint, resize, focus, beep, tell
// assistive technology).
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QSize>

namespace vorn {

class TControlHost
{
public:
    virtual ~TControlHost() = default;

    /// The object the control's events name as their sender.
    virtual QObject* Sender() = 0;
    /// The control's size in logical pixels.
    virtual QSize Size() const = 0;
    /// Device pixels per logical pixel where the control is shown.
    virtual qreal Ratio() const = 0;
    virtual QFont Font() const = 0;
    virtual QPalette Palette() const = 0;
    /// Enabled, by itself and by everything it sits in.
    virtual bool Enabled() const = 0;
    virtual bool HasFocus() const = 0;
    /// Shown on the screen now.
    virtual bool Showing() const = 0;

    /// The state changed what the control shows: paint now, by the
    /// control's own paint steps.
    virtual void Paint() = 0;
    /// The same, from the event loop: several requests give one paint.
    virtual void PaintLater() = 0;
    /// The natural size changed (for layouts).
    virtual void SizeHintChanged() = 0;
    /// The control sizes itself (AutoSize and the like).
    virtual void Resize(QSize size) = 0;
    virtual void TakeFocus() = 0;
    virtual void Beep() = 0;
    /// Tells assistive technology that the value, the text or the caret
    /// changed (QAccessible::Event).
    virtual void NotifyAccessible(int event) = 0;
};

/// The common writer of a core: stores a changed value and has the host paint
/// it at once; an equal value changes nothing. Returns whether it changed, for
/// writers that do more on a change.
template <class T>
bool StoreAndPaint(TControlHost& host, T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    host.Paint();
    return true;
}

/// A host with fixed answers and nothing shown: for a core used alone, as
/// tests and fuzz targets do. What it was asked to do it counts.
class TDetachedHost : public TControlHost
{
public:
    QObject* Sender() override { return nullptr; }
    QSize Size() const override { return FSize; }
    qreal Ratio() const override { return FRatio; }
    QFont Font() const override { return FFont; }
    QPalette Palette() const override { return FPalette; }
    bool Enabled() const override { return FEnabled; }
    bool HasFocus() const override { return FFocus; }
    bool Showing() const override { return false; }
    void Paint() override { ++Paints; }
    void PaintLater() override { ++Paints; }
    void SizeHintChanged() override {}
    void Resize(QSize size) override { FSize = size; }
    void TakeFocus() override { FFocus = true; }
    void Beep() override { ++Beeps; }
    void NotifyAccessible(int) override {}

    QSize FSize{100, 25};
    qreal FRatio = 1.0;
    QFont FFont;
    QPalette FPalette;
    bool FEnabled = true;
    bool FFocus = false;
    int Paints = 0;
    int Beeps = 0;
};

} // namespace vorn
