// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Program entry of the Korvel Tuning Coil Calculator.
#include "Application.h"
#include "DesignedLook.h"
#include "Exceptions.h"
#include "u_frmInfo.h"
#include "u_frmMain.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <exception>

using namespace vorn;

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
    // Every window shows the program's icon (drawn by Qt's SVG plugin when it is installed).
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/korvel-tuning-coil.svg")));
    try {
        Application->Initialize();
        Application->MainFormOnTaskBar = true;
        Application->CreateForm(frmMain);
        Application->CreateForm(frmInfo);
    } catch (const std::exception& e) {
        // A window that cannot be built from its description: report it and stop.
        const auto* own = dynamic_cast<const Exception*>(&e);
        std::fprintf(stderr, "%s\n", own ? qPrintable(own->Message()) : e.what());
        Application->HandleException(nullptr, std::current_exception());
        return 1;
    }
    return Application->Run();
}
