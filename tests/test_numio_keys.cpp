// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Keyboard editing through real key events: typing and refusing per format,
// deleting, the fixed-point rule, clipboard commands, read-only use, Tab,
// the caret timer and the modifier flags.
#include "Application.h"
#include "Application_p.h"
#include "MessageTimer_p.h"
#include "NumIO.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using namespace vorn;

namespace {

// A window with two fields; the first has the focus.
struct Window {
    QWidget top;
    TNumIO2* field;
    TNumIO2* next;
    int changes = 0;

    Window()
    {
        auto* layout = new QVBoxLayout(&top);
        field = new TNumIO2(&top);
        next = new TNumIO2(&top);
        field->SetName(QStringLiteral("nioFreq"));
        next->SetTabStop(true);
        layout->addWidget(field);
        layout->addWidget(next);
        field->OnChange = [this](QObject*) { ++changes; };
        top.show();
        top.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&top));
        field->SetFocus();
        EXPECT_TRUE(field->hasFocus());
    }

    // Types a string of key names: one character per key, "<" Left, ">"
    // Right, "^" Home, "|" End, "#" Backspace, "~" Delete.
    void Type(const char* keys)
    {
        for (const char* k = keys; *k; ++k) {
            switch (*k) {
            case '<': QTest::keyClick(field, Qt::Key_Left); break;
            case '>': QTest::keyClick(field, Qt::Key_Right); break;
            case '^': QTest::keyClick(field, Qt::Key_Home); break;
            case '|': QTest::keyClick(field, Qt::Key_End); break;
            case '#': QTest::keyClick(field, Qt::Key_Backspace); break;
            case '~': QTest::keyClick(field, Qt::Key_Delete); break;
            default: QTest::keyClick(field, *k); break;
            }
        }
    }
};

TEST(NumIOKeys, TypingAndRefusingPerFormat)
{
    struct Case {
        TInFormat format;
        TDecPSep sep;
        const char* start;
        const char* keys;
        const char* text;
        int changes;
        int refused;
    } cases[] = {
        {itFloat, dsBoth, "7.100", "|5", "7.1005", 1, 0},
        {itFloat, dsBoth, "7.100", "|g", "7.100", 0, 1},
        {itFloat, dsBoth, "7.100", "|.", "7.100", 0, 1},
        {itFloat, dsBoth, "", "-1.5", "-1.5", 4, 0},
        {itFloat, dsDot, "", "1,5", "15", 2, 1},
        {itFloat, dsComma, "", "1,5", "1,5", 3, 0},
        {itFloat, dsBoth, "12", "^+", "+12", 1, 0},
        {itFloat, dsBoth, "", "1e5", "15", 2, 1},
        {itExp, dsBoth, "", "1.5e-3", "1.5E-3", 6, 0},
        {itInt, dsBoth, "", "-5.", "-5", 2, 1},
        {itHex, dsBoth, "", "0a1fg", "0A1F", 4, 1},
        {itOct, dsBoth, "", "178", "17", 2, 1},
        {itBin, dsBoth, "", "102", "10", 2, 1},
        {itDynamic, dsBoth, "", "-2.5", "-2.5", 4, 0},
        {itDynamic, dsBoth, "", "1.5e", "1.5", 3, 1},
        {itFloat, dsBoth, "7.100", "^<<>>>>>>>5", "7.1005", 1, 0}, // arrows stop at the ends
    };
    for (const auto& c : cases) {
        for (bool beep : {false, true}) {
            Window w;
            w.field->SetInFormatType(c.format);
            w.field->SetDecSep(c.sep);
            w.field->SetNioText(QString::fromLatin1(c.start));
            w.field->SetBeep(beep);
            const int beeps = BeepCount();
            w.Type(c.keys);
            EXPECT_EQ(w.field->Text(), QString::fromLatin1(c.text)) << c.keys;
            EXPECT_EQ(w.changes, c.changes) << c.keys;
            EXPECT_EQ(BeepCount() - beeps, beep ? c.refused : 0) << c.keys;
        }
    }
}

TEST(NumIOKeys, ShiftedDigitsTypePrefixes)
{
    // A prefix alone is no valid text, so it goes in front of digits.
    struct Case {
        const char* digits;
        Qt::Key key;
        const char* text;
        double value;
    } cases[] = {
        {"10", Qt::Key_Dollar, "$10", 16}, {"101", Qt::Key_5, "%101", 5}, {"17", Qt::Key_6, "&17", 15},
        {"", Qt::Key_Dollar, "", 0},
    };
    for (const auto& c : cases) {
        Window w;
        w.field->SetInFormatType(itDynamic);
        w.field->SetNioText(QString::fromLatin1(c.digits));
        QTest::keyClick(w.field, c.key, Qt::ShiftModifier);
        EXPECT_EQ(w.field->Text(), QString::fromLatin1(c.text));
        EXPECT_EQ(w.field->GetNioValue(), c.value);
    }
    // Letters are typed in capitals with or without Shift.
    Window w;
    w.field->SetInFormatType(itHex);
    w.field->SetNioText(QString());
    QTest::keyClick(w.field, Qt::Key_B, Qt::ShiftModifier);
    QTest::keyClick(w.field, Qt::Key_C);
    EXPECT_EQ(w.field->Text(), QStringLiteral("BC"));
}

TEST(NumIOKeys, KeypadDecimalTypesComma)
{
    Window w;
    w.field->SetNioText(QStringLiteral("1"));
    w.Type("|");
    QTest::keyClick(w.field, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(w.field, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(w.field->Text(), QStringLiteral("1,5"));
    EXPECT_EQ(w.field->GetNioValue(), 1.5);
    w.field->SetDecSep(dsDot);
    w.field->SetNioText(QStringLiteral("1"));
    w.Type("|");
    QTest::keyClick(w.field, Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(w.field->Text(), QStringLiteral("1"));
    QTest::keyClick(w.field, Qt::Key_Period);
    EXPECT_EQ(w.field->Text(), QStringLiteral("1."));
}

TEST(NumIOKeys, DeletingWithAndWithoutSelection)
{
    Window w;
    w.field->SetDecP(3);
    w.field->SetNioText(QStringLiteral("7"));
    w.Type("|#");
    EXPECT_EQ(w.field->Text(), QString());
    EXPECT_EQ(w.changes, 1);

    w.field->SetNioText(QStringLiteral("7.125"));
    w.Type("^~");
    EXPECT_EQ(w.field->Text(), QStringLiteral(".125"));
    w.Type("|~#");
    EXPECT_EQ(w.field->Text(), QStringLiteral(".12"));

    // Deleting the whole text leaves the formatted zero, caret at 0.
    w.field->SetNioText(QStringLiteral("7.100"));
    w.field->SetSelBegin(0);
    w.field->SetSelEnd(5);
    w.changes = 0;
    w.Type("~");
    EXPECT_EQ(w.field->Text(), QStringLiteral("0.000"));
    EXPECT_EQ(w.field->CaretPos(), 0);
    EXPECT_EQ(w.field->SelEnd(), 0);
    EXPECT_EQ(w.changes, 1);

    // Some characters selected: Backspace removes it; typing replaces it.
    w.field->SetNioText(QStringLiteral("12.34"));
    w.field->SetSelBegin(1);
    w.field->SetSelEnd(3);
    w.Type("#");
    EXPECT_EQ(w.field->Text(), QStringLiteral("134"));
    EXPECT_EQ(w.field->CaretPos(), 1);
    w.field->SetSelBegin(0);
    w.field->SetSelEnd(2);
    w.Type("9");
    EXPECT_EQ(w.field->Text(), QStringLiteral("94"));
}

TEST(NumIOKeys, CaretBeyondTheEndAfterAValueWrite)
{
    Window w;
    w.field->SetNioText(QStringLiteral("1234.50"));
    w.Type("|");
    w.field->SetNioValue(1); // "1.00", caret stays at 7
    w.Type("#");
    EXPECT_EQ(w.field->Text(), QStringLiteral("1.00"));
    EXPECT_EQ(w.field->CaretPos(), 6);
    w.Type(">~5");
    EXPECT_EQ(w.field->Text(), QStringLiteral("1.005"));
}

TEST(NumIOKeys, FixedPointOverwritesTheDecimals)
{
    Window w;
    w.field->SetInFormatType(itFixPoint);
    w.field->SetNioText(QStringLiteral("1.23"));
    w.Type("^>>");
    EXPECT_EQ(w.field->SelBegin(), 2);
    EXPECT_EQ(w.field->SelEnd(), 3);
    w.Type("5");
    EXPECT_EQ(w.field->Text(), QStringLiteral("1.53"));
    EXPECT_EQ(w.field->SelBegin(), 3);
    EXPECT_EQ(w.field->SelEnd(), 4);
    w.Type("7");
    EXPECT_EQ(w.field->Text(), QStringLiteral("1.57"));
    w.Type("8"); // at the end: nothing to overwrite, an appended digit is refused
    EXPECT_EQ(w.field->Text(), QStringLiteral("1.57"));
    w.Type("^9");
    EXPECT_EQ(w.field->Text(), QStringLiteral("91.57"));
}

TEST(NumIOKeys, ClipboardCommands)
{
    Window w;
    QClipboard* cb = QGuiApplication::clipboard();
    w.field->SetBeep(true);
    w.field->SetNioText(QStringLiteral("7.1"));
    w.Type("|");

    cb->setText(QStringLiteral("12abc"));
    const int beeps = BeepCount();
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field->Text(), QStringLiteral("7.1"));
    EXPECT_EQ(w.field->CaretPos(), 3);
    EXPECT_EQ(BeepCount() - beeps, 1);
    EXPECT_EQ(w.changes, 0);

    cb->setText(QStringLiteral("25"));
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field->Text(), QStringLiteral("7.125"));
    EXPECT_EQ(w.field->CaretPos(), 5);
    EXPECT_EQ(w.changes, 1);

    w.field->SetSelBegin(2);
    w.field->SetSelEnd(4);
    QTest::keyClick(w.field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(cb->text(), QStringLiteral("12"));
    EXPECT_EQ(w.field->Text(), QStringLiteral("7.125"));
    QTest::keyClick(w.field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(cb->text(), QStringLiteral("12"));
    EXPECT_EQ(w.field->Text(), QStringLiteral("7.5"));
    EXPECT_EQ(w.changes, 2);

    const int before = BeepCount();
    QTest::keyClick(w.field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(BeepCount() - before, 1);
    EXPECT_EQ(w.field->Text(), QStringLiteral("7.5"));
}

TEST(NumIOKeys, MegabytePasteIsRefused)
{
    Window w;
    w.field->SetNioText(QStringLiteral("7.1"));
    w.Type("|");
    QString big(1 << 20, u'1');
    big[big.size() / 2] = u'x';
    QGuiApplication::clipboard()->setText(big);
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field->Text(), QStringLiteral("7.1"));
    EXPECT_EQ(w.changes, 0);
}

TEST(NumIOKeys, ReadOnlyFieldOnlyCopies)
{
    Window w;
    QClipboard* cb = QGuiApplication::clipboard();
    w.field->SetNioText(QStringLiteral("7.25"));
    w.field->SetReadonly(true);
    w.field->SetBeep(true);
    w.field->SetSelBegin(0);
    w.field->SetSelEnd(2);
    const int beeps = BeepCount();
    w.Type("5#~");
    QTest::keyClick(w.field, Qt::Key_X, Qt::ControlModifier);
    cb->setText(QStringLiteral("9"));
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field->Text(), QStringLiteral("7.25"));
    EXPECT_EQ(BeepCount(), beeps);
    QTest::keyClick(w.field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(cb->text(), QStringLiteral("7."));
    EXPECT_EQ(w.changes, 0);
}

TEST(NumIOKeys, UpAndDownMoveTheCaretOnly)
{
    Window w;
    w.field->SetNioText(QStringLiteral("7.25"));
    QTest::keyClick(w.field, Qt::Key_Down);
    QTest::keyClick(w.field, Qt::Key_Down);
    EXPECT_EQ(w.field->CaretPos(), 2);
    QTest::keyClick(w.field, Qt::Key_Up);
    EXPECT_EQ(w.field->CaretPos(), 1);
    EXPECT_EQ(w.field->Text(), QStringLiteral("7.25"));
    EXPECT_EQ(w.changes, 0);
}

TEST(NumIOKeys, SelectionWriterLimits)
{
    TNumIO2 f;
    f.SetNioText(QStringLiteral("12345"));
    f.SetSelEnd(100);
    EXPECT_EQ(f.SelEnd(), 5);
    EXPECT_EQ(f.CaretPos(), 5);
    f.SetSelBegin(-3);
    EXPECT_EQ(f.SelBegin(), 0);
    f.SetSelEnd(2);
    f.SetSelBegin(4);
    EXPECT_EQ(f.SelEnd(), 4);
    f.SetSelEnd(1);
    EXPECT_EQ(f.SelBegin(), 1);
}

TEST(NumIOKeys, TabMovesTheFocusForward)
{
    Window w;
    QTest::keyClick(w.field, Qt::Key_Tab);
    EXPECT_TRUE(w.next->hasFocus());
    w.field->SetFocus();
    QTest::keyClick(w.field, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(w.next->hasFocus());
}

TEST(NumIOKeys, CaretBlinksWhileFocusedAndHidesAfterward)
{
    Window w;
    TMessageTimer* timer = w.field->CaretTimer();
    ASSERT_TRUE(timer->IsRunning(1));
    EXPECT_EQ(timer->Interval(1), 500);
    EXPECT_TRUE(w.field->CaretVisible());
    timer->Tick(1);
    EXPECT_FALSE(w.field->CaretVisible());
    timer->Tick(1);
    EXPECT_TRUE(w.field->CaretVisible());

    w.next->setFocus();
    ASSERT_FALSE(w.field->hasFocus());
    EXPECT_TRUE(w.field->CaretVisible()); // nothing at once
    timer->Tick(1);
    EXPECT_FALSE(w.field->CaretVisible());
    EXPECT_FALSE(timer->IsRunning(1));

    w.field->setFocus();
    EXPECT_TRUE(timer->IsRunning(1));
    EXPECT_TRUE(w.field->CaretVisible());
}

TEST(NumIOKeys, NoTimerOnFocusGoesToTheErrorReport)
{
    Window w;
    w.next->setFocus();
    ClearReports();
    TMessageTimer::SetRefuseTimers(true);
    w.field->setFocus();
    TMessageTimer::SetRefuseTimers(false);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0], QStringLiteral("Component \"nioFreq\": no timer available"));
    ClearReports();
}

TEST(NumIOKeys, MissedControlReleaseLeavesNoFlagStuck)
{
    Window w;
    w.field->SetNioText(QStringLiteral("1"));
    w.Type("|");
    // Control goes down in the field; its release goes elsewhere.
    QTest::keyPress(w.field, Qt::Key_Control, Qt::ControlModifier);
    w.Type("5");
    EXPECT_EQ(w.field->Text(), QStringLiteral("15"));
    // Shift likewise.
    QTest::keyPress(w.field, Qt::Key_Shift, Qt::ShiftModifier);
    w.field->SetInFormatType(itDynamic);
    w.field->SetNioText(QString());
    w.Type("4");
    EXPECT_EQ(w.field->Text(), QStringLiteral("4"));
}

TEST(NumIOKeys, ShortcutsWithoutAltWaitWhileTheFieldHasTheFocus)
{
    Window w;
    int plain = 0, withAlt = 0;
    auto* a = new QAction(&w.top);
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    QObject::connect(a, &QAction::triggered, [&] { ++plain; });
    auto* b = new QAction(&w.top);
    b->setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
    QObject::connect(b, &QAction::triggered, [&] { ++withAlt; });
    w.top.addAction(a);
    w.top.addAction(b);
    QTest::keyClick(w.field, Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(w.field, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(plain, 0);
    EXPECT_EQ(withAlt, 1);
    // Elsewhere the same shortcut fires.
    w.top.setFocusPolicy(Qt::StrongFocus);
    w.top.setFocus();
    QTest::keyClick(&w.top, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(plain, 1);
}

} // namespace
