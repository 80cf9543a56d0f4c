// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the numeric label's private
// data, its core and the widget as the core's host.
#include "NumLab.h"
#include "NumLabCore_p.h"

namespace vorn {

class TNumLabPrivate final : public TNumLabHost
{
public:
    explicit TNumLabPrivate(TNumLab* q) : q(q) {}

    QObject* Sender() override { return q; }
    QSize Size() const override { return q->size(); }
    qreal Ratio() const override { return q->devicePixelRatioF(); }
    QFont Font() const override { return q->font(); }
    QPalette Palette() const override { return q->palette(); }
    bool Enabled() const override { return q->isEnabled(); }
    bool HasFocus() const override { return false; }
    bool Showing() const override { return q->isVisible(); }
    void Paint() override { q->Paint(); }
    /// Composed when Qt paints the label next: several requests give one picture.
    void PaintLater() override
    {
        q->MarkStale();
        q->update();
    }
    void SizeHintChanged() override { q->updateGeometry(); }
    void Resize(QSize size) override { q->resize(size); }
    void TakeFocus() override {}
    void Beep() override {}
    void NotifyAccessible(int) override {}

    void BeforeDisplay(QString& text) override;
    bool BeforeDisplayHooked() const override;
    void ValueChanged(double value) override { Q_EMIT q->valueChanged(value); }
    void ShownTextChanged(const QString& before) override;
    bool ShownTextWanted() const override;
    void RepaintBeneath() override { q->update(); }

    TNumLab* const q;
    TNumLabCore core{*this};
};

} // namespace vorn
