// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Virtual-key codes, and the one place where Qt's key events are mapped onto
/// them.
#include <vorn/vorn_export.h>

#include <cstdint>

#include <Qt>

class QKeyEvent;
class QMouseEvent;

namespace vorn {

enum : uint16_t {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_NUMPAD0 = 0x60,
    VK_MULTIPLY = 0x6A,
    VK_ADD = 0x6B,
    VK_SUBTRACT = 0x6D,
    VK_DECIMAL = 0x6E,
    VK_DIVIDE = 0x6F,
    VK_F1 = 0x70,
    KC_PLUS = 187,
    KC_COMMA = 188,
    KC_MINUS = 189,
    KC_DOT = 190,
};

/// The virtual-key code of a key event, 0 for keys without one. Digits and
/// letters give their character code ('0'..'9', 'A'..'Z'), keypad digits
/// VK_NUMPAD0 + n. A shifted symbol counts as the key it is on ("$" is the 4
/// key, "+" the plus key, "_" the minus key, ">" the full stop, "<" the comma).
VORN_EXPORT uint16_t VirtualKeyOf(const QKeyEvent* event);

/// Shift, Alt, Control and mouse-button state of a key or mouse event.
using TShiftState = uint32_t;
enum : TShiftState { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };

/// The state of keyboard modifiers.
VORN_EXPORT TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);
/// The modifiers and the buttons held during a mouse event.
VORN_EXPORT TShiftState ShiftStateOf(const QMouseEvent* event);

} // namespace vorn
