// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Build tool: renders the program's SVG icon at the sizes a window manager is
// given (16, 32, 64 and 128 pixels) as raw premultiplied ARGB pixels, rows
// from the top, so that the program takes them as they are at start instead
// of rendering the drawing or decoding a picture file.
//   render_icon <icon.svg> <output folder>
// Writes <output folder>/icon-<size>.argb; fails when the SVG cannot be
// drawn (Qt's SVG plugin, libqt6svg6, is missing).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_icon <icon.svg> <output folder>\n");
        return 2;
    }
    const QIcon drawing(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    for (int size : {16, 32, 64, 128}) {
        const QImage image =
            drawing.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QString file = out.filePath(QStringLiteral("icon-%1.argb").arg(size));
        QFile f(file);
        const qint64 bytes = qint64(size) * size * 4;
        bool written = image.size() == QSize(size, size) && f.open(QIODevice::WriteOnly);
        for (int y = 0; written && y < size; ++y)
            written = f.write(reinterpret_cast<const char*>(image.constScanLine(y)), size * 4) == size * 4;
        if (!written || f.size() != bytes) {
            std::fprintf(stderr, "cannot render %s at %d pixels into %s\n", argv[1], size, qPrintable(file));
            return 1;
        }
    }
    return 0;
}
