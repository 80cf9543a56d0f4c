// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Keyboard editing of the field: the key map, validation of every edit,
// the clipboard commands and key events.
#include "NumIOCore_p.h"

#include "Keys_p.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

#include <optional>

namespace vorn {

using namespace numio;

namespace {
// One more hold on a counter for as long as it lives.
struct THold {
    int& Count;
    explicit THold(int& count) : Count(count) { ++Count; }
    ~THold() { --Count; }
    THold(const THold&) = delete;
    THold& operator=(const THold&) = delete;
};
} // namespace

void TNumIO2Core::BeepIfWanted()
{
    if (FBeep)
        FHost.Beep();
}

void TNumIO2Core::CNKeyDown(uint16_t CharCode)
{
    // 1. Modifier keys only set their flags.
    if (CharCode == VK_SHIFT) {
        FKeyShifted = true;
        return;
    }
    if (CharCode == VK_CONTROL) {
        FKeyCntrl = true;
        return;
    }
    // 2. A read-only field only copies.
    if (FReadOnly && !(FKeyCntrl && CharCode == 'C'))
        return;
    // 3. Keep text and caret, to put them back when the edit is rejected;
    //    textChanged and valueChanged wait for the outcome.
    std::optional<THold> hold(std::in_place, FNotifyHeld);
    const QString InBufBak = FInBuffer;
    const int CaretBak = FCaretPos;
    bool InbufChg = false;
    // 4. Apply the key: the Control map or the plain key map.
    if (FKeyCntrl)
        ApplyControlKey(CharCode, InbufChg);
    else
        ApplyKey(CharCode, InbufChg);
    // 5. A text that fails the check is put back as a whole; the empty text
    //    and a lone sign pass, so that a number can be typed from scratch.
    if (!(FInBuffer.isEmpty() || FInBuffer == u"-" || FInBuffer == u"+") && !CheckValidity(FInBuffer)) {
        FInBuffer = InBufBak;
        FCaretPos = CaretBak;
        InbufChg = false;
        BeepIfWanted();
    }
    // 6. In fixed point, the next character typed among the decimals
    //    overwrites the digit right of the caret.
    if (FInputFormat == itFixPoint) {
        if (FCaretPos > FInBuffer.size() - FDecP - 1) {
            FSelBegin = FCaretPos;
            FSelEnd = FCaretPos + 1;
        } else {
            FSelBegin = FSelEnd;
        }
    }
    // 7. Show the caret at once, report a changed text (its signals before
    //    OnChange), repaint.
    FCaretVisib = true;
    hold.reset();
    NotifyChanges();
    if (InbufChg)
        FEvents.Changed();
    FHost.Paint();
    CaretMoved();
}

void TNumIO2Core::ApplyKey(uint16_t CharCode, bool& InbufChg)
{
    const int len = static_cast<int>(FInBuffer.size());
    const bool hasSel = FSelBegin < FSelEnd;
    switch (CharCode) {
    case VK_LEFT:
    case VK_UP:
        if (FCaretPos > 0)
            --FCaretPos;
        return;
    case VK_RIGHT:
    case VK_DOWN:
        if (FCaretPos < len)
            ++FCaretPos;
        return;
    case VK_HOME: FCaretPos = 0; return;
    case VK_END: FCaretPos = len; return;
    case VK_BACK:
        if (hasSel) {
            DeleteSelection(InbufChg);
        } else if (FCaretPos > 0) {
            FInBuffer.remove(FCaretPos - 1, 1); // nothing when the caret lies beyond the end
            --FCaretPos;
            InbufChg = true;
        }
        return;
    case VK_DELETE:
        if (hasSel) {
            DeleteSelection(InbufChg);
        } else if (FCaretPos < len) {
            FInBuffer.remove(FCaretPos, 1);
            InbufChg = true;
        }
        return;
    case VK_TAB:
        // Shift+Tab moves forward as well.
        FEvents.FocusNext();
        return;
    case KC_PLUS:
    case VK_ADD: TypeChar(u'+', InbufChg); return;
    case KC_MINUS:
    case VK_SUBTRACT: TypeChar(u'-', InbufChg); return;
    case KC_DOT: TypeChar(u'.', InbufChg); return;
    case KC_COMMA:
    case VK_DECIMAL: TypeChar(u',', InbufChg); return;
    default: break;
    }
    QChar c;
    if (CharCode >= '0' && CharCode <= '9')
        c = QChar(CharCode);
    else if (CharCode >= VK_NUMPAD0 && CharCode <= VK_NUMPAD0 + 9)
        c = QChar(u'0' + (CharCode - VK_NUMPAD0));
    else if (CharCode >= 'A' && CharCode <= 'F')
        c = QChar(CharCode);
    else {
        BeepIfWanted();
        return;
    }
    if (FKeyShifted) {
        if (c == u'4')
            c = u'$';
        else if (c == u'5')
            c = u'%';
        else if (c == u'6')
            c = u'&';
    }
    TypeChar(c, InbufChg);
}

void TNumIO2Core::ApplyControlKey(uint16_t CharCode, bool& InbufChg)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (CharCode) {
    case 'C':
        if (FSelBegin < FSelEnd)
            clipboard->setText(SelectedText());
        return;
    case 'V': {
        const QMimeData* data = clipboard->mimeData();
        if (!data || !data->hasText())
            return;
        const QString pasted = clipboard->text();
        const int at = std::min<int>(FCaretPos, static_cast<int>(FInBuffer.size()));
        FInBuffer.insert(at, pasted);
        FCaretPos = at + static_cast<int>(pasted.size());
        InbufChg = true;
        return;
    }
    case 'X':
        if (FSelBegin < FSelEnd) {
            clipboard->setText(SelectedText());
            DeleteSelection(InbufChg);
        }
        return;
    default: BeepIfWanted(); return;
    }
}

QString TNumIO2Core::SelectedText() const
{
    const int len = static_cast<int>(FInBuffer.size());
    const int b = std::clamp(FSelBegin, 0, len);
    const int e = std::clamp(FSelEnd, b, len);
    return FInBuffer.mid(b, e - b);
}

void TNumIO2Core::TypeChar(QChar c, bool& InbufChg)
{
    if (FSelBegin < FSelEnd) {
        const int len = static_cast<int>(FInBuffer.size());
        const int b = std::clamp(FSelBegin, 0, len);
        const int e = std::clamp(FSelEnd, b, len);
        FInBuffer.remove(b, e - b);
        FCaretPos = FSelBegin;
        FSelEnd = FSelBegin;
    }
    if (FCaretPos >= FInBuffer.size())
        FInBuffer.append(c);
    else
        FInBuffer.insert(std::max(FCaretPos, 0), c);
    ++FCaretPos;
    InbufChg = true;
}

void TNumIO2Core::DeleteSelection(bool& InbufChg)
{
    const int len = static_cast<int>(FInBuffer.size());
    const int b = std::clamp(FSelBegin, 0, len);
    const int e = std::clamp(FSelEnd, b, len);
    FInBuffer.remove(b, e - b);
    if (FInBuffer.isEmpty())
        SetNioValue(0.0);
    FCaretPos = FSelBegin;
    FSelEnd = FSelBegin;
    InbufChg = true;
}

void TNumIO2Core::CNKeyUp(uint16_t CharCode)
{
    if (CharCode == VK_SHIFT)
        FKeyShifted = false;
    else if (CharCode == VK_CONTROL)
        FKeyCntrl = false;
}

// --- Key events --------------------------------------------------------------------

// The modifiers that come with the key count, so that a key-up missed while
// the focus was elsewhere leaves no flag stuck.
uint16_t TNumIO2Core::KeyPress(const QKeyEvent& e)
{
    const uint16_t key = VirtualKeyOf(&e);
    FKeyShifted = e.modifiers().testFlag(Qt::ShiftModifier);
    FKeyCntrl = e.modifiers().testFlag(Qt::ControlModifier);
    CNKeyDown(key);
    return key;
}

uint16_t TNumIO2Core::KeyRelease(const QKeyEvent& e)
{
    const uint16_t key = VirtualKeyOf(&e);
    if (key != VK_SHIFT && key != VK_CONTROL) {
        FKeyShifted = e.modifiers().testFlag(Qt::ShiftModifier);
        FKeyCntrl = e.modifiers().testFlag(Qt::ControlModifier);
    }
    CNKeyUp(key);
    return key;
}

} // namespace vorn
