// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Linked into a program beside its own main, unchanged: once the program's
// first window has been painted and the X server has taken the picture, it
// prints the process's CPU time and the monotonic clock on one line and ends
// the process at once, so that closing the program is not timed. Used by
// bench/startup_on_x.sh, which started the process and knows the time it did.
//
// The line reads "first-frame cpu_ns=<user+system> steady_ns=<CLOCK_MONOTONIC>
// window=<class of the window>".
#include "XServer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

long long Nanoseconds(const timeval& t)
{
    return static_cast<long long>(t.tv_sec) * 1000000000LL + static_cast<long long>(t.tv_usec) * 1000LL;
}

// Watches every event of the application for the first paint of a shown
// top-level widget.
class TFirstFrame : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !FWindow && receiver->isWidgetType()) {
            auto* w = static_cast<QWidget*>(receiver);
            // A window is painted before its children and the picture is sent
            // to the server in the same pass; a zero timer runs after both.
            if (w->isWindow() && w->isVisible()) {
                FWindow = w->metaObject()->className();
                QTimer::singleShot(0, this, [this] { Record(); });
            }
        }
        return false;
    }

private:
    const char* FWindow = nullptr;

    void Record() const
    {
        WaitForXServer();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        // steady_clock is CLOCK_MONOTONIC on Linux, the clock the launcher
        // read when it started the process.
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        std::printf("first-frame cpu_ns=%lld steady_ns=%lld window=%s\n",
                    Nanoseconds(usage.ru_utime) + Nanoseconds(usage.ru_stime),
                    static_cast<long long>(now.count()), FWindow);
        std::fflush(stdout);
        std::_Exit(0);
    }
};

void InstallFirstFrameProbe()
{
    qApp->installEventFilter(new TFirstFrame(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstFrameProbe)
