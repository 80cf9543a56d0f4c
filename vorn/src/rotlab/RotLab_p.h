// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the rotated label's private
// data, its core and the widget as the core's host.
#include "RotLab.h"
#include "RotLabCore_p.h"
#include "WidgetHost_p.h"

namespace vorn {

class TRotLabPrivate final : public TWidgetHost<TRotLab>
{
public:
    explicit TRotLabPrivate(TRotLab* q) : TWidgetHost(q) {}

    /// The ratio the label composes at, which a derived label may choose.
    qreal Ratio() const override { return q->PaintRatio(); }
    void PaintLater() override;

    TRotLabCore core{*this};
    /// A paint from the event loop is queued.
    bool FPaintQueued = false;
};

} // namespace vorn
