// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Program entry of the Korvel Tuning Coil Calculator.
#include "Application.h"
#include "DesignedLook.h"
#include "Exceptions.h"
#include "u_frmCoil.h"
#include "u_frmInfo.h"
#include "u_frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

#include <cstdio>
#include <exception>

using namespace vorn;

namespace {

// The icon's pictures, raw premultiplied ARGB pixels in the resources
// (app/tools/RenderIcon.cpp), taken as they are.
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
    if (!HasDisplay()) {
        std::fprintf(stderr, "No display found: the calculator needs a graphical desktop; on a machine without one, "
                             "run it under a virtual X server: xvfb-run %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    UseDesignedLook();
    // Every window shows the program's icon, from pixels rendered from its
    // drawing when the program was built (rendering the SVG here would cost
    // a noticeable part of the start).
    QApplication::setWindowIcon(ProgramIcon());
    try {
        Application->Initialize();
        Application->MainFormOnTaskBar = true;
        Application->CreateForm(frmMain);
        Application->CreateForm(frmInfo);
        // The winding window is made when the menu first opens it.
        AddCoilWindingItem(frmMain);
    } catch (const std::exception& e) {
        // A window that cannot be built from its description: report it and stop.
        const auto* own = dynamic_cast<const Exception*>(&e);
        std::fprintf(stderr, "%s\n", own ? qPrintable(own->Message()) : e.what());
        Application->HandleException(nullptr, std::current_exception());
        return 1;
    }
    return Application->Run();
}
