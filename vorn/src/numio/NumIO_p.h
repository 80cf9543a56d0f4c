// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the field's private data, its
// core (NumIOCore_p.h: the state, scanners, validators and unit constants)
// and the widget as the core's host.
#include "Application_p.h"
#include "Keys_p.h"
#include "MessageTimer_p.h"
#include "NumIO.h"
#include "NumIOCore_p.h"
#include "WidgetHost_p.h"
#include "vornbase_p.h"

namespace vorn {

class TNumIO2Private final : public TWidgetHost<TNumIO2>, public TNumIO2Host
{
public:
    explicit TNumIO2Private(TNumIO2* q) : TWidgetHost(q) {}

    // --- The core's host: the widget --------------------------------------
    void PaintLater() override { q->update(); }
    void NotifyAccessible(int event) override;

    // --- What the field tells: the widget's events and signals -------------
    void Changed() override { q->Changed(); }
    void TextChanged(const QString& text) override { Q_EMIT q->textChanged(text); }
    void ValueChanged(double value) override { Q_EMIT q->valueChanged(value); }
    void GaugeChanged(TShiftState shift, double value) override;
    bool StartBlink(int ms) override { return FCaretTimer.SetTimer(1, ms); }
    void StopBlink() override { FCaretTimer.KillTimer(1); }
    void FocusNext() override;

    TNumIO2Core core{*this, *this};
    /// The hidden window whose timer 1 blinks the caret.
    TMessageTimer FCaretTimer{[this](int id) { q->WndProc(id); }, q};
    /// Made on the first SetFocusShortcut; a child of the field.
    QShortcut* FFocusShortcut = nullptr;
    /// Nothing is painted until the field's window exists.
    bool FSuppressPaint = true;
    bool FInPaint = false; ///< a resize by AutoSize paints once, not nested
};

} // namespace vorn
