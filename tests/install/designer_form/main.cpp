// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Shows the window drawn in Designer and, with --smoke, checks off screen
// that uic's code gave each control the form's values and that the form's
// connection and Qt's conventions (USER property, slots, property writes)
// work. Exits 0 when all hold.

// This program's own names, as a program may have them; the library's names
// live in namespace vorn and do not collide.
struct Exception {
    int code = 0;
};
static int Round(double x) { return static_cast<int>(x + 0.5); }
static const char* Format() { return "mine"; }
enum { clRed = 1, VK_RETURN = 2, taCenter = 3 };

#include <vorn/Application.h>
#include <vorn/Canvas.h>
#include <vorn/Colors.h>
#include <vorn/Exceptions.h>
#include <vorn/Keys.h>
#include <vorn/NumIO.h>
#include <vorn/NumLab.h>
#include <vorn/RasterLab.h>
#include <vorn/RotLab.h>
#include <vorn/Surface.h>
#include <vorn/VornVersion.h>
#include <vorn/vornbase.h>

#include "ui_coilform.h"

#include <QApplication>
#include <QMetaProperty>

#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

int failures = 0;

void Check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    failures += ok ? 0 : 1;
}

int Smoke(const Ui::CoilForm& ui)
{
    Check(Exception{}.code == 0 && Round(1.6) == 2 && std::strcmp(Format(), "mine") == 0 && clRed == 1,
          "the program's own Exception, Round, Format and clRed");
    Check(ui.numIO21->InputFormat() == vorn::numio::itFixPoint, "field: InputFormat from the form");
    Check(ui.numIO21->FixPointDecPlaces() == 3, "field: FixPointDecPlaces from the form");
    Check(ui.numIO21->Text() == QStringLiteral("7.100"), "field: Text from the form");
    Check(ui.numIO21->LeftText() == QStringLiteral("f") && ui.numIO21->RightText() == QStringLiteral("MHz"),
          "field: captions from the form");
    Check(ui.numIO21->ColorBoxBG() == 12648447u, "field: ColorBoxBG from the form");
    Check(ui.numLab1->Alignment() == vorn::vornbase::taLeftJustify, "label: Alignment from the form");
    Check(ui.numLab1->DisplayType() == vorn::numlab::dtEEng, "label: DisplayType from the form");
    Check(ui.numLab1->Precision() == 1, "label: Precision from the form");
    Check(ui.rasterLab1->Text() == QStringLiteral("KORVEL"), "dot matrix: Text from the form");
    Check(ui.rotLab1->Caption() == QStringLiteral("Tuning coil") && ui.rotLab1->TextAngle() == 90,
          "rotated label: Caption and TextAngle from the form");

    // The form's connection: the field's value reaches the label's slot.
    ui.numIO21->setValue(14.2);
    Check(std::abs(ui.numLab1->Value() - 14.2) < 1e-9, "the form's connection valueChanged -> setValue");
    // The value is the USER property, as item views and QDataWidgetMapper use it.
    const QMetaProperty user = ui.numIO21->metaObject()->userProperty();
    Check(user.isValid() && std::strcmp(user.name(), "Value") == 0, "field: Value is the USER property");
    // A value the field refuses, written through the property system: no
    // exception through Qt, the value stays, the program's handler hears it.
    int reported = 0;
    vorn::Application->OnException = [&reported](QObject*, const std::exception&) { ++reported; };
    ui.numIO21->SetInFormatType(vorn::numio::itInt);
    ui.numIO21->setProperty("Value", 9.3e18);
    Check(reported == 1 && ui.numIO21->Text() == QStringLiteral("14"), "a refused property write is reported");
    // The C++ writer raises the library's error.
    bool thrown = false;
    try {
        ui.numIO21->SetNioValue(9.3e18);
    } catch (const vorn::Exception&) {
        thrown = true;
    }
    Check(thrown, "the C++ writer throws vorn::Exception");
    vorn::Application->OnException = nullptr;
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const bool smoke = argc > 1 && std::strcmp(argv[1], "--smoke") == 0;
    if (smoke && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    Ui::CoilForm ui;
    ui.setupUi(&window);
    window.show();
    if (smoke)
        return Smoke(ui);
    return QApplication::exec();
}
