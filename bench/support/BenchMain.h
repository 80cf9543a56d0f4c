// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// What a benchmark program may change about the shared main: flags that go
// before the command line's own (which can still override them), and a run
// function that replaces the plain RunSpecifiedBenchmarks, for a program that
// checks its cases before timing them or summarises the results. Set it from
// a static initialiser, the way BENCHMARK registers a benchmark.
#include <functional>
#include <string>
#include <vector>

struct TBenchProgram
{
    std::vector<std::string> DefaultFlags;
    // Runs the benchmarks once Qt and the flags are set up; returns the
    // program's exit status.
    std::function<int()> Run;
};

TBenchProgram& BenchProgram();
