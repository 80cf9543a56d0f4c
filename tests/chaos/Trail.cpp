// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Trail.h"

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <thread>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define CHAOS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define CHAOS_SANITIZER 1
#endif
#ifdef CHAOS_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

namespace chaos {
namespace {

constexpr size_t LineSize = 320;

// Fixed buffers only: a signal handler reads them.
char Trail[TrailLength][LineSize];
std::atomic<uint64_t> Current{0};
std::atomic<uint64_t> Started{0}; // events started, so Current is valid when > 0
char ReplayPrefix[LineSize];
std::atomic<uint64_t> Beats{0};

void WriteAll(const char* s)
{
    size_t n = std::strlen(s);
    while (n > 0) {
        const ssize_t w = ::write(2, s, n);
        if (w <= 0)
            return;
        s += w;
        n -= size_t(w);
    }
}

// Writes an unsigned number without stdio (signal-safe).
void WriteNumber(uint64_t v)
{
    char buf[24];
    int i = int(sizeof buf) - 1;
    buf[i] = '\0';
    do {
        buf[--i] = char('0' + v % 10);
        v /= 10;
    } while (v > 0 && i > 0);
    WriteAll(buf + i);
}

// The last events, oldest first, and the command that replays the run up to
// and including the current one. Signal-safe.
void WriteTrail()
{
    const uint64_t started = Started.load();
    const uint64_t cur = Current.load();
    WriteAll("last events:\n");
    const uint64_t first = started > uint64_t(TrailLength) ? cur + 1 - TrailLength : 0;
    for (uint64_t i = first; started > 0 && i <= cur; ++i) {
        WriteAll("  ");
        WriteAll(Trail[i % TrailLength]);
        WriteAll("\n");
    }
    WriteAll(ReplayPrefix);
    WriteNumber(started > 0 ? cur + 1 : 0);
    WriteAll("\n");
}

extern "C" void OnFatalSignal(int sig)
{
    WriteAll("\nrandom_events: died of signal ");
    WriteNumber(uint64_t(sig));
    WriteAll(" during event ");
    WriteNumber(Current.load());
    WriteAll("\n");
    WriteTrail();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

void OnTerminate()
{
    WriteAll("\nrandom_events: an exception escaped to std::terminate\n");
    WriteTrail();
    std::signal(SIGABRT, SIG_DFL);
    std::abort();
}

#ifdef CHAOS_SANITIZER
extern "C" void OnSanitizerDeath()
{
    WriteAll("\nrandom_events: sanitizer report above\n");
    WriteTrail();
}
#endif

QtMessageHandler PreviousHandler = nullptr;

void OnQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        WriteAll("\nrandom_events: Qt fatal message: ");
        WriteAll(message.toLocal8Bit().constData());
        WriteAll("\n");
        WriteTrail();
    }
    // The off-screen platform says this of every window made; it tells nothing.
    if (type == QtWarningMsg && message.contains(QLatin1String("propagateSizeHints")))
        return;
    if (PreviousHandler)
        PreviousHandler(type, context, message);
}

} // namespace

void SetReplay(uint64_t seed, const std::string& options)
{
    std::snprintf(ReplayPrefix, sizeof ReplayPrefix, "replay: random_events --seed %llu%s%s --events ",
                  static_cast<unsigned long long>(seed), options.empty() ? "" : " ", options.c_str());
}

void Record(uint64_t index, const std::string& what)
{
    std::snprintf(Trail[index % TrailLength], LineSize, "#%llu %s", static_cast<unsigned long long>(index),
                  what.c_str());
    Current.store(index);
    Started.store(index + 1);
}

void Annotate(const std::string& detail)
{
    char* line = Trail[Current.load() % TrailLength];
    const size_t used = std::strlen(line);
    if (used + 3 < LineSize)
        std::snprintf(line + used, LineSize - used, "; %s", detail.c_str());
}

void PrintFailure(const std::string& reason)
{
    std::fflush(stdout);
    WriteAll("\nrandom_events: FAILED at event ");
    WriteNumber(Current.load());
    WriteAll(": ");
    WriteAll(reason.c_str());
    WriteAll("\n");
    WriteTrail();
}

void InstallCrashHandlers()
{
#ifdef CHAOS_SANITIZER
    // The sanitizer reports faults itself and then calls the death callback.
    std::signal(SIGABRT, OnFatalSignal);
    __sanitizer_set_death_callback(OnSanitizerDeath);
#else
    for (int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL})
        std::signal(sig, OnFatalSignal);
#endif
    std::set_terminate(OnTerminate);
    PreviousHandler = qInstallMessageHandler(OnQtMessage);
}

void Beat()
{
    Beats.fetch_add(1);
}

void StartWatchdog(int seconds)
{
    std::thread([seconds] {
        uint64_t last = Beats.load();
        int quiet = 0;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const uint64_t now = Beats.load();
            quiet = now == last ? quiet + 1 : 0;
            last = now;
            if (quiet >= seconds) {
                WriteAll("\nrandom_events: FAILED: no answer for ");
                WriteNumber(uint64_t(seconds));
                WriteAll(" s during event ");
                WriteNumber(Current.load());
                WriteAll("\n");
                WriteTrail();
                ::_exit(3);
            }
        }
    }).detach();
}

} // namespace chaos
