// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Cost of the number-to-text conversions that every field and label paint
// goes through.
#include "Str_p.h"
#include "math1_p.h"
#include "stringl_p.h"

#include <benchmark/benchmark.h>

using namespace vorn;

static void BM_StrFixed(benchmark::State& state)
{
    long double x = 8.4509033L;
    for (auto _ : state)
        benchmark::DoNotOptimize(Str(x, 1, 3));
}
BENCHMARK(BM_StrFixed);

static void BM_StrffExponential(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(strff(12345.678L, 12, -2));
}
BENCHMARK(BM_StrffExponential);

static void BM_EEngStr(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(EEngStr(4700.0, 3));
}
BENCHMARK(BM_EEngStr);
