// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Accessibility of the four controls: an interface per control for Qt's
// accessibility layer (role, name, description, value, text and value
// access) and the change events a screen reader listens to. Each control
// calls Attach from its constructor; the first call installs the factory.
#include <vorn/vorn_export.h>

#include <QString>

#include <functional>

class QAccessibleEvent;

namespace vorn {

class TNumIO2;
class TNumLab;
class TRasterLab;
class TRotLab;

namespace vornaccess {

// Installs the factory (once) and hooks the control's signals to the
// accessibility events.
void Attach(TNumIO2* field);
void Attach(TNumLab* label);
void Attach(TRasterLab* label);
void Attach(TRotLab* label);

// The field's caret or selection may have moved: tells the new caret and
// selection when they differ from the last ones told. Cheap when no
// assistive technology is active.
void CaretMoved(TNumIO2* field);

// The label's shown text changed from before to its ShownText(): tells
// the text update and the new value.
void ShownTextChanged(TNumLab* label, const QString& before);

// Whether anyone listens: platform accessibility is active or an observer
// is set. A control may skip work that only serves listeners.
bool Listening();

// An observer of every event the controls send, called ahead of Qt's
// accessibility layer and also when no platform accessibility is active
// (tools, tests); an empty function removes it.
VORN_TESTS_EXPORT void SetEventObserver(std::function<void(QAccessibleEvent*)> observer);

} // namespace vornaccess

} // namespace vorn
