// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The X server a benchmark draws on, for the benchmarks that count its work
// beside the program's own: a wait until it has done what it was asked, and
// the CPU time of a process read from /proc.
#include <optional>
#include <sys/types.h>

// Waits until the X server has handled every request the program has sent
// (one round trip), when the program runs on Qt's xcb platform and was built
// with libxcb; otherwise returns at once. The server works asynchronously, so
// its work for what the program drew is only done after this.
void WaitForXServer();

// Whether WaitForXServer can wait: the program runs on xcb and knows libxcb.
bool CanWaitForXServer();

// The CPU time (user and system) process `pid` has used, in seconds, from
// /proc/<pid>/stat: a whole number of clock ticks (sysconf(_SC_CLK_TCK),
// 100 per second on Linux, so 10 ms steps). Empty when it cannot be read.
std::optional<double> ProcessCpuSeconds(pid_t pid);
