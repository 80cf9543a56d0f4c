// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the one place where Qt's key
// and mouse events are mapped onto virtual-key codes and shift states.
#include "Keys.h"

class QKeyEvent;
class QMouseEvent;

namespace vorn {

/// The virtual-key code of a key event, 0 for keys without one. Digits and
/// letters give their character code ('0'..'9', 'A'..'Z'), keypad digits
/// VK_NUMPAD0 + n. A shifted symbol counts as the key it is on ("$" is the 4
/// key, "+" the plus key, "_" the minus key, ">" the full stop, "<" the comma).
uint16_t VirtualKeyOf(const QKeyEvent* event);

/// The state of keyboard modifiers.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);
/// The modifiers and the buttons held during a mouse event.
TShiftState ShiftStateOf(const QMouseEvent* event);

} // namespace vorn
