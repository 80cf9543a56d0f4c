// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the rotated label's private
// data, its core and the widget as the core's host.
#include "RotLab.h"
#include "RotLabCore_p.h"

namespace vorn {

class TRotLabPrivate final : public TControlHost
{
public:
    explicit TRotLabPrivate(TRotLab* q) : q(q) {}

    QObject* Sender() override { return q; }
    QSize Size() const override { return q->size(); }
    qreal Ratio() const override { return q->PaintRatio(); }
    QFont Font() const override { return q->font(); }
    QPalette Palette() const override { return q->palette(); }
    bool Enabled() const override { return q->isEnabled(); }
    bool HasFocus() const override { return false; }
    bool Showing() const override { return q->isVisible(); }
    void Paint() override { q->Paint(); }
    void PaintLater() override;
    void SizeHintChanged() override { q->updateGeometry(); }
    void Resize(QSize size) override { q->resize(size); }
    void TakeFocus() override {}
    void Beep() override {}
    void NotifyAccessible(int) override {}

    TRotLab* const q;
    TRotLabCore core{*this};
    /// A paint from the event loop is queued.
    bool FPaintQueued = false;
};

} // namespace vorn
