// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the dot-matrix label's private
// data, its core and the widget as the core's host.
#include "MessageTimer_p.h"
#include "RasterLab.h"
#include "RasterLabCore_p.h"
#include "WidgetHost_p.h"

#include <memory>

namespace vorn {

class TRasterLabPrivate final : public TWidgetHost<TRasterLab>, public TRasterLabScrollHost
{
public:
    explicit TRasterLabPrivate(TRasterLab* q);

    void PaintLater() override;

    void StartScrollTimer(int ms) override;
    void StopScrollTimer() override;
    bool Designing() const override { return q->Designing(); }
    void ScrollLoopRestarted() override { q->DoScrLoopRestart(); }

    TRasterLabCore core{*this, *this};
    /// The hidden window that carries the scroll timer (id 1); every tick is
    /// the widget's DoTimer().
    std::unique_ptr<TMessageTimer> FScrTimer;
    TRasterLab::TNotifyEvent FOnScrollTimer;
    /// Font changes are followed only after construction has set the font.
    bool FFontHooked = false;
};

} // namespace vorn
