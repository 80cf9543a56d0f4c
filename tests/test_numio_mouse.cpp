// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The mouse on a shown field, through real mouse events: caret and drag
// selection, spin buttons with and without stops, the gauge and its drag
// margins, the mouse zones.
#include "MessageTimer_p.h"
#include "NumIO.h"
#include "TestSupport.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace vorn;

namespace {

using namespace numio;

// A shown default field (160 x 28, LeftSpace 35, box 80 wide): spin
// buttons at columns 119 .. 135 (upper rows 1 .. 14, lower 15 .. 27); the
// gauge, when shown, at columns 35 .. 117 below row 16.
struct Field {
    TNumIO2 f;
    int changes = 0;
    int gaugeChanges = 0;
    double lastGauge = -1;

    explicit Field(bool gauge = false, bool buttons = false)
    {
        f.SetGaugeVisib(gauge);
        f.SetButVis(buttons);
        f.OnChange = [this](QObject*) { ++changes; };
        f.OnGaugeChange = [this](QObject*, TShiftState shift, double v) {
            EXPECT_TRUE(shift & ssLeft);
            ++gaugeChanges;
            lastGauge = v;
        };
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
    }
    void Press(int x, int y) { QTest::mousePress(&f, Qt::LeftButton, {}, QPoint(x, y)); }
    void Release(int x, int y) { QTest::mouseRelease(&f, Qt::LeftButton, {}, QPoint(x, y)); }
    void Move(int x, int y) { QTest::mouseMove(&f, QPoint(x, y)); }
    void Click(int x, int y)
    {
        Press(x, y);
        Release(x, y);
    }
};

TEST(NumIOMouse, SpinButtonsStepWithinTheRange)
{
    Field t(false, true);
    t.f.SetRangeLow(0.1);
    t.f.SetRangeHigh(1500);
    t.f.SetNioValue(1499.5);
    t.Click(127, 5);
    EXPECT_EQ(t.f.GetNioValue(), 1500.0);
    EXPECT_EQ(t.changes, 1);
    t.Click(127, 5);
    EXPECT_EQ(t.f.GetNioValue(), 1500.0);
    EXPECT_EQ(t.changes, 2); // raised also when the value stayed

    t.f.SetNioValue(0.5);
    t.Click(127, 20);
    EXPECT_EQ(t.f.GetNioValue(), 0.1);
    EXPECT_EQ(t.changes, 3);
}

TEST(NumIOMouse, SpinButtonHitArea)
{
    struct Case {
        int x, y;
        double value; // from 10, step 1
    } cases[] = {
        {119, 5, 11}, {135, 5, 11}, {118, 5, 10}, {136, 5, 10}, {127, 14, 11},
        {127, 15, 9}, {127, 27, 9}, {127, 0, 10},
    };
    for (const auto& c : cases) {
        Field t(false, true);
        t.f.SetNioValue(10);
        t.Click(c.x, c.y);
        EXPECT_EQ(t.f.GetNioValue(), c.value) << c.x << "," << c.y;
        EXPECT_EQ(t.changes, c.value != 10 ? 1 : 0) << c.x << "," << c.y;
    }
}

TEST(NumIOMouse, SpinButtonsMoveBetweenStops)
{
    struct Case {
        double from;
        bool upper;
        double to;
    } cases[] = {
        {3.4, true, 5},  {3.4, false, 2}, {5, true, 10},   {5, false, 2},     {10, true, 10},
        {1, false, 1},   {0.2, true, 1},  {50, false, 10}, {5.004, true, 10}, {5.02, false, 5},
    };
    for (const auto& c : cases) {
        Field t(false, true);
        t.f.ButtonPivots = {1, 2, 5, 10};
        t.f.SetDecP(2);
        t.f.SetNioValue(c.from);
        t.Click(127, c.upper ? 5 : 20);
        EXPECT_EQ(t.f.GetNioValue(), c.to) << c.from << (c.upper ? " up" : " down");
    }
}

TEST(NumIOMouse, GaugePressSetsTheValue)
{
    struct Case {
        int x;
        double value;
    } cases[] = {{35, 0}, {117, 1000}, {76, 500}};
    for (const auto& c : cases) {
        Field t(true);
        t.f.SetNioValue(123);
        t.Press(c.x, 22);
        EXPECT_EQ(t.f.GetNioValue(), c.value) << c.x;
        EXPECT_EQ(t.gaugeChanges, 0);
        EXPECT_EQ(t.changes, 0);
        t.Release(c.x, 22);
        EXPECT_EQ(t.changes, 1);
    }
    // Outside the gauge's columns, or in the boundary row, a press stores nothing.
    for (QPoint p : {QPoint(34, 22), QPoint(118, 22), QPoint(76, 16)}) {
        Field t(true);
        t.f.SetNioValue(123);
        t.Click(p.x(), p.y());
        EXPECT_EQ(t.f.GetNioValue(), 123.0) << p.x() << "," << p.y();
        EXPECT_EQ(t.changes, 0);
    }
}

TEST(NumIOMouse, GaugeDragIsOnePixelWider)
{
    Field t(true);
    t.Press(76, 22);
    struct Step {
        int x;
        double value;
        int gaugeChanges;
    } steps[] = {{34, 0, 1}, {33, 0, 1}, {118, 1000, 2}, {119, 1000, 2}, {76, 500, 3}};
    for (const auto& s : steps) {
        if (s.x == 33 || s.x == 119)
            t.f.SetNioValue(777);
        t.Move(s.x, 22);
        EXPECT_EQ(t.f.GetNioValue(), s.x == 33 || s.x == 119 ? 777 : s.value) << s.x;
        EXPECT_EQ(t.gaugeChanges, s.gaugeChanges) << s.x;
    }
    EXPECT_EQ(t.lastGauge, 500.0);
    EXPECT_EQ(t.changes, 0);
    t.Release(76, 22);
    EXPECT_EQ(t.changes, 1);
    // A move without the button changes nothing.
    t.Move(80, 22);
    EXPECT_EQ(t.f.GetNioValue(), 500.0);
    EXPECT_EQ(t.gaugeChanges, 3);
}

TEST(NumIOMouse, GaugeWithStops)
{
    struct Case {
        int x;
        double value;
    } cases[] = {{35, 1}, {117, 10}, {68, 2}}; // 68: 40 % of the width, Round(3 * 0.4) = 1
    for (const auto& c : cases) {
        Field t(true);
        t.f.ButtonPivots = {1, 2, 5, 10};
        t.Click(c.x, 22);
        EXPECT_EQ(t.f.GetNioValue(), c.value) << c.x;
    }
    // Stops outside the range are pulled onto it.
    Field t(true);
    t.f.ButtonPivots = {-50, 2000};
    t.Click(35, 22);
    EXPECT_EQ(t.f.GetNioValue(), 0.0);
    t.Click(117, 22);
    EXPECT_EQ(t.f.GetNioValue(), 1000.0);
}

TEST(NumIOMouse, GaugeDragMarginsKeepTheStopIndexInside)
{
    Field t(true);
    for (int i = 0; i < 100; ++i)
        t.f.ButtonPivots.push_back(i * 10);
    t.Press(76, 22);
    t.Move(34, 22);
    EXPECT_EQ(t.f.GetNioValue(), 0.0);
    t.Move(118, 22);
    EXPECT_EQ(t.f.GetNioValue(), 990.0);
    t.Release(118, 22);
}

TEST(NumIOMouse, MouseAreaCodeZones)
{
    Field t;
    struct Case {
        int x, code;
    } cases[] = {{10, 0}, {35, 0}, {36, 1}, {115, 1}, {116, 2}, {150, 2}};
    for (const auto& c : cases) {
        t.Move(c.x, 10);
        EXPECT_EQ(t.f.MouseAreaCode(), c.code) << c.x;
    }
    t.Press(10, 10); // a press does not change it
    EXPECT_EQ(t.f.MouseAreaCode(), 2);
    t.Release(10, 10);
}

TEST(NumIOMouse, DragSelectionKeepsTheLeftmostStart)
{
    Field t;
    t.f.SetNioText(QStringLiteral("12345"));
    const int y = 10;
    t.Press(t.f.CharPosToXCoords(3), y);
    EXPECT_EQ(t.f.CaretPos(), 3);
    EXPECT_EQ(t.f.SelBegin(), 3);
    EXPECT_EQ(t.f.SelEnd(), 3);
    t.Move(t.f.CharPosToXCoords(0), y);
    EXPECT_EQ(t.f.SelBegin(), 0);
    EXPECT_EQ(t.f.SelEnd(), 3);
    t.Move(t.f.CharPosToXCoords(5), y);
    EXPECT_EQ(t.f.SelBegin(), 0);
    EXPECT_EQ(t.f.SelEnd(), 5);
    EXPECT_EQ(t.f.CaretPos(), 5);
    t.Move(t.f.CharPosToXCoords(2), y);
    EXPECT_EQ(t.f.SelBegin(), 0);
    EXPECT_EQ(t.f.SelEnd(), 2);
    t.Release(t.f.CharPosToXCoords(2), y);
    EXPECT_EQ(t.changes, 0);
}

TEST(NumIOMouse, CharPositionOfX)
{
    TNumIO2 f;
    EXPECT_EQ(f.XCoordsToCharPos(60), 0); // empty text
    f.SetNioText(QStringLiteral("1234"));
    for (TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
        f.SetAlignment(a);
        for (int cp = 0; cp <= 4; ++cp)
            EXPECT_EQ(f.XCoordsToCharPos(f.CharPosToXCoords(cp)), cp) << int(a) << " " << cp;
        EXPECT_EQ(f.XCoordsToCharPos(0), 0);
        EXPECT_EQ(f.XCoordsToCharPos(159), 4);
    }
}

TEST(NumIOMouse, PressOnAButtonPutsTheCaretAtTheEndFirst)
{
    Field t(false, true);
    t.f.SetNioText(QStringLiteral("7.10"));
    ASSERT_EQ(t.f.CaretPos(), 0);
    int caretAtChange = -1;
    t.f.OnChange = [&](QObject*) { caretAtChange = t.f.CaretPos(); };
    t.Click(127, 5);
    EXPECT_EQ(t.f.Text(), QStringLiteral("8.10"));
    EXPECT_EQ(caretAtChange, 4);
}

TEST(NumIOMouse, ClickGivesFocusAndRaisesTheFrameworkEvents)
{
    Field t;
    int clicks = 0, downs = 0, ups = 0;
    t.f.OnClick = [&](QObject*) { ++clicks; };
    t.f.OnMouseDown = [&](QObject*, Qt::MouseButton b, TShiftState, int x, int) {
        EXPECT_EQ(b, Qt::LeftButton);
        EXPECT_EQ(x, 60);
        ++downs;
    };
    t.f.OnMouseUp = [&](QObject*, Qt::MouseButton, TShiftState, int, int) { ++ups; };
    t.f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.f));
    t.Click(60, 10);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(t.f.hasFocus());
    EXPECT_TRUE(t.f.CaretTimer()->IsRunning(1));
}

} // namespace
