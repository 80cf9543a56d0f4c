// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The field's model: value written into and read out of the text, the
// writers and their limits, range, copying and the field's errors.
#include "Exceptions.h"
#include "Locale_p.h"
#include "MessageTimer_p.h"
#include "NumIO.h"
#include "TestSupport.h"

#include <QMetaProperty>

#include <functional>
#include <iterator>

#include <gtest/gtest.h>

using namespace vorn;

namespace {

TEST(NumIOModel, NewFieldAndPublishedOrder)
{
    TNumIO2 f;
    EXPECT_EQ(f.Text(), QString());
    EXPECT_EQ(f.GetNioValue(), 0.0);
    EXPECT_EQ(f.IntegerValue(), 0);
    EXPECT_FALSE(f.OutOfRange());
    EXPECT_EQ(f.width(), 160);
    EXPECT_EQ(f.height(), 28);
    EXPECT_EQ(f.ButHeight(), 28);
    EXPECT_FALSE(f.TabStop());
    EXPECT_EQ(f.focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(f.CaretTimer()->IsRunning(1));
    EXPECT_EQ(f.CaretTimer()->Interval(1), 500);

    // Published properties in the order a window description applies them,
    // with the defaults of a new field.
    const char* names[] = {"Alignment", "AutoSize", "Beep", "ButVisible", "But3D", "ButHeight", "ButWidth",
                           "ButIncrem", "ButSpace", "ButColor", "ColorBoxBG", "ColorBoxText", "ColorOutBG",
                           "ColorOutText", "ColorScheme", "ColorWarnBG", "ColorWarnText", "DecPlaceSep", "Enabled",
                           "FixPointDecPlaces", "FrameStyle", "GaugeColor", "GaugeColorBg", "GaugeColorFrame",
                           "GaugeHeight", "GaugeFrameStyle", "GaugeLeftMargin", "GaugeTopMargin", "GaugeVisible",
                           "GaugeWidth", "Height", "HideSelection", "InputFormat", "LeftSpace", "LeftText",
                           "LeftTextAlignment", "RangeHigh", "RangeLow", "ReadOnly", "RightText",
                           "RightTextAlignment", "SignificantDigits", "Text", "TextBoxWidth", "Value"};
    const QMetaObject* mo = f.metaObject();
    int at = mo->indexOfProperty("Alignment");
    ASSERT_GE(at, 0);
    for (const char* name : names)
        EXPECT_STREQ(mo->property(at++).name(), name);

    struct Default {
        const char* name;
        QVariant value;
    } defaults[] = {
        {"Alignment", int(taCenter)},  {"AutoSize", false},          {"Beep", false},
        {"ButVisible", false},         {"But3D", true},              {"ButWidth", 18},
        {"ButIncrem", 1.0},            {"ButSpace", 3},              {"ButColor", uint(clSilver)},
        {"ColorBoxBG", uint(clWhite)}, {"ColorBoxText", uint(clBlack)}, {"ColorOutBG", uint(clBtnFace)},
        {"ColorOutText", uint(clBlack)}, {"ColorScheme", int(csBWG)}, {"ColorWarnBG", uint(0x6088FFF0)},
        {"ColorWarnText", uint(clRed)}, {"DecPlaceSep", int(dsBoth)}, {"Enabled", true},
        {"FixPointDecPlaces", 2},      {"FrameStyle", int(fsLowered)}, {"GaugeColor", uint(clNavy)},
        {"GaugeColorBg", uint(clSilver)}, {"GaugeColorFrame", uint(clGray)}, {"GaugeHeight", 8},
        {"GaugeFrameStyle", int(fsLowered)}, {"GaugeLeftMargin", 35}, {"GaugeTopMargin", 3},
        {"GaugeVisible", false},       {"GaugeWidth", 82},           {"Height", 28},
        {"HideSelection", true},       {"InputFormat", int(itFloat)}, {"LeftSpace", 35},
        {"LeftTextAlignment", int(taRightJustify)}, {"RangeHigh", 1000.0}, {"RangeLow", 0.0},
        {"ReadOnly", false},           {"RightTextAlignment", int(taLeftJustify)}, {"SignificantDigits", 6},
        {"TextBoxWidth", 80},
    };
    for (const auto& d : defaults) {
        const QVariant v = f.property(d.name);
        if (v.metaType().flags() & QMetaType::IsEnumeration)
            EXPECT_EQ(v.toInt(), d.value.toInt()) << d.name;
        else
            EXPECT_EQ(v, d.value) << d.name;
    }
}

TEST(NumIOModel, ValueWrittenAndReadPerFormat)
{
    struct Case {
        TInFormat format;
        int decimals; // FixPointDecPlaces, or SignificantDigits for itExp
        double value;
        const char* text;
        double readBack;
    } cases[] = {
        {itFloat, 3, 7.1, "7.100", 7.1},
        {itFloat, 3, 8.4509033, "8.451", 8.451},
        {itFloat, 3, -0.0004, "-0.000", 0.0},
        {itFixPoint, 2, 1.125, "1.13", 1.13},
        {itExp, 6, 12345.678, " 1.23457E+04", 12345.7},
        {itExp, 6, 7.1, " 7.10000E+00", 7.1},
        {itExp, 6, 1e100, "************", 0.0},
        {itInt, 2, 2.5, "2", 2},
        {itInt, 2, 3.5, "4", 4},
        {itInt, 2, -7.6, "-8", -8},
        {itInt, 2, 1e10, "10000000000", 2147483647},
        {itHex, 2, 255.6, "00000100", 256},
        {itHex, 2, -1, "FFFFFFFF", -1},
        {itOct, 2, 8, "00000000010", 8},
        {itBin, 2, 5, "00000000000000000000000000000101", 5},
        {itDynamic, 2, 255, "255", 255},
    };
    for (const auto& c : cases) {
        TNumIO2 f;
        f.SetInFormatType(c.format);
        if (c.format == itExp)
            f.SetSigDig(c.decimals);
        else
            f.SetDecP(c.decimals);
        f.SetNioValue(c.value);
        EXPECT_EQ(f.Text(), QString::fromLatin1(c.text)) << c.value;
        EXPECT_EQ(f.GetNioValue(), c.readBack) << c.text;
    }
}

TEST(NumIOModel, TextReadPerFormat)
{
    struct Case {
        TInFormat format;
        const char* text;
        double value;
    } cases[] = {
        {itInt, "-99999999999", 2147483647}, {itInt, "-2147483648", -2147483648.0}, {itInt, "2147483648", 2147483647},
        {itInt, "+12", 12},                   {itDynamic, "$FF", 255},              {itDynamic, "%101", 5},
        {itDynamic, "&17", 15},               {itDynamic, "2.5", 2.5},               {itDynamic, "-2,5", -2.5},
        {itFloat, "1,5", 1.5},                {itHex, "7f", 127},                    {itExp, "12abc", 12},
    };
    for (const auto& c : cases) {
        TNumIO2 f;
        f.SetInFormatType(c.format);
        f.SetNioText(QString::fromLatin1(c.text));
        ASSERT_EQ(f.Text(), QString::fromLatin1(c.text)) << "not accepted";
        EXPECT_EQ(f.GetNioValue(), c.value) << c.text;
    }
}

TEST(NumIOModel, FormatChangeRewritesTheValue)
{
    TNumIO2 f;
    f.SetNioText(QStringLiteral("255.00"));
    f.SetInFormatType(itHex);
    EXPECT_EQ(f.Text(), QStringLiteral("000000FF"));
    f.SetInFormatType(itFloat);
    EXPECT_EQ(f.Text(), QStringLiteral("255.00"));

    // A value that fits no 64-bit integer leaves format and text as they were.
    f.SetNioValue(1e30);
    const QString before = f.Text();
    EXPECT_THROW(f.SetInFormatType(itInt), EInvalidOp);
    EXPECT_EQ(f.InputFormat(), itFloat);
    EXPECT_EQ(f.Text(), before);
    f.SetNioValue(7);
    f.SetInFormatType(itDynamic);
    f.SetNioValue(7);
    EXPECT_THROW(f.SetNioValue(9.3e18), EInvalidOp);
    EXPECT_EQ(f.Text(), QStringLiteral("7"));
}

TEST(NumIOModel, DigitCountWriters)
{
    TNumIO2 f;
    f.SetNioValue(1.5);
    f.SetDecP(0);
    EXPECT_EQ(f.FixPointDecPlaces(), 2);
    f.SetDecP(20);
    EXPECT_EQ(f.FixPointDecPlaces(), 15);
    EXPECT_EQ(f.Text(), QStringLiteral("1.500000000000000"));
    f.SetInFormatType(itExp);
    f.SetSigDig(-3);
    EXPECT_EQ(f.SignificantDigits(), 6);
    f.SetSigDig(1);
    EXPECT_EQ(f.Text(), QStringLiteral(" 1.5E+00")); // one digit gives the text of two
    EXPECT_EQ(f.GetNioValue(), 1.5);
}

TEST(NumIOModel, RangeWritersKeepLowBelowHigh)
{
    TNumIO2 f;
    f.SetRangeLow(2000);
    EXPECT_EQ(f.RangeHigh(), 2000);
    f.SetRangeHigh(-5);
    EXPECT_EQ(f.RangeLow(), -5);
    EXPECT_EQ(f.RangeHigh(), -5);
    f.SetNioValue(3);
    EXPECT_TRUE(f.OutOfRange());
    EXPECT_EQ(f.GetNioValue(), 3.0); // the range never changes the value
    f.SetRangeHigh(3);
    EXPECT_FALSE(f.OutOfRange()); // the ends belong to the range
}

TEST(NumIOModel, TextWriterAcceptsOnlyValidText)
{
    TNumIO2 f;
    f.SetNioText(QStringLiteral("12.5"));
    f.SetSelEnd(3);
    f.SetNioText(QStringLiteral("abc"));
    EXPECT_EQ(f.Text(), QStringLiteral("12.5"));
    EXPECT_EQ(f.CaretPos(), 3);
    f.SetNioText(QString());
    EXPECT_EQ(f.Text(), QString());
    EXPECT_EQ(f.CaretPos(), 0);
    EXPECT_EQ(f.SelBegin(), 0);
    EXPECT_EQ(f.SelEnd(), 0);
}

TEST(NumIOModel, SeparatorPolicy)
{
    SepGuard guard;
    TNumIO2 f;
    f.SetNioText(QStringLiteral("1.5"));
    f.SetDecSep(dsComma);
    EXPECT_EQ(f.Text(), QStringLiteral("1,5"));
    f.SetDecSep(dsDot);
    EXPECT_EQ(f.Text(), QStringLiteral("1.5"));
    f.SetDecSep(dsBoth);
    EXPECT_EQ(f.Text(), QStringLiteral("1.5"));

    // A value written under a comma policy carries the comma, so that the
    // field accepts its own text; reading takes either separator.
    for (TInFormat format : {itFloat, itFixPoint, itExp}) {
        TNumIO2 g;
        g.SetInFormatType(format);
        g.SetDecSep(dsComma);
        g.SetNioValue(7.25);
        EXPECT_TRUE(g.Text().contains(u',')) << g.Text().toStdString();
        EXPECT_FALSE(g.Text().contains(u'.'));
        EXPECT_TRUE(g.CheckValidity(g.Text())) << g.Text().toStdString();
        EXPECT_EQ(g.GetNioValue(), 7.25);
    }
    SetDecimalSeparator(u',');
    TNumIO2 s;
    s.SetInFormatType(itFixPoint);
    s.SetDecSep(dsSystem);
    s.SetNioValue(3.5);
    EXPECT_EQ(s.Text(), QStringLiteral("3,50"));
    EXPECT_TRUE(s.CheckValidity(s.Text()));
}

TEST(NumIOModel, GeometryWriters)
{
    TNumIO2 f;
    f.SetHeight(10);
    EXPECT_EQ(f.Height(), 18);
    EXPECT_EQ(f.ButHeight(), 18);
    f.SetHeight(30);
    f.SetButHeight(25);
    f.SetHeight(20);
    EXPECT_EQ(f.ButHeight(), 20);
    f.SetWidth(177);
    f.SetLeftSpace(-1);
    EXPECT_EQ(f.LeftSpace(), 35);
    f.SetLeftSpace(500);
    EXPECT_EQ(f.LeftSpace(), 177);
}

TEST(NumIOModel, ButtonAndGaugeSetterLimits)
{
    TNumIO2 f; // 160 x 28
    struct Case {
        void (TNumIO2::*set)(int);
        int (TNumIO2::*get)() const;
        int value, stored;
    } cases[] = {
        {&TNumIO2::SetButWidth, &TNumIO2::ButWidth, 100, 50},
        {&TNumIO2::SetButWidth, &TNumIO2::ButWidth, 2, 8},
        {&TNumIO2::SetButSpace, &TNumIO2::ButSpace, -4, 0},
        {&TNumIO2::SetButSpace, &TNumIO2::ButSpace, 70, 50},
        {&TNumIO2::SetButHeight, &TNumIO2::ButHeight, 10, 18},
        {&TNumIO2::SetButHeight, &TNumIO2::ButHeight, 40, 28},
        {&TNumIO2::SetGaugeWidth, &TNumIO2::GaugeWidth, 500, 125},
        {&TNumIO2::SetGaugeWidth, &TNumIO2::GaugeWidth, 4, 10},
        {&TNumIO2::SetGaugeLeftMarg, &TNumIO2::GaugeLeftMargin, 200, 150},
        {&TNumIO2::SetGaugeLeftMarg, &TNumIO2::GaugeLeftMargin, -3, 0},
        {&TNumIO2::SetGaugeHeight, &TNumIO2::GaugeHeight, 20, 7},
        {&TNumIO2::SetGaugeHeight, &TNumIO2::GaugeHeight, 1, 3},
        {&TNumIO2::SetGaugeTopMarg, &TNumIO2::GaugeTopMargin, 50, 7},
        {&TNumIO2::SetGaugeTopMarg, &TNumIO2::GaugeTopMargin, -2, 0},
    };
    for (const auto& c : cases) {
        (f.*c.set)(c.value);
        EXPECT_EQ((f.*c.get)(), c.stored) << c.value;
    }
}

// Counts the paints the writers ask for; painting itself is suppressed
// until the field's window exists, the count is not.
class CountingField : public TNumIO2
{
public:
    int Paints = 0;
    void Paint() override
    {
        ++Paints;
        TNumIO2::Paint();
    }
};

TEST(NumIOModel, WritersPaintOnlyWhereTheySaySo)
{
    // Every published property in order: the paints of writing the value it
    // has, then of writing another one. Rows build on the ones above them.
    struct Row {
        const char* name;
        QVariant other;
        int equalPaints, otherPaints;
    } rows[] = {
        {"Alignment", int(taLeftJustify), 0, 1},    {"AutoSize", true, 0, 1},
        {"Beep", true, 0, 0},                       {"ButVisible", true, 0, 1},
        {"But3D", false, 0, 1},                     {"ButHeight", 20, 0, 1},
        {"ButWidth", 30, 0, 1},                     {"ButIncrem", 0.5, 0, 1},
        {"ButSpace", 5, 0, 1},                      {"ButColor", uint(clRed), 0, 1},
        {"ColorBoxBG", uint(clRed), 0, 1},          {"ColorBoxText", uint(clRed), 0, 1},
        {"ColorOutBG", uint(clRed), 0, 1},          {"ColorOutText", uint(clRed), 0, 1},
        {"ColorScheme", int(csSystem), 0, 1},       {"ColorWarnBG", uint(clRed), 1, 1},
        {"ColorWarnText", uint(clLime), 1, 1},      {"DecPlaceSep", int(dsDot), 0, 1},
        {"Enabled", false, 1, 1},                   {"FixPointDecPlaces", 3, 0, 2},
        {"FrameStyle", int(fsRaised), 0, 1},        {"GaugeColor", uint(clRed), 0, 1},
        {"GaugeColorBg", uint(clRed), 0, 1},        {"GaugeColorFrame", uint(clRed), 0, 1},
        {"GaugeHeight", 5, 0, 1},                   {"GaugeFrameStyle", int(fsNone), 0, 1},
        {"GaugeLeftMargin", 40, 0, 1},              {"GaugeTopMargin", 4, 0, 1},
        {"GaugeVisible", true, 0, 1},               {"GaugeWidth", 90, 0, 1},
        {"Height", 40, 1, 1},                       {"HideSelection", false, 0, 1},
        {"InputFormat", int(itInt), 0, 2},          {"LeftSpace", 50, 0, 1},
        {"LeftText", QStringLiteral("L"), 0, 1},    {"LeftTextAlignment", int(taCenter), 0, 1},
        {"RangeHigh", 500.0, 1, 1},                 {"RangeLow", 10.0, 1, 1},
        {"ReadOnly", true, 0, 1},                   {"RightText", QStringLiteral("R"), 0, 1},
        {"RightTextAlignment", int(taCenter), 0, 1}, {"SignificantDigits", 8, 0, 2},
        {"Text", QStringLiteral("42"), 1, 1},       {"TextBoxWidth", 90, 0, 1},
        {"Value", 7.0, 1, 1},                       {"TabStop", true, 0, 0},
    };
    CountingField f;
    const QMetaObject* mo = f.metaObject();
    int at = mo->indexOfProperty("Alignment");
    ASSERT_EQ(mo->propertyCount() - at, int(std::size(rows)));
    for (const Row& r : rows) {
        const QMetaProperty p = mo->property(at++);
        ASSERT_STREQ(p.name(), r.name);
        f.Paints = 0;
        ASSERT_TRUE(p.write(&f, p.read(&f))) << r.name;
        EXPECT_EQ(f.Paints, r.equalPaints) << r.name << " written with its own value";
        f.Paints = 0;
        ASSERT_TRUE(p.write(&f, r.other)) << r.name;
        EXPECT_EQ(f.Paints, r.otherPaints) << r.name << " written with another value";
        const QVariant now = p.read(&f);
        if (p.isEnumType()) {
            EXPECT_EQ(now.toInt(), r.other.toInt()) << r.name;
        } else if (r.otherPaints > 0 && r.equalPaints == 0) {
            EXPECT_EQ(now, r.other) << r.name;
        }
    }

    // The limited writers compare the value as passed, before their limits:
    // a value beyond a limit that the field already holds still repaints.
    CountingField g;
    struct Limited {
        const char* name;
        std::function<void(TNumIO2&)> atLimit, beyond;
        int paints;
    } limited[] = {
        {"ButWidth", [](TNumIO2& x) { x.SetButWidth(50); }, [](TNumIO2& x) { x.SetButWidth(99); }, 1},
        {"ButSpace", [](TNumIO2& x) { x.SetButSpace(0); }, [](TNumIO2& x) { x.SetButSpace(-4); }, 1},
        {"LeftSpace", [](TNumIO2& x) { x.SetLeftSpace(160); }, [](TNumIO2& x) { x.SetLeftSpace(500); }, 1},
        {"FixPointDecPlaces", [](TNumIO2& x) { x.SetDecP(15); }, [](TNumIO2& x) { x.SetDecP(20); }, 2},
        {"SignificantDigits", [](TNumIO2& x) { x.SetSigDig(1); }, [](TNumIO2& x) { x.SetSigDig(0); }, 0},
    };
    for (const Limited& l : limited) {
        l.atLimit(g);
        const QVariant held = g.property(l.name);
        g.Paints = 0;
        l.beyond(g);
        EXPECT_EQ(g.Paints, l.paints) << l.name;
        EXPECT_EQ(g.property(l.name), held) << l.name;
    }
}

TEST(NumIOModel, IntegerValueOverflowNamesTheField)
{
    TNumIO2 f;
    f.SetName(QStringLiteral("nioFreq"));
    f.SetRangeHigh(1e10);
    f.SetNioText(QStringLiteral("2147483647.4"));
    try {
        (void)f.IntegerValue();
        FAIL() << "no error";
    } catch (const EVornNumIO2Error& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Component \"nioFreq\": integer overflow"));
    }
    EXPECT_EQ(f.Text(), QStringLiteral("2147483647.4"));
    f.SetNioText(QStringLiteral("-2.5"));
    EXPECT_EQ(f.IntegerValue(), -2);
    f.SetNioText(QStringLiteral("3.5"));
    EXPECT_EQ(f.IntegerValue(), 4);
}

TEST(NumIOModel, NoTimerAvailable)
{
    TMessageTimer::SetRefuseTimers(true);
    EXPECT_THROW(TNumIO2 f, EVornNumIO2Error);
    TMessageTimer::SetRefuseTimers(false);
    TNumIO2 f;
    f.SetName(QStringLiteral("nioL"));
    f.SetReadonly(true);
    EXPECT_FALSE(f.CaretTimer()->IsRunning(1));
    EXPECT_FALSE(f.CaretVisible());
    TMessageTimer::SetRefuseTimers(true);
    try {
        f.SetReadonly(false);
        ADD_FAILURE() << "no error";
    } catch (const EVornNumIO2Error& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Component \"nioL\": no timer available"));
    }
    TMessageTimer::SetRefuseTimers(false);
}

TEST(NumIOModel, AssignCopiesTheModelOnly)
{
    TNumIO2 src, dst;
    src.SetInFormatType(itInt);
    src.SetNioText(QStringLiteral("42"));
    src.SetRangeLow(10);
    src.SetRangeHigh(50);
    src.SetColorBoxBG(clLime);
    src.SetColorScheme(csSystem);
    src.SetLeftText(QStringLiteral("f"));
    src.SetButVis(true);
    src.SetGaugeVisib(true);
    src.SetEnabled(false);
    int calls = 0;
    dst.OnChange = [&](QObject*) { ++calls; };

    dst.Assign(&src);
    EXPECT_EQ(dst.Text(), QStringLiteral("42"));
    EXPECT_EQ(dst.InputFormat(), itInt);
    EXPECT_EQ(dst.RangeLow(), 10);
    EXPECT_EQ(dst.RangeHigh(), 50);
    EXPECT_EQ(dst.ColorBoxBG(), clLime);
    EXPECT_EQ(dst.ColorScheme(), csSystem);
    EXPECT_EQ(dst.LeftText(), QStringLiteral("f"));
    EXPECT_FALSE(dst.ButVisible());
    EXPECT_FALSE(dst.GaugeVisible());
    EXPECT_TRUE(dst.Enabled());
    ASSERT_TRUE(dst.OnChange);
    EXPECT_EQ(calls, 0);

    TNumIO2 third;
    src.AssignTo(&third);
    EXPECT_EQ(third.Text(), QStringLiteral("42"));
    QObject other;
    EXPECT_THROW(dst.Assign(&other), EConvertError);

    // The refusals name both classes; a missing object is "nil".
    auto messageOf = [](const std::function<void()>& act) {
        try {
            act();
        } catch (const EConvertError& e) {
            return e.Message();
        }
        return QStringLiteral("no error");
    };
    EXPECT_EQ(messageOf([&] { dst.Assign(&other); }), QStringLiteral("Cannot assign a QObject to a TNumIO2"));
    EXPECT_EQ(messageOf([&] { dst.Assign(nullptr); }), QStringLiteral("Cannot assign a nil to a TNumIO2"));
    EXPECT_EQ(messageOf([&] { dst.AssignTo(&other); }), QStringLiteral("Cannot assign a TNumIO2 to a QObject"));
    EXPECT_EQ(messageOf([&] { dst.AssignTo(nullptr); }), QStringLiteral("Cannot assign a TNumIO2 to a nil"));
}

TEST(NumIOModel, OnlyChangedRaisesOnChange)
{
    TNumIO2 f;
    f.Changed(); // unassigned: nothing
    int calls = 0;
    f.OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, &f);
        ++calls;
    };
    f.SetNioValue(5);
    f.SetNioText(QStringLiteral("6"));
    f.SetInFormatType(itInt);
    f.SetRangeHigh(3);
    EXPECT_EQ(calls, 0);
    f.Changed();
    EXPECT_EQ(calls, 1);
}

} // namespace
