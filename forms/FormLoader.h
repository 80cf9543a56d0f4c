// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Builds a window from its description: a Qt Designer .ui file read at run
// time. Each control is created by its class name from a registry, its
// properties are applied in the control's meta-object (published) order
// whatever the order of the file, its events are bound by handler name to
// the window's handlers, and the menu and the tab order are built.
//
// Beyond the meta-object properties, every control understands: geometry
// (Left, Top, Width, Height), font, Caption (the text of a button, label,
// menu or menu item), TabStop, TabOrder, Visible. A window understands
// windowTitle/Caption, ClientWidth, ClientHeight, BorderStyle (bsSingle,
// bsSizeable), BorderIcons (biSystemMenu, biMinimize, biMaximize), Position
// (poDesigned, poScreenCenter, poMainFormCenter), Color and OnCreate.
// Events are dynamic string properties naming a handler:
//   <property name="OnChange" stdset="0"><string>nioFreqChange</string></property>
// A class may register properties beyond its meta-object ones
// (RegisterControlProperty); they are written after the published ones, in
// the file's order.
//
// The pieces: UiTree reads the element tree, FormValues decodes values,
// FormRegistry knows the control classes, FormWindow sets the window's frame
// and placement; this unit walks the tree and puts the window together.
#include "Exceptions.h"
#include "FormRegistry.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <map>

class QObject;
class QWidget;

namespace vorn {

// The window's handlers by name.
using THandlers = std::map<QString, THandler>;

// The objects a description created, by name (controls, menus, menu items).
using TFormObjects = QHash<QString, QObject*>;
// Sets the window's member pointers from the objects created.
using TMemberBinder = std::function<void(const TFormObjects& objects)>;

// Builds `form` (a QMainWindow or a QDialog, already constructed) from the
// description in `xml`. `source` names the description in messages when the
// window has no name. Throws EReadError. When everything is loaded and the
// events are bound, `bind` runs, then the window's OnCreate; an exception
// from OnCreate goes to the application's handler.
TFormObjects LoadFormFromXml(QWidget* form, const QByteArray& xml, const THandlers& handlers,
                             const TMemberBinder& bind = {}, const QString& source = QString());
// The same from a file or resource path such as ":/forms/u_frmMain.ui".
TFormObjects LoadForm(QWidget* form, const QString& path, const THandlers& handlers, const TMemberBinder& bind = {});

// The object called `name`, which must be a T: EReadError otherwise.
template <class T>
T* FormMember(const TFormObjects& objects, const QString& window, const QString& name)
{
    T* member = qobject_cast<T*>(objects.value(name));
    if (!member)
        throw EReadError(QStringLiteral("Window \"%1\": control \"%2\" is missing from its description or has the wrong class")
                             .arg(window, name));
    return member;
}

} // namespace vorn
