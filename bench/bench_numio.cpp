// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Speed of the numeric field: one paint of the main window's frequency
// field, a caret blink with a short and a very long text, a keystroke's
// validation of a long text, and reading a value.
#include "MessageTimer_p.h"
#include <QApplication>

#include "NumIO.h"

#include <benchmark/benchmark.h>

using namespace vorn;

namespace {

void BM_PaintFrequencyField(benchmark::State& state)
{
    TNumIO2 f;
    f.SetWidth(177);
    f.SetHeight(25);
    f.SetLeftSpace(65);
    f.SetLeftText(QStringLiteral("Frequency"));
    f.SetRightText(QStringLiteral("MHz"));
    f.SetDecP(3);
    f.SetNioValue(7.1);
    f.show();
    for (auto _ : state) {
        f.Paint();
        benchmark::DoNotOptimize(f.Picture().constBits());
    }
}
BENCHMARK(BM_PaintFrequencyField);

// One caret blink (a tick of the caret timer, which repaints the field) with
// a text of range(0) characters in the main window's field, centred.
void BM_CaretBlink(benchmark::State& state)
{
    TNumIO2 f;
    f.SetWidth(177);
    f.SetHeight(25);
    f.SetLeftSpace(65);
    f.show();
    f.SetNioText(QString(state.range(0) - 1, u'0') + QLatin1Char('7'));
    QApplication::setActiveWindow(&f); // focused, so the caret blinks
    f.SetFocus();
    TMessageTimer* timer = f.CaretTimer();
    timer->Tick(1); // the first paint measures the text
    for (auto _ : state) {
        timer->Tick(1);
        benchmark::DoNotOptimize(f.Picture().constBits());
    }
}
BENCHMARK(BM_CaretBlink)->Arg(10)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_CheckValidityLongText(benchmark::State& state)
{
    TNumIO2 f;
    f.SetInFormatType(itExp);
    const QString text = QString(state.range(0), u'7') + QStringLiteral(".5E-12");
    for (auto _ : state)
        benchmark::DoNotOptimize(f.CheckValidity(text));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CheckValidityLongText)->Range(64, 1 << 20)->Complexity(benchmark::oN);

void BM_ReadValue(benchmark::State& state)
{
    TNumIO2 f;
    f.SetDecP(3);
    f.SetNioValue(8.4509033);
    for (auto _ : state)
        benchmark::DoNotOptimize(f.GetNioValue());
}
BENCHMARK(BM_ReadValue);

} // namespace
