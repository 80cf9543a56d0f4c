// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The field's caret and selection: the selection writers, the blinking
// caret (its timer is the host's), and the caret and selection as assistive
// technology sets them.
#include "NumIOCore_p.h"

#include <algorithm>

namespace vorn {

using namespace numio;

// --- Selection -------------------------------------------------------------------

void TNumIO2Core::SetSelBegin(int value)
{
    value = std::min(std::max(value, 0), static_cast<int>(FInBuffer.size()));
    FSelBegin = value;
    FCaretPos = value;
    if (FSelBegin > FSelEnd)
        FSelEnd = FSelBegin;
    FHost.Paint();
    CaretMoved();
}

void TNumIO2Core::SetSelEnd(int value)
{
    value = std::min(std::max(value, 0), static_cast<int>(FInBuffer.size()));
    FSelEnd = value;
    FCaretPos = value;
    if (FSelEnd < FSelBegin)
        FSelBegin = FSelEnd;
    FHost.Paint();
    CaretMoved();
}

void TNumIO2Core::SetHideSel(bool value)
{
    if (value == FHideSel)
        return;
    FHideSel = value;
    FHost.Paint();
}

// --- Caret timer -----------------------------------------------------------------

void TNumIO2Core::UpdateTimer()
{
    FEvents.StopBlink();
    FCaretVisib = true;
    if (!FEvents.StartBlink(CARETBLINK_CONST))
        throw EVornNumIO2Error(ErrorText(QStringLiteral("no timer available")));
    FHost.Paint();
}

void TNumIO2Core::BlinkTick()
{
    if (FHost.HasFocus()) {
        FCaretVisib = !FCaretVisib;
    } else {
        FEvents.StopBlink();
        FCaretVisib = false;
    }
    FHost.Paint();
}

// --- As assistive technology sets them ------------------------------------------

void TNumIO2Core::SetCaretAt(int pos)
{
    FCaretPos = pos;
    FSelBegin = pos;
    FSelEnd = pos;
    FHost.Paint();
}

void TNumIO2Core::SetSelectionAt(int begin, int end)
{
    FSelBegin = begin;
    FSelEnd = end;
    FCaretPos = end;
    FHost.Paint();
}

void TNumIO2Core::EditAsTyped(const QString& text, int caret)
{
    FInBuffer = text;
    FCaretPos = caret;
    FSelBegin = caret;
    FSelEnd = caret;
    FCaretVisib = true;
    NotifyChanges();
    FEvents.Changed();
    FHost.Paint();
}

} // namespace vorn
