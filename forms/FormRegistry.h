// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The registry of control classes for window descriptions: how a control is
// created from its class name, how each of its events is bound to a handler,
// and how the properties it has beyond its meta-object ones are written.
// QPushButton and QCheckBox (with OnClick), QLabel and QWidget are known
// from the start; the application registers its own controls.
#include "UiTree.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <map>
#include <utility>

class QObject;
class QWidget;

namespace vorn {

using THandler = std::function<void(QObject* Sender)>;
// Connects a handler to one event of a control.
using TEventBinder = std::function<void(QObject* control, THandler handler)>;
// A class's events by name (OnClick, OnChange, ...).
using TEventBinders = std::map<QString, TEventBinder>;
// Writes a property that is not in the control's meta-object (a public
// member such as a field's stops) from the value element of its <property>;
// returns why the value cannot be taken, empty when it was written.
using TPropertyWriter = std::function<QString(QObject* control, const TUiNode& value)>;
// A class's extra properties by name.
using TPropertyWriters = std::map<QString, TPropertyWriter>;

struct TControlClass
{
    std::function<QWidget*(QWidget* parent)> Create;
    TEventBinders Events;
    TPropertyWriters Properties;
};

// Makes a control class known to the loader by its class name. Registering
// a name again replaces the earlier entry.
void RegisterControlClass(const QString& className, TControlClass cls);
bool IsControlClassRegistered(const QString& className);
// The class registered as `className`; null when there is none.
const TControlClass* FindControlClass(const QString& className);
// Adds an extra property to a registered class; the loader writes it after
// the meta-object properties. False when the class is not registered.
bool RegisterControlProperty(const QString& className, const QString& property, TPropertyWriter writer);

// The events of a menu item (a QAction): OnClick. Menu items are not created
// from the registry, but their events are bound the same way.
const TEventBinders& MenuItemEvents();

// Registers a control class whose events are public std::function members,
// e.g. RegisterControl<TNumIO2>("TNumIO2", {{"OnChange", &TNumIO2::OnChange}}).
template <class T>
void RegisterControl(const QString& className,
                     std::initializer_list<std::pair<const char*, std::function<void(QObject*)> T::*>> events = {})
{
    TControlClass cls;
    cls.Create = [](QWidget* parent) -> QWidget* { return new T(parent); };
    for (const auto& event : events) {
        const auto member = event.second;
        cls.Events[QString::fromLatin1(event.first)] = [member](QObject* control, THandler handler) {
            static_cast<T*>(control)->*member = std::move(handler);
        };
    }
    RegisterControlClass(className, std::move(cls));
}

} // namespace vorn
