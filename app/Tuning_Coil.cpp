// Program entry of the Korvel Tuning Coil Calculator.
#include "Application.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace {
// Qt aborts with a trace when it finds no display; say it plainly instead.
bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
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
    Application->Initialize();
    Application->MainFormOnTaskBar = true;
    QWidget* frmMain = nullptr;
    Application->CreateForm(frmMain);
    frmMain->setWindowTitle(QStringLiteral("Korvel Tuning Coil Calculator"));
    return Application->Run();
}
