#pragma once
// The registry of control classes for window descriptions: how a control is
// created from its class name, and how each of its events is bound to a
// handler. QPushButton (with OnClick), QLabel and QWidget are known from the
// start; the application registers its own controls.
#include <QString>

#include <functional>
#include <initializer_list>
#include <map>
#include <utility>

class QObject;
class QWidget;

using THandler = std::function<void(QObject* Sender)>;
// Connects a handler to one event of a control.
using TEventBinder = std::function<void(QObject* control, THandler handler)>;
// A class's events by name (OnClick, OnChange, ...).
using TEventBinders = std::map<QString, TEventBinder>;

struct TControlClass
{
    std::function<QWidget*(QWidget* parent)> Create;
    TEventBinders Events;
};

// Makes a control class known to the loader by its class name. Registering
// a name again replaces the earlier entry.
void RegisterControlClass(const QString& className, TControlClass cls);
bool IsControlClassRegistered(const QString& className);
// The class registered as `className`; null when there is none.
const TControlClass* FindControlClass(const QString& className);

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
