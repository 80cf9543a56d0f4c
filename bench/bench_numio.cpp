// Speed of the numeric field: one paint of the main window's frequency
// field, a keystroke's validation of a long text, and reading a value.
#include "NumIO.h"


#include <benchmark/benchmark.h>

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
