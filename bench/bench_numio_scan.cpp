// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Time of the field's text scanners against the length of the text, from
// a short number to a megabyte of digits: each pass reads every character
// once, so the time should grow in proportion to the length.
#include "NumIO.h"
#include "NumIO_p.h"

#include <benchmark/benchmark.h>

#include <cstdint>

using namespace vorn;

namespace {

constexpr int64_t Shortest = 64, Longest = 1 << 20;

void Measure(benchmark::State& state)
{
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0) * int64_t(sizeof(QChar)));
}

void BM_IsValidFPNum(benchmark::State& state)
{
    const QString digits(state.range(0), u'7');
    for (auto _ : state)
        benchmark::DoNotOptimize(IsValidFPNum(digits, dsDot));
    Measure(state);
}
BENCHMARK(BM_IsValidFPNum)->Range(Shortest, Longest)->Complexity(benchmark::oN);

void BM_IsValidDouble(benchmark::State& state)
{
    const QString digits(state.range(0), u'7');
    for (auto _ : state)
        benchmark::DoNotOptimize(IsValidDouble(digits, true, dsDot));
    Measure(state);
}
BENCHMARK(BM_IsValidDouble)->Range(Shortest, Longest)->Complexity(benchmark::oN);

void BM_ScanFPNumMantissa(benchmark::State& state)
{
    const QString digits(state.range(0), u'7');
    for (auto _ : state) {
        int32_t idx = 1;
        benchmark::DoNotOptimize(ScanFPNum(digits, true, 3, idx));
    }
    Measure(state);
}
BENCHMARK(BM_ScanFPNumMantissa)->Range(Shortest, Longest)->Complexity(benchmark::oN);

void BM_ScanFPNumExponent(benchmark::State& state)
{
    const QString text = QStringLiteral("1E") + QString(state.range(0), u'7');
    for (auto _ : state) {
        int32_t idx = 1;
        benchmark::DoNotOptimize(ScanFPNum(text, true, 3, idx));
    }
    Measure(state);
}
BENCHMARK(BM_ScanFPNumExponent)->Range(Shortest, Longest)->Complexity(benchmark::oN);

} // namespace
