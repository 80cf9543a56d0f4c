// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Application.h"

#include "Exceptions.h"

#include <QApplication>
#include <QMessageBox>

namespace vorn {

namespace {
TApplication DefaultApplication;
int Beeps = 0;
} // namespace

TApplication* Application = &DefaultApplication;

void TApplication::Initialize()
{
    FInitialized = true;
}

namespace {
thread_local TWriteRefusals* InnermostRefusals = nullptr;
} // namespace

TWriteRefusals::TWriteRefusals() : FOuter(InnermostRefusals)
{
    InnermostRefusals = this;
}

TWriteRefusals::~TWriteRefusals()
{
    InnermostRefusals = FOuter;
}

void ReportRefusedWrite(QObject* sender, std::exception_ptr e)
{
    if (TWriteRefusals* refusals = InnermostRefusals) {
        if (!refusals->FFirst)
            refusals->FFirst = e;
        return;
    }
    if (Application->OnException || Application->Initialized()) {
        Application->HandleException(sender, e);
        return;
    }
    try {
        std::rethrow_exception(e);
    } catch (const Exception& ex) {
        qWarning("%s", qUtf8Printable(ex.Message()));
    } catch (const std::exception& ex) {
        qWarning("%s", ex.what());
    } catch (...) {
        qWarning("Unknown exception");
    }
}

int TApplication::Run()
{
    if (FMainForm)
        FMainForm->show();
    const int rc = QApplication::exec();
    for (auto it = FForms.rbegin(); it != FForms.rend(); ++it)
        delete it->data();
    FForms.clear();
    FMainForm = nullptr;
    return rc;
}

void TApplication::Terminate()
{
    QCoreApplication::quit();
}

TApplication::~TApplication()
{
    // Windows still alive here were never run; Qt is gone by now, so they
    // are left to the operating system.
    FForms.clear();
}

void TApplication::HandleException(QObject* sender, std::exception_ptr e)
{
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& ex) {
        if (OnException)
            OnException(sender, ex);
        else
            ShowException(ex);
    } catch (...) {
        const Exception unknown(QStringLiteral("Unknown exception"));
        if (OnException)
            OnException(sender, unknown);
        else
            ShowException(unknown);
    }
}

void TApplication::ShowException(const std::exception& e)
{
    const auto* own = dynamic_cast<const Exception*>(&e);
    const QString text = own ? own->Message() : QString::fromUtf8(e.what());
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void MessageBeep()
{
    ++Beeps;
    QApplication::beep();
}

int BeepCount()
{
    return Beeps;
}

} // namespace vorn
