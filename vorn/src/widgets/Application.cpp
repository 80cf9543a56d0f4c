// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Application_p.h"

#include "Exceptions.h"

#include <QApplication>
#include <QDebug>
#include <QLoggingCategory>
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

namespace {

// The category of the warnings about refused writes, so that a program can
// silence them ("vorn.properties.warning=false") or route them by name.
Q_LOGGING_CATEGORY(lcProperties, "vorn.properties")

// How much of a long text value a warning quotes.
constexpr qsizetype QuotedLength = 60;

// The value written, as a warning shows it: a text quoted and escaped (and
// cut when long), an enumerator by its name, anything else as Qt converts it
// to text.
QString ValueText(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QString>()) {
        const QString text = value.toString();
        QString quoted;
        QDebug(&quoted).nospace() << text.left(QuotedLength);
        return text.size() > QuotedLength ? quoted + QStringLiteral("...") : quoted;
    }
    if (value.canConvert<QString>())
        return value.toString();
    QString shown;
    QDebug(&shown).nospace() << value;
    return shown;
}

// "vorn::TNumIO2 "nioFreq"", or the class alone when the object has no name.
QString ObjectText(const QObject* object)
{
    if (!object)
        return QStringLiteral("(no object)");
    const QString cls = QString::fromLatin1(object->metaObject()->className());
    if (object->objectName().isEmpty())
        return cls + QStringLiteral(" (no object name)");
    return QStringLiteral("%1 \"%2\"").arg(cls, object->objectName());
}

QString MessageOf(std::exception_ptr e)
{
    try {
        std::rethrow_exception(e);
    } catch (const Exception& ex) {
        return ex.Message();
    } catch (const std::exception& ex) {
        return QString::fromUtf8(ex.what());
    } catch (...) {
        return QStringLiteral("Unknown exception");
    }
}

} // namespace

void ReportRefusedWrite(QObject* sender, const char* property, const QVariant& value, std::exception_ptr e)
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
    const QString written = property ? QStringLiteral("%1 = %2").arg(QString::fromLatin1(property), ValueText(value))
                                     : QStringLiteral("a property");
    qCWarning(lcProperties).noquote() << QStringLiteral("%1 refused %2: %3")
                                             .arg(ObjectText(sender), written, MessageOf(e));
}

void ReportRefusedWrite(QObject* sender, std::exception_ptr e)
{
    ReportRefusedWrite(sender, nullptr, QVariant(), e);
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
