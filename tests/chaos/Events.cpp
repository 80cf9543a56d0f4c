// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The kinds of event of a random-event run, each sent as the window system
// would route it: to the open popup menu, else to the modal window, else to
// the main window; keys to the focus widget of that window.
#include "Runner.h"

#include "MessageTimer_p.h"
#include "NumIO.h"
#include "Trail.h"
#include "u_frmInfo.h"
#include "u_frmMain.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <cmath>

using namespace vorn;

namespace chaos {
namespace {

struct KeyPick
{
    const char* Name;
    Qt::Key Key;
    Qt::KeyboardModifiers Mods;
    int Weight;
};

// Keys other than the typed characters, with how often each is pressed.
const KeyPick ControlKeys[] = {
    {"Home", Qt::Key_Home, {}, 3},
    {"End", Qt::Key_End, {}, 3},
    {"Left", Qt::Key_Left, {}, 4},
    {"Right", Qt::Key_Right, {}, 4},
    {"Shift+Left", Qt::Key_Left, Qt::ShiftModifier, 1},
    {"Backspace", Qt::Key_Backspace, {}, 8},
    {"Delete", Qt::Key_Delete, {}, 5},
    {"Up", Qt::Key_Up, {}, 1},
    {"Down", Qt::Key_Down, {}, 1},
    {"PageUp", Qt::Key_PageUp, {}, 1},
    {"PageDown", Qt::Key_PageDown, {}, 1},
    {"Tab", Qt::Key_Tab, {}, 1},
    {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, 1},
    {"Enter", Qt::Key_Return, {}, 1},
    {"Escape", Qt::Key_Escape, {}, 1},
    {"Space", Qt::Key_Space, {}, 1},
    {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, 1},
    {"Ctrl+C", Qt::Key_C, Qt::ControlModifier, 3},
    {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, 3},
    {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, 4},
    {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, 1},
    {"keypad 7", Qt::Key_7, Qt::KeypadModifier, 1},
    {"keypad +", Qt::Key_Plus, Qt::KeypadModifier, 1},
    {"keypad .", Qt::Key_Period, Qt::KeypadModifier, 1},
};

// Typed characters: digits most, then what a number may hold, then the rest.
const char NumberChars[] = "+-.,eE";
const char ShiftedDigits[] = "$%&!@#";

std::string Name(const QObject* o)
{
    const QString n = o->objectName();
    return n.isEmpty() ? std::string(o->metaObject()->className()) : n.toStdString();
}

std::string At(QPoint p)
{
    return "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")";
}

// The widget under p (window coordinates): a child, else the window itself.
QWidget* WidgetAt(QWidget* window, const QPoint& p)
{
    QWidget* child = window->rect().contains(p) ? window->childAt(p) : nullptr;
    return child ? child : window;
}

} // namespace

QWidget* Runner::Reachable() const
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return frmMain;
}

QWidget* Runner::KeyTarget() const
{
    QWidget* window = Reachable();
    if (QWidget* focus = window->focusWidget())
        return focus;
    QWidget* focus = QApplication::focusWidget();
    return focus && focus->window() == window ? focus : window;
}

// Half the points fall anywhere (popups: a little beyond them too, to close
// them), half into the box of one of the main window's fields.
QPoint Runner::RandomPoint(QWidget* window)
{
    if (window == frmMain && Chance(500)) {
        TNumIO2* fields[] = {frmMain->nioFreq, frmMain->nioL, frmMain->nioXL};
        TNumIO2* f = fields[Below(3)];
        const QPoint in(f->LeftSpace() + int(Below(uint64_t(f->TextBoxWidth()))), int(Below(uint64_t(f->height()))));
        return f->mapTo(frmMain, in);
    }
    const int margin = window->isWindow() && window->windowType() == Qt::Popup ? 20 : 0;
    return QPoint(int(Below(uint64_t(window->width() + 2 * margin))) - margin,
                  int(Below(uint64_t(window->height() + 2 * margin))) - margin);
}

// File > Exit and the Exit button end the program: the run leaves them out.
bool Runner::EndsProgram(QWidget* target, QPoint local) const
{
    if (target == frmMain->btnExit)
        return true;
    if (auto* menu = qobject_cast<QMenu*>(target))
        return menu->actionAt(local) == frmMain->Exit1 || menu->activeAction() == frmMain->Exit1;
    return false;
}

void Runner::Key()
{
    QWidget* target = KeyTarget();
    const uint64_t r = Below(100);
    std::string what;
    if (r < 55) {
        char c = char('0' + Below(10));
        if (r >= 35)
            c = r < 50 ? NumberChars[Below(sizeof NumberChars - 1)] : char('a' + Below(26));
        else if (r < 2)
            c = ShiftedDigits[Below(sizeof ShiftedDigits - 1)];
        what = std::string("key '") + c + "'";
        Announce(what + " to " + Name(target));
        QTest::keyClick(target, c, r < 2 ? Qt::ShiftModifier : Qt::NoModifier);
    } else {
        int total = 0;
        for (const KeyPick& k : ControlKeys)
            total += k.Weight;
        int pick = int(Below(uint64_t(total)));
        const KeyPick* key = ControlKeys;
        while (pick >= key->Weight)
            pick -= (key++)->Weight;
        const bool presses = key->Key == Qt::Key_Space || key->Key == Qt::Key_Return;
        if (presses && EndsProgram(target, QPoint())) {
            ++FCounts.Skipped;
            Announce(std::string(key->Name) + " on Exit left out (it ends the program)");
            return;
        }
        Announce(std::string("key ") + key->Name + " to " + Name(target));
        QTest::keyClick(target, key->Key, key->Mods);
    }
    ++FCounts.Keys;
}

void Runner::Click(bool twice)
{
    QWidget* window = Reachable();
    const QPoint p = RandomPoint(window);
    QWidget* target = WidgetAt(window, p);
    const QPoint local = target->mapFrom(window, p);
    const Qt::MouseButton button = Chance(900) ? Qt::LeftButton : (Chance(500) ? Qt::RightButton : Qt::MiddleButton);
    const Qt::KeyboardModifiers mods = Chance(900) ? Qt::NoModifier : Qt::ShiftModifier;
    if (button == Qt::LeftButton && EndsProgram(target, local)) {
        ++FCounts.Skipped;
        Announce("click on Exit at " + At(p) + " left out (it ends the program)");
        return;
    }
    Announce(std::string(twice ? "double click" : "click") + (button == Qt::LeftButton ? "" : " (other button)") +
             " on " + Name(target) + " at " + At(local));
    QTest::mousePress(target, button, mods, local);
    QTest::mouseRelease(target, button, mods, local);
    if (twice) {
        QTest::mouseDClick(target, button, mods, local);
        QTest::mouseRelease(target, button, mods, local);
    }
    ++FCounts.Clicks;
}

// A press, a few moves anywhere (the pressed widget keeps the mouse) and a
// release.
void Runner::Drag()
{
    QWidget* window = Reachable();
    const QPoint p = RandomPoint(window);
    QWidget* target = WidgetAt(window, p);
    std::vector<QPoint> path{target->mapFrom(window, p)};
    for (uint64_t n = 1 + Below(5); n > 0; --n)
        path.push_back(target->mapFrom(window, RandomPoint(window)));
    if (EndsProgram(target, path.front()) || EndsProgram(target, path.back())) {
        ++FCounts.Skipped;
        Announce("drag on Exit left out (it ends the program)");
        return;
    }
    Announce("drag on " + Name(target) + " from " + At(path.front()) + " to " + At(path.back()) + " in " +
             std::to_string(path.size() - 1) + " moves");
    QTest::mousePress(target, Qt::LeftButton, {}, path.front());
    for (size_t i = 1; i < path.size(); ++i)
        QTest::mouseMove(target, path[i]);
    QTest::mouseRelease(target, Qt::LeftButton, {}, path.back());
    ++FCounts.Drags;
}

// The pointer passing over a widget without a button.
void Runner::Hover()
{
    QWidget* window = Reachable();
    const QPoint p = RandomPoint(window);
    QWidget* target = WidgetAt(window, p);
    const QPoint local = target->mapFrom(window, p);
    Announce("hover over " + Name(target) + " at " + At(local));
    QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    ++FCounts.Hovers;
}

void Runner::SetClipboard()
{
    const QString text = ClipText();
    Announce("clipboard set to " + Describe(text));
    QGuiApplication::clipboard()->setText(text);
}

// A clipboard text pasted with Ctrl+V wherever the focus is (or, when asked,
// into the Frequency field).
void Runner::Paste()
{
    const QString text = ClipText();
    QGuiApplication::clipboard()->setText(text);
    if (FOpt.FreqPastes && Reachable() == frmMain) {
        TNumIO2* f = frmMain->nioFreq;
        const QPoint in(f->LeftSpace() + int(Below(uint64_t(f->TextBoxWidth()))), f->height() / 2);
        Announce("click on nioFreq at " + At(in) + " to paste");
        QTest::mouseClick(f, Qt::LeftButton, {}, in);
    }
    QWidget* target = KeyTarget();
    Announce("paste " + Describe(text) + " into " + Name(target));
    if (text.size() >= (1 << 20))
        ++FCounts.BigPastes;
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    ++FCounts.Pastes;
}

// One tick of a field's caret timer, as the message loop delivers it.
void Runner::Tick()
{
    TNumIO2* fields[] = {frmMain->nioFreq, frmMain->nioL, frmMain->nioXL};
    TNumIO2* f = fields[Below(3)];
    Announce("caret tick of " + Name(f));
    f->CaretTimer()->Tick(1);
    ++FCounts.Ticks;
}

// The Info item of the menu bar; in the open Info window one of its ways out.
void Runner::Info()
{
    QWidget* window = Reachable();
    if (window == frmMain) {
        const QPoint at = frmMain->MainMenu1->actionGeometry(frmMain->Info1).center();
        Announce("click on Info in the menu bar");
        QTest::mouseClick(frmMain->MainMenu1, Qt::LeftButton, {}, at);
    } else if (window == frmInfo) {
        switch (Below(3)) {
        case 0:
            Announce("click on Close");
            QTest::mouseClick(frmInfo->Button1, Qt::LeftButton);
            break;
        case 1:
            Announce("Escape to the Info window");
            QTest::keyClick(KeyTarget(), Qt::Key_Escape);
            break;
        default: Announce("close box of the Info window"); frmInfo->close();
        }
    } else {
        Announce("Escape to " + Name(window));
        QTest::keyClick(KeyTarget(), Qt::Key_Escape);
    }
}

void Runner::MoveWindow()
{
    const QPoint to(int(Below(600)), int(Below(400)));
    Announce("main window moved to " + At(to));
    frmMain->move(to);
    ++FCounts.Moves;
}

// The program ended and started again: the windows are made anew.
void Runner::Restart()
{
    if (Reachable() != frmMain) {
        Announce("restart left out while a menu or window is open");
        ++FCounts.Skipped;
        return;
    }
    Announce("program restarted");
    CloseWindows();
    OpenWindows();
    FChanged.clear();
    FStartup = true;
    ++FCounts.Restarts;
}

} // namespace chaos

namespace chaos {

// A screen reader (or a tool that works through one) edits a field's text
// or writes its value through the accessibility interfaces.
void Runner::Assistive()
{
    TNumIO2* fields[] = {frmMain->nioFreq, frmMain->nioL, frmMain->nioXL};
    TNumIO2* f = fields[Below(3)];
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(f);
    const int n = i->textInterface()->characterCount();
    const int a = int(Below(uint64_t(n) + 1)), b = int(Below(uint64_t(n) + 1));
    ++FCounts.Assistive;
    switch (Below(4)) {
    case 0: {
        const QString text = ClipText();
        Announce("screen reader inserts " + Describe(text) + " at " + std::to_string(a) + " of " + Name(f));
        i->editableTextInterface()->insertText(a, text);
        break;
    }
    case 1:
        Announce("screen reader deletes " + std::to_string(a) + ".." + std::to_string(b) + " of " + Name(f));
        i->editableTextInterface()->deleteText(a, b);
        break;
    case 2: {
        const QString text = ShortNumber();
        Announce("screen reader replaces the text of " + Name(f) + " with " + Describe(text));
        i->editableTextInterface()->replaceText(0, n, text);
        break;
    }
    default: {
        const double v = (double(Below(2001)) - 1000) * std::pow(10.0, double(Below(600)) - 300);
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.6g", v);
        Announce(std::string("screen reader writes the value ") + buf + " into " + Name(f));
        FValueWritten = f;
        i->valueInterface()->setCurrentValue(v);
    }
    }
}

} // namespace chaos
