// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Draws each control as its reference page shows it, into <folder>/numio.png,
// numlab.png, rasterlab.png and rotlab.png. Run off screen by the docs target.
#include <vorn/NumIO.h>
#include <vorn/NumLab.h>
#include <vorn/RasterLab.h>
#include <vorn/RotLab.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {

bool Save(QWidget& control, const QDir& folder, const char* name)
{
    const QString file = folder.filePath(QString::fromLatin1(name));
    const bool saved = control.grab().save(file);
    if (!saved)
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorn_doc_pictures <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // The controls sit in a window, as in a program (the rotated label
    // centres its text in its parent's layout only then).
    QWidget window;

    vorn::TNumIO2& field = *new vorn::TNumIO2(&window);
    field.SetLeftText(QStringLiteral("Frequency"));
    field.SetLeftSpace(75);
    field.SetRightText(QStringLiteral("MHz"));
    field.SetDecP(3);
    field.SetButVis(true);
    field.SetGaugeVisib(true);
    field.SetHeight(44);
    field.SetGaugeLeftMarg(75);
    field.SetRangeHigh(10.0);
    field.SetNioValue(7.1);
    field.resize(field.sizeHint());

    vorn::TNumLab& label = *new vorn::TNumLab(&window);
    label.SetLeftText(QStringLiteral("Required C"));
    label.SetLeftSpace(75);
    label.SetRightText(QStringLiteral("pF"));
    label.SetLabValue(135.79);
    label.resize(label.sizeHint());

    vorn::TRasterLab& matrix = *new vorn::TRasterLab(&window);
    matrix.SetLabText(QStringLiteral("VORN 2.0"));
    matrix.resize(300, matrix.sizeHint().height());

    vorn::TRotLab& caption = *new vorn::TRotLab(&window);
    caption.SetCaption(QStringLiteral("Rotated label"));
    caption.SetTextAngle(30);
    caption.resize(150, 90);
    caption.AdjustAutoCenter();
    caption.Paint();

    const bool ok = Save(field, folder, "numio.png") && Save(label, folder, "numlab.png") &&
                    Save(matrix, folder, "rasterlab.png") && Save(caption, folder, "rotlab.png");
    return ok ? 0 : 1;
}
