// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the numeric label's private
// data, its core and the widget as the core's host.
#include "NumLab.h"
#include "NumLabCore_p.h"
#include "WidgetHost_p.h"

namespace vorn {

class TNumLabPrivate final : public TWidgetHost<TNumLab, TNumLabHost>
{
public:
    explicit TNumLabPrivate(TNumLab* q) : TWidgetHost(q) {}

    /// Composed when Qt paints the label next: several requests give one picture.
    void PaintLater() override
    {
        q->MarkStale();
        q->update();
    }

    void BeforeDisplay(QString& text) override;
    bool BeforeDisplayHooked() const override;
    void ValueChanged(double value) override { Q_EMIT q->valueChanged(value); }
    void ShownTextChanged(const QString& before) override;
    bool ShownTextWanted() const override;
    void RepaintBeneath() override { q->update(); }

    TNumLabCore core{*this};
};

} // namespace vorn
