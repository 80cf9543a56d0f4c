// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Internal to the library, never installed. The hidden message window with
/// timers that the controls own: timers are started and stopped by id, and
/// every tick calls the owner's handler on the GUI thread. An exception escaping the handler goes to the application's
/// exception handler and no further.
#include <vorn/vorn_export.h>

#include <QHash>
#include <QObject>

#include <functional>

namespace vorn {

/// A hidden window's numbered timers: each running timer calls the handler
/// with its number.
class VORN_TESTS_EXPORT TMessageTimer : public QObject
{
public:
    using Handler = std::function<void(int id)>;

    explicit TMessageTimer(Handler handler, QObject* owner = nullptr);
    ~TMessageTimer() override;

    /// Starts (or restarts) timer `id` with the interval `ms`; false when the
    /// platform refuses it.
    bool SetTimer(int id, int ms);
    void KillTimer(int id);
    bool IsRunning(int id) const { return FTimers.contains(id); }
    int Interval(int id) const { return FIntervals.value(id, 0); }

    /// Delivers one tick of `id` at once, as the message loop would.
    void Tick(int id);

    /// While set, every SetTimer is refused (to reach "no timer available").
    static void SetRefuseTimers(bool refuse);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    Handler FHandler;
    QObject* FOwner;
    QHash<int, int> FTimers;    ///< our id -> Qt's timer id
    QHash<int, int> FIntervals; ///< our id -> interval in ms
};

} // namespace vorn
