// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The window icon at start, as the X platform hands it to the window manager
// (the pixmaps of 16, 32, 64 and 128 pixels): the program's pre-rendered
// raw pixels beside decoding PNG pictures and rendering its SVG drawing,
// which the program did before.
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void AskAsTheWindowManagerIs(const QIcon& icon)
{
    for (int size : {16, 32, 64, 128})
        benchmark::DoNotOptimize(icon.pixmap(size, size).toImage());
}

void BM_IconFromRawPixels(benchmark::State& state)
{
    std::vector<QByteArray> pixels;
    for (int size : {16, 32, 64, 128}) {
        QFile f(QStringLiteral(KORVEL_ICON_DIR "/icon-%1.argb").arg(size));
        if (!f.open(QIODevice::ReadOnly)) {
            state.SkipWithError("the icon's pixels are missing");
            return;
        }
        pixels.push_back(f.readAll());
    }
    for (auto _ : state) {
        QIcon icon;
        int i = 0;
        for (int size : {16, 32, 64, 128}) {
            const QImage image(reinterpret_cast<const uchar*>(pixels[i++].constData()), size, size, size * 4,
                               QImage::Format_ARGB32_Premultiplied);
            icon.addPixmap(QPixmap::fromImage(image));
        }
        AskAsTheWindowManagerIs(icon);
    }
}
BENCHMARK(BM_IconFromRawPixels)->Unit(benchmark::kMicrosecond);

void BM_IconFromPngs(benchmark::State& state)
{
    QTemporaryDir dir;
    const QIcon drawing(QStringLiteral(KORVEL_ICON_SVG));
    for (int size : {16, 32, 64, 128})
        drawing.pixmap(size, size).save(dir.filePath(QStringLiteral("icon-%1.png").arg(size)));
    for (auto _ : state) {
        QIcon icon;
        for (int size : {16, 32, 64, 128})
            icon.addFile(dir.filePath(QStringLiteral("icon-%1.png").arg(size)), QSize(size, size));
        AskAsTheWindowManagerIs(icon);
    }
}
BENCHMARK(BM_IconFromPngs)->Unit(benchmark::kMicrosecond);

void BM_IconFromSvg(benchmark::State& state)
{
    for (auto _ : state)
        AskAsTheWindowManagerIs(QIcon(QStringLiteral(KORVEL_ICON_SVG)));
}
BENCHMARK(BM_IconFromSvg)->Unit(benchmark::kMicrosecond);

} // namespace
