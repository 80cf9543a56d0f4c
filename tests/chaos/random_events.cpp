// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// A seeded random-event test of the calculator's real windows, off-screen
// and in-process:
//   random_events [--seed N] [--events K] [--big PER_MILLE] [--freq-pastes]
//                 [--hang-seconds S] [--verbose]
// CHAOS_SEED and CHAOS_EVENTS give the seed and the count when the options
// do not. A failure prints the seed, the event, the last events and the
// command that replays the run up to it.
#include "Runner.h"
#include "Trail.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace vorn;

namespace {

uint64_t Number(const char* text)
{
    return std::strtoull(text, nullptr, 10);
}

struct Setup
{
    chaos::Options Run;
    int HangSeconds = 120;
    std::string Extra; // the options a replay repeats
    bool Ok = true;
};

Setup Parse(int argc, char** argv)
{
    Setup s;
    if (const char* seed = std::getenv("CHAOS_SEED"))
        s.Run.Seed = Number(seed);
    if (const char* events = std::getenv("CHAOS_EVENTS"))
        s.Run.Events = Number(events);
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--seed" && more)
            s.Run.Seed = Number(argv[++i]);
        else if (a == "--events" && more)
            s.Run.Events = Number(argv[++i]);
        else if (a == "--big" && more) {
            s.Run.BigPerMille = int(Number(argv[++i]));
            s.Extra += " --big " + std::to_string(s.Run.BigPerMille);
        } else if (a == "--freq-pastes") {
            s.Run.FreqPastes = true;
            s.Extra += " --freq-pastes";
        } else if (a == "--hang-seconds" && more)
            s.HangSeconds = int(Number(argv[++i]));
        else if (a == "--verbose")
            s.Run.Verbose = true;
        else
            s.Ok = false;
    }
    if (!s.Extra.empty())
        s.Extra.erase(0, 1);
    return s;
}

} // namespace

int main(int argc, char** argv)
{
    const Setup setup = Parse(argc, argv);
    if (!setup.Ok) {
        std::fprintf(stderr, "usage: random_events [--seed N] [--events K] [--big PER_MILLE] [--freq-pastes] "
                             "[--hang-seconds S] [--verbose]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    chaos::SetReplay(setup.Run.Seed, setup.Extra);
    chaos::InstallCrashHandlers();
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    chaos::StartWatchdog(setup.HangSeconds);

    bool ok = false;
    chaos::Counts c;
    {
        chaos::Runner runner(setup.Run);
        ok = runner.Run();
        c = runner.Totals();
    }
    std::printf("random_events: seed %llu, %llu events: %llu keys, %llu clicks, %llu drags, %llu hovers, "
                "%llu pastes (%llu of 1 MB), %llu caret ticks, Info shown %llu times, %llu moves, %llu restarts, "
                "%llu left out, %llu screen-reader edits, %llu accessibility events; %llu changes checked against the formulas, %llu errors reported; %s\n",
                static_cast<unsigned long long>(setup.Run.Seed), static_cast<unsigned long long>(setup.Run.Events),
                static_cast<unsigned long long>(c.Keys), static_cast<unsigned long long>(c.Clicks),
                static_cast<unsigned long long>(c.Drags), static_cast<unsigned long long>(c.Hovers),
                static_cast<unsigned long long>(c.Pastes), static_cast<unsigned long long>(c.BigPastes),
                static_cast<unsigned long long>(c.Ticks), static_cast<unsigned long long>(c.InfoShown),
                static_cast<unsigned long long>(c.Moves), static_cast<unsigned long long>(c.Restarts),
                static_cast<unsigned long long>(c.Skipped), static_cast<unsigned long long>(c.Assistive),
                static_cast<unsigned long long>(c.AccessibleEvents), static_cast<unsigned long long>(c.Changes),
                static_cast<unsigned long long>(c.Reports), ok ? "all invariants held" : "FAILED");
    return ok ? 0 : 1;
}
