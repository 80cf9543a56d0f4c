// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The window-description loader and its element tree given any bytes: a
// description that cannot be built is an EReadError with a message, never
// a crash, a hang or another exception; one that loads yields its named
// objects as children of the window.
#include "ControlClasses.h"
#include "Exceptions.h"
#include "FormLoader.h"
#include "FuzzSupport.h"
#include "UiTree.h"

#include <QDialog>
#include <QMainWindow>

#include <memory>

using namespace vorn;

namespace {

// The handlers the calculator's two windows name, doing nothing.
THandlers Handlers()
{
    THandlers handlers;
    for (const char* name : {"FormCreate", "nioFreqChange", "nioLChange", "nioXLChange", "Info1Click", "btnExitClick",
                             "Exit1Click", "Button1Click"})
        handlers[QLatin1String(name)] = [](QObject*) {};
    return handlers;
}

void CheckTree(const QByteArray& xml)
{
    try {
        ReadUiTree(xml, QStringLiteral("fuzz"));
    } catch (const EReadError& e) {
        FUZZ_CHECK(e.Message().contains(QLatin1String("fuzz")), e.Message());
    }
}

void CheckLoad(const QByteArray& xml, bool mainWindow)
{
    static const THandlers handlers = Handlers();
    std::unique_ptr<QWidget> form;
    if (mainWindow)
        form = std::make_unique<QMainWindow>();
    else
        form = std::make_unique<QDialog>();
    try {
        const TFormObjects objects = LoadFormFromXml(form.get(), xml, handlers, {}, QStringLiteral("fuzz"));
        for (QObject* o : objects) {
            FUZZ_CHECK(o != nullptr, QStringLiteral("a null object"));
            // Every control, menu and action the window holds is its own.
            bool inWindow = false;
            for (QObject* p = o; p && !inWindow; p = p->parent())
                inWindow = p == form.get();
            FUZZ_CHECK(inWindow, o->objectName());
        }
    } catch (const EReadError& e) {
        FUZZ_CHECK(!e.Message().isEmpty(), QStringLiteral("EReadError without a message"));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartQt();
    RegisterControlClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray xml(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckTree(xml);
    // The window's kind comes from the last byte, so that the description
    // itself stays the whole input.
    CheckLoad(xml, size > 0 && (data[size - 1] & 1));
    return 0;
}
