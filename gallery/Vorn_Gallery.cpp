// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Program entry of the Vorn Gallery: every control of the library on a page
// of its own, live. With --smoke it shows each page once, and exits with 1
// when an error was reported or a control stayed unpainted.
#include "Application.h"
#include "Exceptions.h"
#include "GalleryWindow.h"
#include "Smoke.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>
#include <exception>

using namespace vorn;

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "No display found: the gallery needs a graphical desktop; on a machine without one, "
                             "run it under a virtual X server: xvfb-run %s\n",
                     argv[0]);
        return 1;
    }
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorn Gallery"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/korvel-tuning-coil.svg")));
    try {
        Application->Initialize();
        Application->MainFormOnTaskBar = true;
        Application->CreateForm(frmGallery);
    } catch (const std::exception& e) {
        // A page that cannot be built from its description: report it and stop.
        const auto* own = dynamic_cast<const Exception*>(&e);
        std::fprintf(stderr, "%s\n", own ? qPrintable(own->Message()) : e.what());
        if (!smoke)
            Application->HandleException(nullptr, std::current_exception());
        return 1;
    }
    if (smoke) {
        const int faults = RunSmoke(*frmGallery);
        delete frmGallery;
        return faults == 0 ? 0 : 1;
    }
    return Application->Run();
}
