// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The controls' Qt signals: NOTIFY of the value-carrying properties, emitted
// for every real change and only then, and each event's signal, emitted
// right after its member with the same arguments, assigned or not.
#include "MessageTimer_p.h"
#include "NumIO.h"
#include "NumLab.h"
#include "RasterLab.h"
#include "RotLab.h"
#include "TestSupport.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace vorn;

namespace {

using Log = std::vector<QString>;

QString Text(int v)
{
    return QString::number(v);
}
QString Text(uint v)
{
    return QString::number(v);
}
QString Text(double v)
{
    return QString::number(v, 'g', 17);
}
QString Text(const QString& s)
{
    return s;
}
QString Text(QChar c)
{
    return QString(c);
}
QString Text(Qt::MouseButton b)
{
    return QStringLiteral("button%1").arg(int(b));
}
QString Text(uint16_t key)
{
    return QStringLiteral("key%1").arg(key);
}

template <class... A>
QString Args(const A&... a)
{
    QStringList list;
    (list.append(Text(a)), ...);
    return list.join(u',');
}

// Arms one event of a control: its member (when withMember) logs
// "member <args>", a slot on its signal logs "signal <args>".
template <class C, class Member, class Signal>
void Arm(C& control, Member C::*member, Signal signal, Log& log, bool withMember)
{
    if (withMember)
        control.*member = [&control, &log](QObject* sender, auto&&... a) {
            EXPECT_EQ(sender, &control);
            log.push_back("member " + Args(a...));
        };
    QObject::connect(&control, signal, &control, [&log](auto... a) { log.push_back("signal " + Args(a...)); });
}

// The log of an event raised with its member: member and signal in pairs,
// at the same moment with the same arguments, member first; raised without
// it: the same signals.
void ExpectPairs(const Log& withMember, const Log& withoutMember, const char* name)
{
    ASSERT_FALSE(withMember.empty()) << name << " was not raised";
    ASSERT_EQ(withMember.size() % 2, 0u) << name;
    Log signalsOnly;
    for (size_t i = 0; i < withMember.size(); i += 2) {
        ASSERT_TRUE(withMember[i].startsWith("member")) << name << ": " << withMember[i].toStdString();
        EXPECT_EQ(withMember[i + 1], "signal" + withMember[i].mid(6)) << name;
        signalsOnly.push_back(withMember[i + 1]);
    }
    EXPECT_EQ(withoutMember, signalsOnly) << name << " without its member";
}

// ------------------------------------------------------------------ field

// A window with a field (160 x 28 at (0, 0): box columns 35 .. 117, the
// gauge at row 22, the spin buttons at columns 119 .. 135) and a second field
// that takes the focus first.
struct Rig {
    QWidget top;
    TNumIO2* field = new TNumIO2(&top);
    TNumIO2* other = new TNumIO2(&top);

    Rig()
    {
        top.resize(200, 80);
        other->move(0, 40);
        field->SetGaugeVisib(true);
        field->SetButVis(true);
        top.show();
        top.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&top));
        other->SetFocus();
    }
    void Key(char c) { QTest::keyClick(field, c); }
    void Click(int x, int y) { QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(x, y)); }
    void Drag(int from, int to)
    {
        QTest::mousePress(field, Qt::LeftButton, {}, QPoint(from, 22));
        QTest::mouseMove(field, QPoint(to, 22));
        QTest::mouseRelease(field, Qt::LeftButton, {}, QPoint(to, 22));
    }
};

TEST(QtSignals, FieldEventsSignalRightAfterTheirMembers)
{
    struct Row {
        const char* name;
        std::function<void(TNumIO2&, Log&, bool)> arm;
        std::function<void(Rig&)> act;
    } rows[] = {
        {"OnChange", [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnChange, &TNumIO2::changed, l, m); },
         [](Rig& r) { r.Key('5');
             r.Click(127, 5);
             r.Drag(60, 90); }},
        {"OnGaugeChange",
         [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnGaugeChange, &TNumIO2::gaugeChanged, l, m); },
         [](Rig& r) { r.Drag(60, 90); }},
        {"OnClick", [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnClick, &TNumIO2::clicked, l, m); },
         [](Rig& r) { r.Click(50, 5); }},
        {"OnDblClick",
         [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnDblClick, &TNumIO2::doubleClicked, l, m); },
         [](Rig& r) { QTest::mouseDClick(r.field, Qt::LeftButton, {}, QPoint(50, 5)); }},
        {"OnMouseDown",
         [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnMouseDown, &TNumIO2::mousePressed, l, m); },
         [](Rig& r) { r.Click(50, 5);
             r.Drag(60, 90); }},
        {"OnMouseMove",
         [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnMouseMove, &TNumIO2::mouseMoved, l, m); },
         [](Rig& r) { r.Drag(60, 90); }},
        {"OnMouseUp", [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnMouseUp, &TNumIO2::mouseReleased, l, m); },
         [](Rig& r) { r.Click(50, 5); }},
        {"OnKeyDown", [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnKeyDown, &TNumIO2::keyPressed, l, m); },
         [](Rig& r) { r.Key('5');
             QTest::keyClick(r.field, Qt::Key_Left, Qt::ShiftModifier); }},
        {"OnKeyPress",
         [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnKeyPress, &TNumIO2::characterTyped, l, m); },
         [](Rig& r) { r.Key('5');
             r.Key('.'); }},
        {"OnKeyUp", [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnKeyUp, &TNumIO2::keyReleased, l, m); },
         [](Rig& r) { r.Key('5'); }},
        {"OnEnter", [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnEnter, &TNumIO2::focusEntered, l, m); },
         [](Rig& r) { r.field->SetFocus(); }},
        {"OnExit", [](TNumIO2& f, Log& l, bool m) { Arm(f, &TNumIO2::OnExit, &TNumIO2::focusExited, l, m); },
         [](Rig& r) { r.field->SetFocus();
             r.other->SetFocus(); }},
    };
    for (const Row& row : rows) {
        Log logs[2];
        for (bool withMember : {true, false}) {
            Rig r;
            row.arm(*r.field, logs[withMember ? 0 : 1], withMember);
            row.act(r);
        }
        ExpectPairs(logs[0], logs[1], row.name);
    }
}

// One field through writers, typing, a spin, the gauge and a deletion: the
// texts and values told, and the change events, after each step.
TEST(QtSignals, FieldTellsEveryRealChangeOfTextAndValue)
{
    Rig r;
    TNumIO2& f = *r.field;
    QSignalSpy texts(&f, &TNumIO2::textChanged), values(&f, &TNumIO2::valueChanged), changes(&f, &TNumIO2::changed);
    Log order;
    f.OnChange = [&](QObject*) { order.push_back("OnChange"); };
    QObject::connect(&f, &TNumIO2::textChanged, [&] { order.push_back("textChanged"); });
    QObject::connect(&f, &TNumIO2::valueChanged, [&] { order.push_back("valueChanged"); });
    QObject::connect(&f, &TNumIO2::changed, [&] { order.push_back("changed"); });
    struct Step {
        const char* what;
        std::function<void()> act;
        QStringList texts;
        std::vector<double> values;
        int changes;
    } steps[] = {
        {"Value := 7.1", [&] { f.SetNioValue(7.1); }, {"7.10"}, {7.1}, 0},
        {"the same value", [&] { f.SetNioValue(7.1); }, {}, {}, 0},
        {"an invalid Text", [&] { f.SetNioText("abc"); }, {}, {}, 0},
        {"End, 5", [&] { QTest::keyClick(&f, Qt::Key_End);
             r.Key('5'); }, {"7.105"}, {7.105}, 1},
        {"Backspace", [&] { QTest::keyClick(&f, Qt::Key_Backspace); }, {"7.10"}, {7.1}, 1},
        {"0: the same number", [&] { r.Key('0'); }, {"7.100"}, {}, 1},
        {"a refused key", [&] { r.Key('x'); }, {}, {}, 0},
        {"DecPlaceSep := dsComma", [&] { f.SetDecSep(dsComma); }, {"7,100"}, {}, 0},
        {"InputFormat := itInt", [&] { f.SetInFormatType(itInt); }, {"7"}, {7}, 0},
        {"the upper spin button", [&] { r.Click(127, 5); }, {"8"}, {8}, 1},
        {"a gauge drag", [&] { r.Drag(60, 76); }, {"305", "500"}, {305, 500}, 1},
        {"all deleted: the value 0 once",
         [&] {
             f.SetSelBegin(0);
             f.SetSelEnd(3);
             QTest::keyClick(&f, Qt::Key_Delete);
         },
         {"0"}, {0}, 1},
    };
    for (const Step& s : steps) {
        texts.clear();
        values.clear();
        changes.clear();
        order.clear();
        s.act();
        QStringList gotTexts;
        for (const auto& args : texts)
            gotTexts << args.at(0).toString();
        std::vector<double> gotValues;
        for (const auto& args : values)
            gotValues.push_back(args.at(0).toDouble());
        EXPECT_EQ(gotTexts, s.texts) << s.what;
        EXPECT_EQ(gotValues, s.values) << s.what;
        EXPECT_EQ(changes.count(), s.changes) << s.what;
        // What the step changed is told before its OnChange, and changed()
        // follows OnChange.
        if (s.changes == 1 && !s.texts.isEmpty()) {
            ASSERT_GE(order.size(), 3u) << s.what;
            EXPECT_EQ(order[order.size() - 2], "OnChange") << s.what;
            EXPECT_EQ(order.back(), "changed") << s.what;
        }
    }
    EXPECT_EQ(f.Text(), "0");
}

// An edit is told once it is complete: the deletion that empties the text
// writes the value 0, but the caret has moved to the start by then.
TEST(QtSignals, FieldTellsAnEditWhenItIsComplete)
{
    Rig r;
    TNumIO2& f = *r.field;
    f.SetNioValue(500);
    std::vector<int> carets;
    QObject::connect(&f, &TNumIO2::textChanged, [&] { carets.push_back(f.CaretPos()); });
    f.SetSelBegin(0);
    f.SetSelEnd(6);
    QTest::keyClick(&f, Qt::Key_Delete);
    EXPECT_EQ(f.Text(), "0.00");
    EXPECT_EQ(carets, std::vector<int>{0});
}

// ------------------------------------------------------------------ labels

TEST(QtSignals, LabelEventsSignalRightAfterTheirMembers)
{
    struct Row {
        const char* name;
        std::function<void(TNumLab&, Log&, bool)> arm;
        std::function<void(TNumLab&)> act;
    } rows[] = {
        {"OnBeforeDisplay",
         [](TNumLab& l, Log& log, bool m) { Arm(l, &TNumLab::OnBeforeDisplay, &TNumLab::beforeDisplay, log, m); },
         [](TNumLab& l) { l.SetLabValue(2.5); }},
        {"OnClick", [](TNumLab& l, Log& log, bool m) { Arm(l, &TNumLab::OnClick, &TNumLab::clicked, log, m); },
         [](TNumLab& l) { QTest::mouseClick(&l, Qt::LeftButton, {}, QPoint(50, 5)); }},
        {"OnDblClick",
         [](TNumLab& l, Log& log, bool m) { Arm(l, &TNumLab::OnDblClick, &TNumLab::doubleClicked, log, m); },
         [](TNumLab& l) { QTest::mouseDClick(&l, Qt::LeftButton, {}, QPoint(50, 5)); }},
        {"OnMouseDown",
         [](TNumLab& l, Log& log, bool m) { Arm(l, &TNumLab::OnMouseDown, &TNumLab::mousePressed, log, m); },
         [](TNumLab& l) { QTest::mouseDClick(&l, Qt::RightButton, {}, QPoint(50, 5)); }},
        {"OnMouseMove",
         [](TNumLab& l, Log& log, bool m) { Arm(l, &TNumLab::OnMouseMove, &TNumLab::mouseMoved, log, m); },
         [](TNumLab& l) { QTest::mouseMove(&l, QPoint(10, 5));
             QTest::mouseMove(&l, QPoint(140, 7)); }},
        {"OnMouseUp",
         [](TNumLab& l, Log& log, bool m) { Arm(l, &TNumLab::OnMouseUp, &TNumLab::mouseReleased, log, m); },
         [](TNumLab& l) { QTest::mouseClick(&l, Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 5)); }},
    };
    for (const Row& row : rows) {
        Log logs[2];
        for (bool withMember : {true, false}) {
            TNumLab lab;
            lab.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&lab));
            row.arm(lab, logs[withMember ? 0 : 1], withMember);
            row.act(lab);
        }
        ExpectPairs(logs[0], logs[1], row.name);
    }
}

TEST(QtSignals, LabelRewritesOfTheTextRunHookFirst)
{
    TNumLab lab;
    lab.SetLabWidth(200);
    lab.OnBeforeDisplay = [](QObject*, QString& t) { t += "[hook]"; };
    QObject::connect(&lab, &TNumLab::beforeDisplay, [](QString& t) { t += "[slot]"; });
    EXPECT_EQ(lab.DisplayText(), "0.00[hook][slot]");
}

TEST(QtSignals, LabelValueIsToldWhenItChanges)
{
    TNumLab lab, source;
    QSignalSpy spy(&lab, &TNumLab::valueChanged);
    source.SetLabValue(2.5);
    const std::function<void()> steps[] = {
        [&] { lab.SetLabValue(1.5); },         [&] { lab.SetLabValue(1.5); }, [&] { lab.SetLabValue(std::nan("")); },
        [&] { lab.Assign(&source); },          [&] { lab.Assign(&source); }, [&] { lab.SetLabValue(-0.0); },
        [&] { lab.setProperty("Value", 3.0); },
    };
    for (const auto& step : steps)
        step();
    std::vector<double> got;
    for (const auto& args : spy)
        got.push_back(args.at(0).toDouble());
    EXPECT_EQ(got, (std::vector<double>{1.5, 2.5, -0.0, 3.0}));
}

TEST(QtSignals, TextsOfTheDotMatrixAndRotatedLabelsAreTold)
{
    TRasterLab dots, source;
    source.SetLabText("from the source");
    QSignalSpy dotTexts(&dots, &TRasterLab::textChanged);
    dots.SetLabText("Text"); // the default: no change
    dots.SetLabText("Hello");
    dots.Assign(&source);
    dots.Assign(&source);
    dots.setProperty("Text", "by name");
    ASSERT_EQ(dotTexts.count(), 3);
    EXPECT_EQ(dotTexts.at(0).at(0).toString(), "Hello");
    EXPECT_EQ(dotTexts.at(1).at(0).toString(), "from the source");
    EXPECT_EQ(dotTexts.at(2).at(0).toString(), "by name");

    TRotLab rot;
    QSignalSpy captions(&rot, &TRotLab::textChanged);
    rot.SetCaption("");
    rot.SetCaption("Program made by");
    rot.SetCaption("Program made by");
    ASSERT_EQ(captions.count(), 1);
    EXPECT_EQ(captions.at(0).at(0).toString(), "Program made by");
}

// Scrolling "|" left on a narrow label wraps every few ticks: per tick the
// restart (member, signal) comes before the timer (member, signal).
TEST(QtSignals, ScrollEventsSignalRightAfterTheirMembers)
{
    Log logs[2];
    for (bool withMember : {true, false}) {
        Log& log = logs[withMember ? 0 : 1];
        TRasterLab lab;
        lab.resize(12, 60);
        lab.SetLabText("|");
        if (withMember) {
            lab.OnScrollLoopRestart = [&](QObject*) { log.push_back("member restart"); };
            lab.SetOnScrollTimer([&](QObject*) { log.push_back("member timer"); });
        }
        QObject::connect(&lab, &TRasterLab::scrollLoopRestarted, [&] { log.push_back("signal restart"); });
        QObject::connect(&lab, &TRasterLab::scrollTimer, [&] { log.push_back("signal timer"); });
        lab.SetScrollInc(4);
        lab.SetScrollMode(rdsmLeft);
        for (int tick = 0; tick < 9; ++tick)
            lab.ScrTimerHandle()->Tick(1);
    }
    EXPECT_EQ(std::count(logs[0].begin(), logs[0].end(), "signal restart"), 2);
    ExpectPairs(logs[0], logs[1], "OnScrollTimer and OnScrollLoopRestart");
}

// The NOTIFY signals of the value-carrying properties, named Qt's way.
TEST(QtSignals, ValuePropertiesNotify)
{
    TNumIO2 field;
    TNumLab lab;
    TRasterLab dots;
    TRotLab rot;
    const struct {
        const QObject* control;
        const char* property;
        const char* signal;
    } rows[] = {
        {&field, "Text", "textChanged(QString)"},  {&field, "Value", "valueChanged(double)"},
        {&lab, "Value", "valueChanged(double)"},   {&dots, "Text", "textChanged(QString)"},
        {&rot, "Caption", "textChanged(QString)"},
    };
    for (const auto& r : rows) {
        const QMetaObject* mo = r.control->metaObject();
        const QMetaProperty p = mo->property(mo->indexOfProperty(r.property));
        ASSERT_TRUE(p.hasNotifySignal()) << r.property;
        EXPECT_EQ(p.notifySignal().methodSignature(), r.signal) << mo->className() << "::" << r.property;
    }
}

} // namespace
