// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Runner.h"

#include "Accessible_p.h"
#include "Application.h"
#include "Exceptions.h"
#include "NumIO.h"
#include "Trail.h"
#include "u_frmInfo.h"
#include "u_frmMain.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace vorn;

namespace chaos {
namespace {

const QEvent::Type ProbeEvent = static_cast<QEvent::Type>(QEvent::User + 17);

Fault FaultOf(const std::exception& e)
{
    if (dynamic_cast<const EZeroDivide*>(&e))
        return Fault::ZeroDivide;
    if (dynamic_cast<const EInvalidOp*>(&e))
        return Fault::InvalidOp;
    if (dynamic_cast<const EOverflow*>(&e))
        return Fault::Overflow;
    return Fault::Other;
}

} // namespace

Runner::Runner(const Options& options) : FOpt(options), FRng(options.Seed)
{
    // The error report of the program, hooked: each exception is counted
    // and checked against what the event was expected to raise.
    Application->OnException = [this](QObject*, const std::exception& e) {
        const Fault f = FaultOf(e);
        FFaults.push_back(f);
        if (f == Fault::Other) {
            const auto* own = dynamic_cast<const Exception*>(&e);
            FOther.push_back(own ? own->Message().toStdString() : std::string(e.what()));
        }
        ++FCounts.Reports;
    };
    // A screen reader's view of the controls' accessibility events.
    vornaccess::SetEventObserver([this](QAccessibleEvent* e) {
        ++FCounts.AccessibleEvents;
        if (QAccessibleInterface* i = e->accessibleInterface())
            (void)i->text(QAccessible::Value);
    });
}

Runner::~Runner()
{
    CloseWindows();
    vornaccess::SetEventObserver({});
    Application->OnException = nullptr;
}

void Runner::OpenWindows()
{
    Application->CreateForm(frmMain);
    Application->CreateForm(frmInfo);
    frmMain->show();
    frmMain->activateWindow();
    if (!QTest::qWaitForWindowActive(frmMain))
        Fail("the main window did not become active");
    // Each field's change event is noted before the window's handler runs,
    // so that a change whose handler throws is noted too.
    for (TNumIO2* field : {frmMain->nioFreq, frmMain->nioL, frmMain->nioXL})
        field->OnChange = [this, field, handler = field->OnChange](QObject* sender) {
            FChanged.push_back(field);
            if (handler)
                handler(sender);
        };
    frmInfo->installEventFilter(this);
}

void Runner::CloseWindows()
{
    FWritten.clear();
    delete frmMain;
    delete frmInfo;
    frmMain = nullptr;
    frmInfo = nullptr;
}

bool Runner::Run()
{
    OpenWindows();
    // The window as started: L and C follow from f and XL.
    FStartup = true;
    if (FFailed || !CheckWindows(nullptr, nullptr) || !CheckHandler(nullptr, nullptr, FFaults))
        return false;
    while (!FFailed && FIndex < FOpt.Events)
        Step();
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    return !FFailed;
}

void Runner::Step()
{
    const uint64_t index = FIndex++;
    FCurrent = index;
    FStartup = false;
    FValueWritten = nullptr;
    FChanged.clear();
    const Snapshot before = Take();
    Dispatch();
    // Events sent inside the Info window's modal loop did their own checks.
    const bool nested = FIndex != index + 1;
    QCoreApplication::postEvent(this, new QEvent(ProbeEvent));
    ++FProbesSent;
    QCoreApplication::processEvents();
    if (FProbesSeen != FProbesSent)
        Fail("the event loop did not process a posted event");
    else if (!nested)
        Check(before);
    else
        CheckWindows(nullptr, nullptr);
    Beat();
}

void Runner::RunModal()
{
    while (!FFailed && FIndex < FOpt.Events && frmInfo && frmInfo->isVisible())
        Step();
    // The run ends with the window closed, so that its modal loop returns.
    if (frmInfo && frmInfo->isVisible())
        frmInfo->close();
}

bool Runner::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == frmInfo && event->type() == QEvent::Show) {
        ++FCounts.InfoShown;
        QTimer::singleShot(0, this, &Runner::RunModal);
    }
    return QObject::eventFilter(watched, event);
}

void Runner::customEvent(QEvent* event)
{
    if (event->type() == ProbeEvent)
        ++FProbesSeen;
}

void Runner::Announce(const std::string& what)
{
    Record(FCurrent, what);
    if (FOpt.Verbose)
        std::printf("#%llu %s\n", static_cast<unsigned long long>(FCurrent), what.c_str());
}

// Keys are most of what a user does; clicks move the focus between the
// fields; pastes bring the long and the odd texts.
void Runner::Dispatch()
{
    const uint64_t r = Below(1000);
    if (r < 540)
        Key();
    else if (r < 660)
        Click(false);
    else if (r < 680)
        Click(true);
    else if (r < 720)
        Drag();
    else if (r < 745)
        Hover();
    else if (r < 835)
        Paste();
    else if (r < 865)
        SetClipboard();
    else if (r < 925)
        Tick();
    else if (r < 950)
        Info();
    else if (r < 975)
        Assistive();
    else if (r < 990)
        MoveWindow();
    else
        Restart();
}

} // namespace chaos
