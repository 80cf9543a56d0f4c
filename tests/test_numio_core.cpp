// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The numeric field's core without a widget: a detached host sees what the
// core tells it (changes in order, the caret's blink, beeps).
#include "NumIO.h"
#include "NumIOCore_p.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QStringList>

using namespace vorn;

namespace {

// Records what the core tells, one line each, in order.
struct TRecordingHost final : TDetachedHost, TNumIO2Host
{
    QStringList Log;
    bool GrantTimer = true;
    void Changed() override { Log << QStringLiteral("changed"); }
    void TextChanged(const QString& t) override { Log << QStringLiteral("text ") + t; }
    void ValueChanged(double v) override { Log << QStringLiteral("value ") + QString::number(v); }
    bool StartBlink(int ms) override
    {
        Log << QStringLiteral("blink %1").arg(ms);
        return GrantTimer;
    }
    void StopBlink() override { Log << QStringLiteral("stop"); }
};

void Type(TNumIO2Core& core, Qt::Key key, const QString& text)
{
    core.KeyPress(QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    core.KeyRelease(QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

} // namespace

TEST(NumIOCore, KeysEditTheTextAndTellTheHostInOrder)
{
    TRecordingHost host;
    TNumIO2Core core(host, host);
    core.SetBeep(true);
    Type(core, Qt::Key_1, QStringLiteral("1"));
    Type(core, Qt::Key_Period, QStringLiteral("."));
    Type(core, Qt::Key_5, QStringLiteral("5"));
    Type(core, Qt::Key_G, QStringLiteral("g")); // refused: no change, a beep
    EXPECT_EQ(core.Text(), QStringLiteral("1.5"));
    EXPECT_EQ(core.CaretPos(), 3);
    EXPECT_EQ(host.Beeps, 1);
    const QStringList expected{"text 1", "value 1", "changed", "text 1.", "changed", "text 1.5", "value 1.5", "changed"};
    EXPECT_EQ(host.Log, expected);
    EXPECT_GT(host.Paints, 0);
}

TEST(NumIOCore, TheValueFollowsEveryEditOfTheText)
{
    // The value is read once per text: an edit in place (a digit typed over
    // the selected one, the text as long as before), a new format and a
    // text written whole each read it anew.
    TRecordingHost host;
    TNumIO2Core core(host, host);
    Type(core, Qt::Key_1, QStringLiteral("1"));
    Type(core, Qt::Key_2, QStringLiteral("2"));
    EXPECT_EQ(core.GetNioValue(), 12.0);
    core.SetSelBegin(1);
    core.SetSelEnd(2);
    Type(core, Qt::Key_7, QStringLiteral("7"));
    EXPECT_EQ(core.Text(), QStringLiteral("17"));
    EXPECT_EQ(core.GetNioValue(), 17.0);
    core.SetInFormatType(itHex);
    EXPECT_EQ(core.Text(), QStringLiteral("00000011"));
    EXPECT_EQ(core.GetNioValue(), 17.0);
    core.SetNioText(QStringLiteral("000000FF"));
    EXPECT_EQ(core.GetNioValue(), 255.0);
}

TEST(NumIOCore, TheHostBlinksTheCaret)
{
    TRecordingHost host;
    TNumIO2Core core(host, host);
    core.UpdateTimer();
    EXPECT_EQ(host.Log, (QStringList{"stop", "blink 500"}));
    EXPECT_TRUE(core.CaretVisible());
    // Without the focus a tick hides the caret and stops the blink.
    host.Log.clear();
    core.BlinkTick();
    EXPECT_FALSE(core.CaretVisible());
    EXPECT_EQ(host.Log, QStringList{"stop"});
    // With it the caret toggles.
    host.FFocus = true;
    core.BlinkTick();
    EXPECT_TRUE(core.CaretVisible());
    // A host without a timer: the field's error, named by its sender (none).
    host.GrantTimer = false;
    try {
        core.UpdateTimer();
        FAIL() << "no error";
    } catch (const EVornNumIO2Error& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Component \"\": no timer available"));
    }
}
