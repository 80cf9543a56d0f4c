// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The application object: start-up steps, the main window, the message loop,
/// and the handler that every exception escaping an event handler reaches.
#include <vorn/vorn_export.h>

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <exception>
#include <functional>
#include <vector>

namespace vorn {

/// The application object (vorn::Application): the program's windows and
/// message loop, and the error report that every exception escaping an
/// event handler, and every value refused through Qt, reaches.
class VORN_EXPORT TApplication
{
public:
    using ExceptionHandler = std::function<void(QObject* sender, const std::exception& e)>;

    void Initialize();
    /// Whether Initialize was called: the program runs on this application
    /// object, and its error report shows what Qt's property system refuses.
    bool Initialized() const { return FInitialized; }
    /// The main window owns the taskbar button (Qt gives a top-level window
    /// its own entry already, so this only records the wish).
    bool MainFormOnTaskBar = false;

    /// Creates a window; the first one created becomes the main window. The
    /// application owns the windows and destroys them when it ends. A window
    /// deleted earlier drops out; the next one created then becomes main.
    template <class T>
    void CreateForm(T*& form)
    {
        form = new T();
        FForms.push_back(form);
        FForms.erase(std::remove(FForms.begin(), FForms.end(), nullptr), FForms.end());
        if (!FMainForm)
            FMainForm = form;
    }
    QWidget* MainForm() const { return FMainForm; }

    /// Shows the main window and runs the message loop until Terminate or the
    /// main window closes; then destroys every window.
    int Run();
    void Terminate();

    /// Hands an exception to OnException when set, else to the default error
    /// report: a modal message box with the exception's message.
    void HandleException(QObject* sender, std::exception_ptr e);
    void ShowException(const std::exception& e);
    ExceptionHandler OnException;

    ~TApplication();

private:
    bool FInitialized = false;
    QPointer<QWidget> FMainForm;
    std::vector<QPointer<QWidget>> FForms;
};

/// The one application object of the program.
extern VORN_EXPORT TApplication* Application;

/// Runs `f` at a boundary where Qt calls into our code: an exception does not
/// unwind through Qt but goes to the application's HandleException.
template <class F>
void GuardedCall(QObject* sender, F&& f)
{
    try {
        f();
    } catch (...) {
        Application->HandleException(sender, std::current_exception());
    }
}

/// A value a control refused while it was written through Qt: by its
/// property system (QObject::setProperty, QMetaProperty::write, as QUiLoader,
/// uic's code and QDataWidgetMapper write) or through one of its slots. The
/// value stays as it was, and the refusal goes, in this order, to the
/// innermost TWriteRefusals alive on this thread; to the application's
/// HandleException when the program set OnException or called Initialize;
/// else to a warning in the logging category "vorn.properties" that names the
/// control's class, its object name, the property and the value written,
/// with the refusal's message. A program silences or redirects that warning
/// by the category's name (QLoggingCategory::setFilterRules,
/// qInstallMessageHandler).
VORN_EXPORT void ReportRefusedWrite(QObject* sender, const char* property, const QVariant& value,
                                    std::exception_ptr e);
/// The same, for a writer that does not know the property's name.
VORN_EXPORT void ReportRefusedWrite(QObject* sender, std::exception_ptr e);

/// Collects the refusals of writes through Qt on this thread while it lives,
/// for a caller that writes properties and wants to handle what is refused
/// itself (a form loader reporting the form's faults). Nests: the innermost
/// one collects.
class VORN_EXPORT TWriteRefusals
{
public:
    TWriteRefusals();
    ~TWriteRefusals();
    TWriteRefusals(const TWriteRefusals&) = delete;
    TWriteRefusals& operator=(const TWriteRefusals&) = delete;

    /// The first refusal collected, null when there was none.
    std::exception_ptr First() const { return FFirst; }
    /// Forgets what was collected.
    void Clear() { FFirst = nullptr; }

private:
    friend void ReportRefusedWrite(QObject* sender, const char* property, const QVariant& value,
                                   std::exception_ptr e);
    TWriteRefusals* FOuter;
    std::exception_ptr FFirst;
};

/// Whether Qt has a display to open windows on: a platform is named, or an X
/// or Wayland display is set. Qt aborts with a trace when it finds none, so a
/// program asks first and says it plainly.
VORN_EXPORT bool HasDisplay();

} // namespace vorn
