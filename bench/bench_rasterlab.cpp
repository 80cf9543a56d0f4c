// Cost of painting a dot-matrix label and of building a matrix from a font.
#include "RasterLab.h"


#include <benchmark/benchmark.h>

namespace {

void BM_PaintLabel400x68(benchmark::State& state)
{
    TRasterLab lab;
    lab.SetLabText(QStringLiteral("Korvel Tuning Coil Calculator"));
    for (auto _ : state) {
        lab.Paint();
        benchmark::DoNotOptimize(lab.Picture().constBits());
    }
}
BENCHMARK(BM_PaintLabel400x68);

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
