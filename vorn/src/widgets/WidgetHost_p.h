// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: a control's widget as its core's
// host. What every control answers alike (size, ratio, font, palette, state,
// painting, layout, focus, beep) is here once; each control's private class
// adds PaintLater, which the controls do differently, and what else its core
// asks of it.
#include "Application_p.h"
#include "ControlHost_p.h"

namespace vorn {

/// Host is TControlHost or a control's own host derived from it.
template <class Widget, class Host = TControlHost>
class TWidgetHost : public Host
{
public:
    explicit TWidgetHost(Widget* q) : q(q) {}

    QObject* Sender() override { return q; }
    QSize Size() const override { return q->size(); }
    qreal Ratio() const override { return q->devicePixelRatioF(); }
    QFont Font() const override { return q->font(); }
    QPalette Palette() const override { return q->palette(); }
    bool Enabled() const override { return q->isEnabled(); }
    bool HasFocus() const override { return q->hasFocus(); }
    bool Showing() const override { return q->isVisible(); }
    void Paint() override { q->Paint(); }
    void SizeHintChanged() override { q->updateGeometry(); }
    void Resize(QSize size) override { q->resize(size); }
    void TakeFocus() override { q->setFocus(Qt::OtherFocusReason); }
    void Beep() override { MessageBeep(); }
    void NotifyAccessible(int) override {}

    Widget* const q;
};

} // namespace vorn
