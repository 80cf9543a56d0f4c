// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The field's caret and selection: the selection writers, the blinking
// caret with its timer, and the focus that starts it.
#include "NumIO_p.h"

#include "Accessible_p.h"
#include "Application.h"

#include <QFocusEvent>
#include <QShortcut>

#include <algorithm>

namespace vorn {

using namespace numio;

// --- Selection -------------------------------------------------------------------

void TNumIO2::SetSelBegin(int value)
{
    value = std::min(std::max(value, 0), static_cast<int>(FInBuffer.size()));
    FSelBegin = value;
    FCaretPos = value;
    if (FSelBegin > FSelEnd)
        FSelEnd = FSelBegin;
    Paint();
    vornaccess::CaretMoved(this);
}

void TNumIO2::SetSelEnd(int value)
{
    value = std::min(std::max(value, 0), static_cast<int>(FInBuffer.size()));
    FSelEnd = value;
    FCaretPos = value;
    if (FSelEnd < FSelBegin)
        FSelBegin = FSelEnd;
    Paint();
    vornaccess::CaretMoved(this);
}

void TNumIO2::SetHideSel(bool value)
{
    if (value == FHideSel)
        return;
    FHideSel = value;
    Paint();
}

// --- Caret timer -----------------------------------------------------------------

void TNumIO2::UpdateTimer()
{
    FCaretTimerH->KillTimer(1);
    FCaretVisib = true;
    if (!FCaretTimerH->SetTimer(1, CARETBLINK_CONST))
        throw EVornNumIO2Error(ErrorText(QStringLiteral("no timer available")));
    Paint();
}

void TNumIO2::WndProc(int /*TimerId*/)
{
    // Exceptions of a tick reach the application's handler through the
    // timer object.
    CaretTimerEvent(this);
}

void TNumIO2::CaretTimerEvent(QObject* /*Sender*/)
{
    if (hasFocus()) {
        FCaretVisib = !FCaretVisib;
    } else {
        FCaretTimerH->KillTimer(1);
        FCaretVisib = false;
    }
    Paint();
}

// --- Focus -----------------------------------------------------------------------

void TNumIO2::SetFocus()
{
    setFocus(Qt::OtherFocusReason);
    if (!FReadOnly)
        UpdateTimer();
}

QKeySequence TNumIO2::FocusShortcut() const
{
    return FFocusShortcut ? FFocusShortcut->key() : QKeySequence();
}

void TNumIO2::SetFocusShortcut(const QKeySequence& Key)
{
    if (!FFocusShortcut) {
        // Active while the field's window is the active one (Qt also asks
        // that the field be shown and enabled).
        FFocusShortcut = new QShortcut(this);
        FFocusShortcut->setContext(Qt::WindowShortcut);
        connect(FFocusShortcut, &QShortcut::activated, this, [this] {
            GuardedCall(this, [this] {
                setFocus(Qt::ShortcutFocusReason);
                SetSelBegin(0);
                SetSelEnd(int(FInBuffer.size()));
            });
        });
    }
    FFocusShortcut->setKey(Key);
}

void TNumIO2::Click()
{
    SetFocus();
    if (!FReadOnly)
        UpdateTimer();
    if (OnClick)
        OnClick(this);
    Q_EMIT clicked();
}

void TNumIO2::focusInEvent(QFocusEvent* e)
{
    TSurface::focusInEvent(e);
    GuardedCall(this, [&] {
        if (!FReadOnly)
            UpdateTimer();
        if (OnEnter)
            OnEnter(this);
        Q_EMIT focusEntered();
    });
}

void TNumIO2::focusOutEvent(QFocusEvent* e)
{
    TSurface::focusOutEvent(e);
    GuardedCall(this, [&] {
        if (OnExit)
            OnExit(this);
        Q_EMIT focusExited();
    });
}

} // namespace vorn
