// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "MessageTimer_p.h"

#include "Application.h"

#include <QTimerEvent>

namespace vorn {

namespace {
bool RefuseTimers = false;
}

TMessageTimer::TMessageTimer(Handler handler, QObject* owner) : FHandler(std::move(handler)), FOwner(owner) {}

TMessageTimer::~TMessageTimer()
{
    for (int qtId : std::as_const(FTimers))
        killTimer(qtId);
}

void TMessageTimer::SetRefuseTimers(bool refuse)
{
    RefuseTimers = refuse;
}

bool TMessageTimer::SetTimer(int id, int ms)
{
    KillTimer(id);
    if (RefuseTimers || ms <= 0)
        return false;
    const int qtId = startTimer(ms);
    if (qtId == 0)
        return false;
    FTimers.insert(id, qtId);
    FIntervals.insert(id, ms);
    return true;
}

void TMessageTimer::KillTimer(int id)
{
    const auto it = FTimers.find(id);
    if (it == FTimers.end())
        return;
    killTimer(it.value());
    FTimers.erase(it);
    FIntervals.remove(id);
}

void TMessageTimer::Tick(int id)
{
    GuardedCall(FOwner, [&] {
        if (FHandler)
            FHandler(id);
    });
}

void TMessageTimer::timerEvent(QTimerEvent* event)
{
    for (auto it = FTimers.cbegin(); it != FTimers.cend(); ++it)
        if (it.value() == event->timerId()) {
            Tick(it.key());
            return;
        }
}

} // namespace vorn
