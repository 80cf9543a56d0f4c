// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The calculator's start made with stock Qt widgets: what its main does, the
// application, the window icon and the main window shown, with the stock
// main window of bench_pairs' start-up pair. Timed against the program
// itself by bench/startup_on_x.sh.
#include "StockMainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace {

// The program's icon from the same resources, read as its main reads them
// (app/Tuning_Coil.cpp): raw premultiplied ARGB pixels, taken as they are.
QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64, 128}) {
        const QResource pixels(QStringLiteral(":/icons/icon-%1.argb").arg(size));
        if (pixels.size() != qint64(size) * size * 4 || pixels.compressionAlgorithm() != QResource::NoCompression)
            continue;
        const QImage image(pixels.data(), size, size, size * 4, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramIcon());
    TStockMainWindow window;
    window.show();
    return QApplication::exec();
}
