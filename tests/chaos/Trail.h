// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The trail of a random-event run: the last events, the seed and the options
// that replay it, kept in fixed buffers so that a crash handler can still
// print them. Also the handlers that print the trail when the run dies (a
// signal, std::terminate, a Qt fatal message, a sanitizer report) and a
// watchdog thread that prints it when an event never returns.
#include <cstdint>
#include <string>

namespace chaos {

// How many of the last events a failure report lists.
constexpr int TrailLength = 20;

// The seed and the extra options (besides --seed and --events) of the run,
// for the replay line.
void SetReplay(uint64_t seed, const std::string& options);
// Starts event `index` (0-based) with its description.
void Record(uint64_t index, const std::string& what);
// Adds a detail to the event being run (shown with it in the trail).
void Annotate(const std::string& detail);
// Prints a failure of event `index`: the reason, the last events and the
// replay command, to standard error.
void PrintFailure(const std::string& reason);
// Signal, terminate, Qt-fatal and sanitizer hooks that print the trail.
void InstallCrashHandlers();
// Prints the trail and ends the program when no event completes within
// `seconds`; Beat() marks progress.
void StartWatchdog(int seconds);
void Beat();

} // namespace chaos
