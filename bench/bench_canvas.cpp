// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Cost of the canvas primitives every control composes its picture with:
// small rectangles (the dots of the dot-matrix label), lines, single pixels,
// text and the measuring of text, inverting and copying.
#include "Canvas.h"

#include <benchmark/benchmark.h>

using namespace vorn;

namespace {

QFont BenchFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    return f;
}

// The device pixel ratio of a benchmark's picture, given in hundredths.
qreal Ratio(const benchmark::State& state)
{
    return qreal(state.range(0)) / 100;
}

// A 400 x 68 picture with 3 x 3 dots on a pitch of 4, as a label shows them.
void BM_RectangleDots(benchmark::State& state)
{
    QImage img = NewBitmap(400, 68, Ratio(state));
    TCanvas cv(img);
    cv.SetPenColor(clRed);
    cv.SetBrushColor(clRed);
    for (auto _ : state) {
        for (int y = 0; y + 3 <= 68; y += 4)
            for (int x = 0; x + 3 <= 400; x += 4)
                cv.Rectangle(x, y, x + 3, y + 3);
        benchmark::DoNotOptimize(img.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 100 * 17);
}
BENCHMARK(BM_RectangleDots)->Arg(100)->Arg(150)->Arg(200);

void BM_FillRectLarge(benchmark::State& state)
{
    QImage img = NewBitmap(400, 68);
    TCanvas cv(img);
    cv.SetBrushColor(clSilver);
    for (auto _ : state) {
        cv.FillRect(0, 0, 400, 68);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_FillRectLarge);

// One-pixel frame lines across and down the picture.
void BM_LinesHorizontalAndVertical(benchmark::State& state)
{
    QImage img = NewBitmap(400, 68);
    TCanvas cv(img);
    cv.SetPenColor(clGray);
    for (auto _ : state) {
        for (int i = 0; i < 8; ++i) {
            cv.MoveTo(0, i);
            cv.LineTo(400, i);
            cv.MoveTo(i, 0);
            cv.LineTo(i, 68);
        }
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_LinesHorizontalAndVertical);

void BM_LineDiagonal(benchmark::State& state)
{
    QImage img = NewBitmap(400, 68);
    TCanvas cv(img);
    for (auto _ : state) {
        cv.MoveTo(0, 0);
        cv.LineTo(400, 68);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_LineDiagonal);

// The read-back of a rendered glyph: every pixel of a 32 x 32 corner.
void BM_PixelRead32x32(benchmark::State& state)
{
    QImage img = NewBitmap(65, 65);
    TCanvas cv(img);
    for (auto _ : state) {
        int lit = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                lit += cv.Pixel(x, y) != clWhite;
        benchmark::DoNotOptimize(lit);
    }
    state.SetItemsProcessed(state.iterations() * 32 * 32);
}
BENCHMARK(BM_PixelRead32x32);

void BM_PixelWrite32x32(benchmark::State& state)
{
    QImage img = NewBitmap(65, 65);
    TCanvas cv(img);
    for (auto _ : state) {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                cv.SetPixel(x, y, TColor(x * y));
        benchmark::DoNotOptimize(img.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 32 * 32);
}
BENCHMARK(BM_PixelWrite32x32);

// A field's value on its background, as a control paints it.
void BM_TextOut(benchmark::State& state)
{
    QImage img = NewBitmap(200, 24, Ratio(state));
    TCanvas cv(img);
    cv.SetFont(BenchFont());
    cv.SetBrushColor(clWhite);
    const QString s = QStringLiteral("12.345 mH");
    for (auto _ : state) {
        cv.TextOut(4, 4, s);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_TextOut)->Arg(100)->Arg(150)->Arg(200);

void BM_TextOutEmpty(benchmark::State& state)
{
    QImage img = NewBitmap(200, 24);
    TCanvas cv(img);
    cv.SetFont(BenchFont());
    for (auto _ : state) {
        cv.TextOut(4, 4, QString());
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_TextOutEmpty);

void BM_TextRect(benchmark::State& state)
{
    QImage img = NewBitmap(200, 24);
    TCanvas cv(img);
    cv.SetFont(BenchFont());
    const QString s = QStringLiteral("Frequency");
    for (auto _ : state) {
        cv.TextRect(2, 2, 60, 20, 4, 4, s);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_TextRect);

void BM_TextWidthAndHeight(benchmark::State& state)
{
    QImage img = NewBitmap(200, 24);
    TCanvas cv(img);
    cv.SetFont(BenchFont());
    const QString s = QStringLiteral("12.345 mH");
    for (auto _ : state)
        benchmark::DoNotOptimize(cv.TextWidth(s) + cv.TextHeight(s));
}
BENCHMARK(BM_TextWidthAndHeight);

// The glyph loop of a rendered dot-matrix font: clear, one character, read
// its 32 x 32 corner back.
void BM_GlyphRenderAndReadBack(benchmark::State& state)
{
    QImage img = NewBitmap(65, 65);
    TCanvas cv(img);
    cv.SetFont(BenchFont());
    int c = 33;
    for (auto _ : state) {
        cv.SetPenColor(clWhite);
        cv.SetBrushColor(clWhite);
        cv.Rectangle(0, 0, 100, 100);
        cv.TextOut(0, 0, QString(QChar(c)));
        int lit = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                lit += cv.Pixel(x, y) != clWhite;
        benchmark::DoNotOptimize(lit);
        c = c == 126 ? 33 : c + 1;
    }
}
BENCHMARK(BM_GlyphRenderAndReadBack);

void BM_InvertRect(benchmark::State& state)
{
    QImage img = NewBitmap(200, 24);
    TCanvas cv(img);
    for (auto _ : state) {
        cv.InvertRect(10, 4, 90, 20);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_InvertRect);

void BM_DrawBitmap(benchmark::State& state)
{
    const TCopyMode mode = state.range(0) ? cmSrcAnd : cmSrcCopy;
    QImage src = NewBitmap(200, 24);
    QImage img = NewBitmap(200, 24);
    TCanvas cv(img);
    for (auto _ : state) {
        cv.Draw(0, 0, src, mode);
        benchmark::DoNotOptimize(img.constBits());
    }
}
BENCHMARK(BM_DrawBitmap)->Arg(0)->Arg(1);

// A new picture and canvas, as every Paint starts.
void BM_NewBitmapAndCanvas(benchmark::State& state)
{
    for (auto _ : state) {
        QImage img = NewBitmap(200, 24);
        TCanvas cv(img);
        benchmark::DoNotOptimize(cv.Width());
    }
}
BENCHMARK(BM_NewBitmapAndCanvas);

} // namespace
