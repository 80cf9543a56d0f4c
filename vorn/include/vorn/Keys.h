// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Virtual-key codes and shift states, as the controls' key and mouse events
/// give them.
#include <vorn/vorn_export.h>

#include <cstdint>

#include <Qt>

namespace vorn {

/// Virtual-key codes of the keys the controls handle.
enum : uint16_t {
    VK_BACK = 0x08,     ///< Backspace
    VK_TAB = 0x09,      ///< Tab
    VK_RETURN = 0x0D,   ///< Return and Enter
    VK_SHIFT = 0x10,    ///< Shift
    VK_CONTROL = 0x11,  ///< Control
    VK_MENU = 0x12,     ///< Alt
    VK_ESCAPE = 0x1B,   ///< Escape
    VK_SPACE = 0x20,    ///< the space bar
    VK_PRIOR = 0x21,    ///< Page Up
    VK_NEXT = 0x22,     ///< Page Down
    VK_END = 0x23,      ///< End
    VK_HOME = 0x24,     ///< Home
    VK_LEFT = 0x25,     ///< Left arrow
    VK_UP = 0x26,       ///< Up arrow
    VK_RIGHT = 0x27,    ///< Right arrow
    VK_DOWN = 0x28,     ///< Down arrow
    VK_INSERT = 0x2D,   ///< Insert
    VK_DELETE = 0x2E,   ///< Delete
    VK_NUMPAD0 = 0x60,  ///< keypad 0; keypad n is VK_NUMPAD0 + n
    VK_MULTIPLY = 0x6A, ///< keypad *
    VK_ADD = 0x6B,      ///< keypad +
    VK_SUBTRACT = 0x6D, ///< keypad -
    VK_DECIMAL = 0x6E,  ///< keypad decimal separator
    VK_DIVIDE = 0x6F,   ///< keypad /
    VK_F1 = 0x70,       ///< F1; Fn is VK_F1 + n - 1
    KC_PLUS = 187,      ///< the + key of the main block
    KC_COMMA = 188,     ///< the comma key
    KC_MINUS = 189,     ///< the - key of the main block
    KC_DOT = 190,       ///< the full stop key
};

/// Shift, Alt, Control and mouse-button state of a key or mouse event.
using TShiftState = uint32_t;
enum : TShiftState {
    ssShift = 1,   ///< a Shift key
    ssAlt = 2,     ///< an Alt key
    ssCtrl = 4,    ///< a Control key
    ssLeft = 8,    ///< the left mouse button
    ssRight = 16,  ///< the right mouse button
    ssMiddle = 32, ///< the middle mouse button
};

} // namespace vorn
