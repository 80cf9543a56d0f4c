// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The numeric label's model: display texts by type, setters, the hook, the
// fit check, copying and the mouse area.
#include "Exceptions.h"
#include "Locale_p.h"
#include "NumLab.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMetaProperty>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <tuple>

using namespace vorn;

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
const char* const Indicator = "*********";

struct TextCase
{
    TDisplay type;
    double value;
    int precision;
    const char* text;
    bool comma = false;
    bool plus = false;
};

// Every case holds whatever the locale's decimal separator is.
class DisplayTexts : public ::testing::TestWithParam<std::tuple<TextCase, char>>
{
    SepGuard guard;
};

TEST_P(DisplayTexts, ByTypeSeparatorAndSign)
{
    const auto& [c, separator] = GetParam();
    SetDecimalSeparator(QLatin1Char(separator));
    TNumLab lab;
    lab.SetLabWidth(400); // wide enough that the fit check keeps every text
    lab.SetDisplayType(c.type);
    lab.SetDecP(c.precision);
    lab.SetLabValue(c.value);
    lab.SetFComma(c.comma);
    lab.SetFPlusSign(c.plus);
    EXPECT_EQ(lab.DisplayText(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Digits, DisplayTexts,
    ::testing::Combine(
        ::testing::Values(TextCase{dtHex, 255, 4, "00FF"}, TextCase{dtHex, 255, 1, "F"},
                          TextCase{dtHex, -1, 8, "FFFFFFFF"}, TextCase{dtHex, -2147483648.0, 8, "80000000"},
                          TextCase{dtHex, 4294967295.0, 15, "FFFFFFFF"}, // at most 8 digits
                          TextCase{dtHex, 4294967296.0, 8, Indicator}, TextCase{dtHex, -2147483649.0, 8, Indicator},
                          TextCase{dtHex, 255, 0, ""}, TextCase{dtHex, 255, 2, "FF", false, true}, // no sign
                          TextCase{dtBin, 5, 8, "00000101"}, TextCase{dtBin, 5, 0, ""},
                          TextCase{dtBin, -1, 15, "111111111111111"}, TextCase{dtBin, 5, 3, "101", false, true},
                          TextCase{dtOct, 8, 3, "010"}, TextCase{dtOct, 8, 3, "+010", false, true},
                          TextCase{dtOct, 8, 12, "00000000010"}, // 11 digits at most
                          TextCase{dtOct, 8, 0, ""}, TextCase{dtOct, 4294967296.0, 3, "+*********", false, true},
                          TextCase{dtZeroInt, 42, 5, "00042"}, TextCase{dtZeroInt, -42, 5, "-00042"},
                          TextCase{dtZeroInt, 42.5, 0, "42"}, // halves to even
                          TextCase{dtZeroInt, 2147483648.0, 5, Indicator},
                          TextCase{dtZeroInt, 2147483648.0, 5, "+*********", false, true},
                          TextCase{dtZeroInt, -2147483649.0, 5, Indicator, false, true},
                          TextCase{dtInt, 2.5, 2, "2"}, TextCase{dtInt, 3.5, 2, "4"}, TextCase{dtInt, -7.6, 2, "-8"},
                          TextCase{dtInt, 7, 2, "+7", false, true}, TextCase{dtInt, 0, 2, "0", false, true},
                          // no 64-bit rounding: the indicator, not a failed paint
                          TextCase{dtInt, 1e19, 2, Indicator}, TextCase{dtInt, 1e19, 2, "+*********", false, true},
                          TextCase{dtInt, -Inf, 2, Indicator}),
        ::testing::Values('.', ',')));

INSTANTIATE_TEST_SUITE_P(
    Reals, DisplayTexts,
    ::testing::Combine(
        ::testing::Values(TextCase{dtFixP, 0, 2, "0.00"}, TextCase{dtFixP, 1.5, 2, "1,50", true},
                          TextCase{dtFixP, 1.5, 2, "+1,50", true, true}, TextCase{dtFixP, 0, 2, "0,00", true, true},
                          TextCase{dtFixP, -1.5, 1, "-1.5", false, true}, TextCase{dtFixP, 1.5, 15, "1.500000000000000"},
                          TextCase{dtFloat, 1.5e20, 3, "1.5E020"}, TextCase{dtFloat, 1234.5, 0, "1.2E003"},
                          TextCase{dtFloat, Inf, 2, "INF"}, TextCase{dtFloat, Inf, 2, "+INF", false, true},
                          TextCase{dtFixP, -Inf, 2, "-INF", false, true}, TextCase{dtExp, 1234.56, 4, "1.235E+003"},
                          TextCase{dtExp, 1234.56, 4, "1,235E+003", true}, TextCase{dtEEng, 4700, 3, "4.70k"},
                          TextCase{dtEEng, 4700, 3, "4,70k", true}, TextCase{dtEEngNoDP, 4700, 3, "4k70"},
                          TextCase{dtEEng, -0.0047, 2, "-4.7m", false, true}, TextCase{dtEEng, Inf, 3, Indicator}),
        ::testing::Values('.', ',')));

INSTANTIATE_TEST_SUITE_P(
    Angles, DisplayTexts,
    ::testing::Combine(::testing::Values(TextCase{dtDeg, 12.5, 2, "12.50°"}, TextCase{dtDeg, 12.5, 2, "12,50°", true},
                                         TextCase{dtDegMin, 12.5, 2, "12° 30.00'"},
                                         TextCase{dtDegMin, -12.5, 2, "-12° 30.00'"},
                                         TextCase{dtDegMin, -0.5, 2, "0° 30.00'"}, // the integer part is -0
                                         TextCase{dtDegMin, 1.999999, 2, "2°  0.00'"},
                                         TextCase{dtDegMinSec, 12.5125, 1, "12° 30' 45.0\""},
                                         TextCase{dtDegMinSec, 10.25, 0, "10° 15'   0\""},
                                         TextCase{dtDegMinSec, 10.25, 0, "+10° 15'   0\"", false, true},
                                         TextCase{dtDegMinSec, 10.25 - 1e-13, 3, "10° 15'  0.000\""},
                                         TextCase{dtDegMin, Inf, 2, Indicator}),
                       ::testing::Values('.', ',')));

INSTANTIATE_TEST_SUITE_P(
    DatesAndStates, DisplayTexts,
    ::testing::Combine(::testing::Values(TextCase{dtDateTime, 41640.0, 2, "Jan-01, 2014", true, true},
                                         TextCase{dtDateTime, 1e10, 2, Indicator, false, true}, // beyond year 9999
                                         TextCase{dtState, 12.5, 2, "undefined", true, true}),
                       ::testing::Values('.', ',')));

TEST(DegreeToStr, LimitsPrecisionAndFormatsPlainNumbers)
{
    EXPECT_EQ(DegreeToStr(12.345, dfNumeric, 2), QStringLiteral("12.35"));
    EXPECT_EQ(DegreeToStr(12.345, dfNumeric, -3), QStringLiteral("12"));
    EXPECT_EQ(DegreeToStr(0.5, dfDeg, 12), QStringLiteral(u"0.50000000\u00B0"));
    EXPECT_THROW(DegreeToStr(std::nan(""), dfDegMinSec, 1), EInvalidOp);
}

TEST(NumLab, DefaultsAndPublishedOrder)
{
    TNumLab lab;
    EXPECT_EQ(lab.size(), QSize(160, 28));
    EXPECT_EQ(lab.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(lab.MouseAreaCode(), 0);
    const QStringList expected = {"Alignment",         "ColorLabBakG",  "ColorLabText",       "ColorOutBakG",
                                  "ColorOutText",      "ColorScheme",   "Comma",              "DisplayType",
                                  "DTFormat",          "Empty",         "Enabled",            "Font",
                                  "ForcePlusSign",     "FrameStyle",    "LabelWidth",         "LeftSpace",
                                  "LeftText",          "LeftTextAlignment", "OverflowIndicator", "Precision",
                                  "RightText",         "RightTextAlignment", "StateText",     "Transparent",
                                  "Value",             "Visible"};
    const QMetaObject* mo = lab.metaObject();
    QStringList names;
    QStringList values;
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
        names << QString::fromLatin1(mo->property(i).name());
        if (names.last() != QLatin1String("Font"))
            values << mo->property(i).read(&lab).toString();
    }
    EXPECT_EQ(names, expected);
    const QStringList defaults = {"taCenter", QString::number(clBtnFace), "0", QString::number(clBtnFace), "0",
                                  "csBWG", "false", "dtFixP", "mmm-dd, yyyy", "false", "true", "false", "fsLowered",
                                  "80", "35", "", "taRightJustify", "*********", "2", "", "taLeftJustify",
                                  "undefined", "false", "0", "true"};
    EXPECT_EQ(values, defaults);
    EXPECT_EQ(lab.DisplayText(), QStringLiteral("0.00"));
}

TEST(NumLab, SettersKeepTheirLimits)
{
    TNumLab lab;
    lab.SetDecP(20);
    EXPECT_EQ(lab.Precision(), 15);
    lab.SetDecP(3);
    lab.SetDecP(-1);
    EXPECT_EQ(lab.Precision(), 3);
    lab.SetLeftSpace(500);
    EXPECT_EQ(lab.LeftSpace(), 160);
    lab.SetLeftSpace(-5);
    EXPECT_EQ(lab.LeftSpace(), 160);
    lab.SetLeftSpace(0);
    EXPECT_EQ(lab.LeftSpace(), 0);
    lab.SetLabWidth(-10); // no limits
    EXPECT_EQ(lab.LabelWidth(), -10);
    lab.SetLabValue(1.25);
    lab.SetLabValue(std::nan(""));
    EXPECT_EQ(lab.Value(), 1.25);
    lab.SetEnabled(false);
    EXPECT_FALSE(lab.Enabled());
    EXPECT_FALSE(lab.isEnabled());
}

// A value other than v of the same property type.
QVariant Other(const QMetaProperty& p, const QVariant& v)
{
    if (p.isEnumType())
        return v.toInt() == 0 ? 1 : 0;
    switch (v.metaType().id()) {
    case QMetaType::Bool: return !v.toBool();
    case QMetaType::Int: return v.toInt() + 1;
    case QMetaType::UInt: return v.toUInt() ^ 1u;
    case QMetaType::Double: return v.toDouble() + 1;
    case QMetaType::QString: return v.toString() + QLatin1Char('x');
    default: return QVariant();
    }
}

TEST(NumLab, EqualValuesPaintNothingOtherValuesPaintAtOnce)
{
    TNumLab lab;
    lab.Paint();
    const QMetaObject* mo = lab.metaObject();
    for (int i = mo->propertyOffset(); i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        const QString name = QString::fromLatin1(p.name());
        if (name == QLatin1String("Font") || name == QLatin1String("Visible") || name == QLatin1String("Enabled"))
            continue;
        const QVariant current = p.read(&lab);
        qint64 key = lab.Picture().cacheKey();
        ASSERT_TRUE(p.write(&lab, current)) << name.toStdString();
        EXPECT_EQ(lab.Picture().cacheKey(), key) << name.toStdString() << " repainted for an equal value";
        const QVariant other = Other(p, current);
        ASSERT_TRUE(other.isValid()) << name.toStdString();
        ASSERT_TRUE(p.write(&lab, other)) << name.toStdString();
        EXPECT_NE(p.read(&lab), current) << name.toStdString();
        EXPECT_NE(lab.Picture().cacheKey(), key) << name.toStdString() << " did not repaint";
    }
    // Enabled repaints even when it does not change.
    const qint64 key = lab.Picture().cacheKey();
    lab.SetEnabled(lab.Enabled());
    EXPECT_NE(lab.Picture().cacheKey(), key);
}

TEST(NumLab, HookRewritesTheTextOnEveryBuildExceptWhenEmpty)
{
    TNumLab lab;
    int calls = 0;
    lab.OnBeforeDisplay = [&](QObject* sender, QString& text) {
        EXPECT_EQ(sender, &lab);
        ++calls;
        text = QStringLiteral("<") + text + QStringLiteral(">");
    };
    EXPECT_EQ(lab.DisplayText(), QStringLiteral("<0.00>"));
    lab.SetDisplayType(dtState); // paints: one more call
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(lab.DisplayText(), QStringLiteral("<undefined>"));
    lab.SetEmpty(true);
    calls = 0;
    EXPECT_EQ(lab.DisplayText(), QString());
    lab.Paint();
    EXPECT_EQ(calls, 0);
}

TEST(NumLab, FitCheckReplacesTextWiderThanTheBoxButNeverAStateText)
{
    TNumLab lab;
    const QString wide = QStringLiteral("123456.78");
    lab.SetLabValue(123456.78);
    const int tw = QFontMetrics(lab.font(), &lab.Picture()).horizontalAdvance(wide);
    lab.SetLabWidth(tw + 6); // exactly fits
    EXPECT_EQ(lab.DisplayText(), wide);
    lab.SetLabWidth(tw + 5);
    EXPECT_EQ(lab.DisplayText(), QString::fromLatin1(Indicator));

    // A width measured before belongs to its font: the same text in a
    // larger font no longer fits.
    lab.SetLabWidth(tw + 6);
    EXPECT_EQ(lab.DisplayText(), wide);
    QFont larger = lab.font();
    larger.setPixelSize(QFontInfo(larger).pixelSize() * 2);
    lab.setFont(larger);
    EXPECT_EQ(lab.DisplayText(), QString::fromLatin1(Indicator));
    lab.setFont(QFont());

    // A hook's text is checked too; a state text never is.
    lab.SetLabWidth(80);
    lab.SetLabValue(1);
    lab.OnBeforeDisplay = [](QObject*, QString& text) { text = QString(40, QLatin1Char('W')); };
    EXPECT_EQ(lab.DisplayText(), QString::fromLatin1(Indicator));
    lab.SetDisplayType(dtState);
    EXPECT_EQ(lab.DisplayText(), QString(40, QLatin1Char('W')));
}

TEST(NumLab, AssignCopiesTheListedFieldsOnly)
{
    TNumLab src, dst;
    src.SetLeftSpace(50);
    src.SetEmpty(true);
    src.SetLabWidth(90);
    src.SetDecP(5);
    src.SetLeftText(QStringLiteral("C"));
    src.SetRightText(QStringLiteral("pF"));
    src.SetFrameStyle(fsRaised);
    src.SetAlignment(taLeftJustify);
    src.SetRTAlignment(taCenter);
    src.SetLTAlignment(taLeftJustify);
    src.SetOverFlowIndi(QStringLiteral("##"));
    src.SetLabValue(12.5);
    src.SetStateText(QStringLiteral("off"));
    src.SetTransparent(true);
    src.SetColorLabBakG(clRed);
    src.SetColorLabText(clLime);
    src.SetColorOutBakG(clNavy);
    src.SetColorOutText(clGray);
    src.SetColorScheme(csSystem);
    src.SetDisplayType(dtDeg);
    src.SetFComma(true);
    src.SetFPlusSign(true);
    src.SetDtFormat(QStringLiteral("yyyy"));
    src.SetEnabled(false);
    src.resize(300, 40);

    dst.Assign(&src);
    const char* copied[] = {"LeftSpace",    "Empty",        "LabelWidth",   "Precision",          "LeftText",
                            "RightText",    "FrameStyle",   "Alignment",    "RightTextAlignment", "LeftTextAlignment",
                            "OverflowIndicator", "Value",   "StateText",    "Transparent",        "ColorLabBakG",
                            "ColorLabText", "ColorOutBakG", "ColorOutText", "ColorScheme",        "DisplayType"};
    for (const char* name : copied)
        EXPECT_EQ(dst.property(name), src.property(name)) << name;
    EXPECT_FALSE(dst.Comma());
    EXPECT_FALSE(dst.ForcePlusSign());
    EXPECT_EQ(dst.DTFormat(), QStringLiteral("mmm-dd, yyyy"));
    EXPECT_TRUE(dst.Enabled());
    EXPECT_EQ(dst.size(), QSize(160, 28));
    // The copied line colours are those of the system scheme: the outline is
    // the palette's dark colour.
    EXPECT_EQ(At(dst.Picture(), 50, 0), ColorFromRgb(TestDark));

    TNumLab third;
    src.AssignTo(&third);
    EXPECT_EQ(third.Value(), 12.5);
}

TEST(NumLab, AssignBetweenALabelAndAnythingElseFails)
{
    TNumLab lab;
    QLabel other;
    try {
        lab.Assign(&other);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a QLabel to a TNumLab"));
    }
    try {
        lab.AssignTo(&other);
        ADD_FAILURE() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign a TNumLab to a QLabel"));
    }
    EXPECT_THROW(lab.Assign(nullptr), EConvertError);
}

TEST(NumLab, MouseAreaCodeFollowsXAndIsSetBeforeTheHandlerRuns)
{
    TNumLab lab;
    lab.SetLeftSpace(65);
    lab.SetLabWidth(80);
    int seen = -1;
    lab.OnMouseMove = [&](QObject*, uint32_t, int, int) { seen = lab.MouseAreaCode(); };
    const std::pair<int, int> cases[] = {{65, 0}, {66, 1}, {145, 1}, {146, 2}, {0, 0}, {159, 2}};
    for (const auto& [x, code] : cases) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), QPointF(x, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&lab, &move);
        EXPECT_EQ(lab.MouseAreaCode(), code) << x;
        EXPECT_EQ(seen, code) << x;
    }
}

TEST(NumLab, PressAndReleaseRaiseDownClickUpInOrder)
{
    TNumLab lab;
    QStringList seen;
    lab.OnMouseDown = [&](QObject*, Qt::MouseButton, uint32_t shift, int x, int y) {
        seen << QStringLiteral("down %1 %2,%3").arg(shift).arg(x).arg(y);
    };
    lab.OnClick = [&](QObject* sender) { seen << (sender == &lab ? QStringLiteral("click") : QString()); };
    lab.OnMouseUp = [&](QObject*, Qt::MouseButton, uint32_t shift, int x, int y) {
        seen << QStringLiteral("up %1 %2,%3").arg(shift).arg(x).arg(y);
    };
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 5), QPointF(10, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::ShiftModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(12, 6), QPointF(12, 6), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&lab, &press);
    QCoreApplication::sendEvent(&lab, &release);
    EXPECT_EQ(seen, QStringList({"down 9 10,5", "click", "up 0 12,6"})); // Shift + left button = 1 + 8
}

} // namespace
