// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Keys_p.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace vorn {

uint16_t VirtualKeyOf(const QKeyEvent* event)
{
    const int key = event->key();
    const bool keypad = event->modifiers().testFlag(Qt::KeypadModifier);

    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<uint16_t>(keypad ? VK_NUMPAD0 + (key - Qt::Key_0) : key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<uint16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<uint16_t>(VK_F1 + (key - Qt::Key_F1));

    switch (key) {
    // The shifted symbols of the digit row (US layout) are still digit keys.
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return keypad ? uint16_t(VK_MULTIPLY) : uint16_t('8');
    case Qt::Key_ParenLeft: return '9';
    case Qt::Key_ParenRight: return '0';

    case Qt::Key_Plus: return keypad ? VK_ADD : KC_PLUS;
    case Qt::Key_Equal: return KC_PLUS;
    case Qt::Key_Minus: return keypad ? VK_SUBTRACT : KC_MINUS;
    case Qt::Key_Underscore: return KC_MINUS;
    case Qt::Key_Period: return keypad ? VK_DECIMAL : KC_DOT;
    case Qt::Key_Greater: return KC_DOT;
    case Qt::Key_Comma: return keypad ? VK_DECIMAL : KC_COMMA;
    case Qt::Key_Less: return KC_COMMA;
    case Qt::Key_Slash: return keypad ? VK_DIVIDE : 0;

    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    default: return 0;
    }
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier)
        s |= ssShift;
    if (modifiers & Qt::AltModifier)
        s |= ssAlt;
    if (modifiers & Qt::ControlModifier)
        s |= ssCtrl;
    return s;
}

TShiftState ShiftStateOf(const QMouseEvent* event)
{
    TShiftState s = ShiftStateOf(event->modifiers());
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

} // namespace vorn
