// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Cost of painting a dot-matrix label, still and scrolling, and of building a
// matrix from a font.
#include "MessageTimer_p.h"
#include "RasterLab.h"

#include <benchmark/benchmark.h>

using namespace vorn;

namespace {

const QString LabelText = QStringLiteral("Korvel Tuning Coil Calculator");

void BM_PaintLabel400x68(benchmark::State& state)
{
    TRasterLab lab;
    lab.SetLabText(LabelText);
    for (auto _ : state) {
        lab.Paint();
        benchmark::DoNotOptimize(lab.Picture().constBits());
    }
}
BENCHMARK(BM_PaintLabel400x68);

// One scroll step per iteration: the raster moves with the text, so its
// offset within a pitch changes at every step (argument: pixels per step).
void BM_ScrollLabel400x68(benchmark::State& state)
{
    TRasterLab lab;
    lab.SetLabText(LabelText);
    lab.SetScrollInc(int(state.range(0)));
    lab.SetScrollMode(rdsmLeft);
    for (auto _ : state) {
        lab.ScrTimerHandle()->Tick(1);
        benchmark::DoNotOptimize(lab.Picture().constBits());
    }
    lab.SetScrollMode(rdsmOff);
}
BENCHMARK(BM_ScrollLabel400x68)->Arg(1)->Arg(4);

void BM_CreateBitFontRendered(benchmark::State& state)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    for (auto _ : state) {
        const TRDCharMatrix m = TRasterLab::CreateBitFont(&f, clBlack);
        benchmark::DoNotOptimize(m.FontHeight);
    }
}
BENCHMARK(BM_CreateBitFontRendered)->Unit(benchmark::kMillisecond);

} // namespace
