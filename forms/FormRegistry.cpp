// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "FormRegistry.h"

#include "Application.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace vorn {

namespace {

// A click calls the handler through the application's exception handler.
void BindClick(QObject* control, THandler handler)
{
    auto* button = static_cast<QAbstractButton*>(control);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [button, handler] { GuardedCall(button, [&] { handler(button); }); });
}

void BindTriggered(QObject* control, THandler handler)
{
    auto* action = static_cast<QAction*>(control);
    QObject::connect(action, &QAction::triggered, action,
                     [action, handler] { GuardedCall(action, [&] { handler(action); }); });
}

QWidget* CreatePushButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    // A button is the default button only when asked.
    button->setAutoDefault(false);
    return button;
}

std::map<QString, TControlClass>& Registry()
{
    static std::map<QString, TControlClass> registry{
        {QStringLiteral("QPushButton"), {CreatePushButton, {{QStringLiteral("OnClick"), BindClick}}, {}}},
        {QStringLiteral("QCheckBox"), {[](QWidget* parent) -> QWidget* { return new QCheckBox(parent); },
                                       {{QStringLiteral("OnClick"), BindClick}}, {}}},
        {QStringLiteral("QLabel"), {[](QWidget* parent) -> QWidget* { return new QLabel(parent); }, {}, {}}},
        {QStringLiteral("QWidget"), {[](QWidget* parent) { return new QWidget(parent); }, {}, {}}},
    };
    return registry;
}

} // namespace

void RegisterControlClass(const QString& className, TControlClass cls)
{
    Registry()[className] = std::move(cls);
}

bool IsControlClassRegistered(const QString& className)
{
    return Registry().count(className) != 0;
}

const TControlClass* FindControlClass(const QString& className)
{
    const auto it = Registry().find(className);
    return it == Registry().end() ? nullptr : &it->second;
}

bool RegisterControlProperty(const QString& className, const QString& property, TPropertyWriter writer)
{
    const auto it = Registry().find(className);
    if (it == Registry().end())
        return false;
    it->second.Properties[property] = std::move(writer);
    return true;
}

const TEventBinders& MenuItemEvents()
{
    static const TEventBinders events{{QStringLiteral("OnClick"), BindTriggered}};
    return events;
}

} // namespace vorn
