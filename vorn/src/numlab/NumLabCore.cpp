// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The numeric label's core: its writers and their repaint rules, the copy,
// and the display text (the value by display type, the separator and sign,
// the hook, and the fit check; the angle texts; and the text last shown, for
// a screen reader), without a widget.
#include "NumLabCore_p.h"

#include "FloatCheck_p.h"
#include "Format_p.h"
#include "NumDigits_p.h"
#include "RecentCache_p.h"
#include "Str_p.h"
#include "math1_p.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vorn {

namespace {

constexpr int MAXPRECISION = 8;
// Below this distance from a whole number, a computed minute or degree
// count is taken as that whole number.
constexpr long double MAXPRECVAL = 3e-12L;

// x rounded to `decimals` decimal places, halves away from zero, on its
// decimal digits (as the fixed-width conversion rounds).
long double RoundDecimals(long double x, int decimals)
{
    return std::strtold(Str(x, 1, decimals).toLatin1().constData(), nullptr);
}

long double Frac(long double x)
{
    return x - std::trunc(x);
}

// x, or the whole number it lies within MAXPRECVAL of.
long double Snap(long double x)
{
    const int64_t whole = Round(x);
    return std::fabs(x - static_cast<long double>(whole)) < MAXPRECVAL ? static_cast<long double>(whole) : x;
}

// The width of `text` in `font` as the controls measure it. The widths of
// the last texts measured are kept: a label painted again with its text
// unchanged (uncovered, resized, re-coloured) and labels showing the same
// text do not shape it again. Forgotten when the fonts installed change.
int MeasuredAdvance(const QFont& font, const QString& text)
{
    static TRecentCache<std::pair<QString, QFont>, int, 16> advances;
    [[maybe_unused]] static const bool watched = [] {
        if (qGuiApp)
            QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, [] { advances.Clear(); });
        return true;
    }();
    return advances.Get({text, font}, [&] { return MeasuringMetrics(font).horizontalAdvance(text); });
}

// The bit and digit conversions take the low 32 bits of a rounded value.
int32_t Low32(int64_t v)
{
    return static_cast<int32_t>(static_cast<uint32_t>(v));
}

} // namespace

QString DegreeToStr(double InNum, TDegreeFormat Format, int Precision)
{
    const int p = std::clamp(Precision, 0, MAXPRECISION);
    switch (Format) {
    case dfDeg: return Str(InNum, 1, p) + QChar(0x00B0);
    case dfNumeric: return Str(InNum, 1, p);
    case dfDegMin: {
        const double x = static_cast<double>(Snap(static_cast<double>(RoundDecimals(60.0L * InNum, p) / 60.0L)));
        const long double minutes = Frac(std::fabs(x)) * 60.0L;
        return Str(std::trunc(x), 1, 0) + QStringLiteral(u"\u00B0 ") + Str(minutes, p + 3, p) + QLatin1Char('\'');
    }
    case dfDegMinSec: {
        const double x = static_cast<double>(Snap(static_cast<double>(RoundDecimals(3600.0L * InNum, p) / 3600.0L)));
        const long double m = Snap(Frac(std::fabs(x)) * 60.0L);
        const long double seconds = Frac(m) * 60.0L;
        return Str(std::trunc(x), 1, 0) + QStringLiteral(u"\u00B0 ") + Str(std::trunc(m), 2, 0) +
               QStringLiteral("' ") + Str(seconds, p + 3, p) + QLatin1Char('"');
    }
    }
    return QString();
}

QString TNumLabCore::ValueText() const
{
    const double V = FLabValue;
    const int P = FDecP;
    // The range of the digit types: a signed or an unsigned 32-bit value.
    const bool in32 = V >= -2147483648.0 && V <= 4294967295.0;
    // A value that a conversion cannot take (a NaN or a rounding beyond
    // 64 bits for dtInt, an infinity for the angle and engineering forms, a
    // date outside the calendar) shows the overflow indicator, as a value
    // outside its type's range does: a paint never fails.
    try {
        switch (FDisplayType) {
        case dtFloat: return Format(QStringLiteral("%*.*g"), 1, P, V);
        case dtFixP: return Format(QStringLiteral("%*.*f"), 1, P, V);
        case dtExp: return Format(QStringLiteral("%*.*e"), 1, P, V);
        case dtHex: {
            if (!in32)
                return FOverFlowIndi;
            const int D = std::clamp(P, 0, 8);
            return Format(QStringLiteral("%*.*x"), 1, D, Round(V)).right(D);
        }
        case dtZeroInt:
            if (!(V >= -2147483648.0 && V <= 2147483647.0))
                return FOverFlowIndi;
            return Format(QStringLiteral("%*.*d"), 1, P, Round(V));
        case dtInt: return Format(QStringLiteral("%*.*d"), 1, 0, Round(V));
        case dtDateTime: return FormatDateTime(FDtFormat, V);
        case dtState: return FStateText;
        case dtBin: {
            if (!in32)
                return FOverFlowIndi;
            const int D = std::clamp(P, 0, 32);
            return Bin(Low32(Round(V)), static_cast<uint8_t>(D)).right(D);
        }
        case dtOct: {
            if (!in32)
                return FOverFlowIndi;
            const int D = std::clamp(P, 0, 12);
            return Octal(Low32(Round(V)), static_cast<uint8_t>(D)).right(D);
        }
        case dtDeg: return DegreeToStr(V, dfDeg, P);
        case dtDegMin: return DegreeToStr(V, dfDegMin, P);
        case dtDegMinSec: return DegreeToStr(V, dfDegMinSec, P);
        case dtEEng: return EEngStr(V, P);
        case dtEEngNoDP: return EEngStr(V, -P);
        }
    } catch (const Exception&) {
        return FOverFlowIndi;
    }
    return FOverFlowIndi;
}

QString TNumLabCore::MeasuredDisplayText(int* width) const
{
    if (width)
        *width = -1;
    if (FEmpty)
        return QString();
    QString text = ValueText();
    // The digit, date and state texts keep their characters as they are.
    if (FDisplayType != dtHex && FDisplayType != dtDateTime && FDisplayType != dtState && FDisplayType != dtBin) {
        if (FComma)
            text.replace(QLatin1Char('.'), QLatin1Char(','));
        else
            text.replace(QLatin1Char(','), QLatin1Char('.'));
        if (FPlusSign && FLabValue > 0)
            text.prepend(QLatin1Char('+'));
    }
    FHost.BeforeDisplay(text);
    if (FDisplayType != dtState) {
        const int advance = MeasuredAdvance(FHost.Font(), text);
        if (advance > FLabWidth - 6)
            text = FOverFlowIndi;
        else if (width)
            *width = advance;
    }
    return text;
}

QString TNumLabCore::ShownText() const
{
    return FShownKnown ? FShown : DisplayText();
}

void TNumLabCore::NoteShown(const QString& text)
{
    const QString before = FShown;
    FShown = text;
    FShownKnown = true;
    if (text != before)
        FHost.ShownTextChanged(before);
}

void TNumLabCore::PaintDeferred()
{
    // The text hook belongs to every paint, also one whose picture is
    // composed later (when the host shows it, or when it is read); so does
    // telling a screen reader the new text. The picture then shows the text
    // this paint made, without a second hook call.
    if ((!FEmpty && FHost.BeforeDisplayHooked()) || FHost.ShownTextWanted()) {
        NoteShown(DisplayText());
        FShownPending = true;
    } else {
        FShownKnown = false;
        FShownPending = false;
    }
}

TNumLabCore::TComposedText TNumLabCore::ComposeText()
{
    // The fit check measures the text as the picture's canvas does (the
    // label's font at 96 dots per inch, whatever the ratio): its width
    // places the text without shaping it once more.
    TComposedText composed;
    composed.Text = FEmpty ? QString()
                           : (FShownPending && FShownKnown ? FShown : MeasuredDisplayText(&composed.Width));
    FShownPending = false;
    NoteShown(composed.Text);
    return composed;
}

// --- The writers ------------------------------------------------------------

// The writers store a changed value and paint it at once; an equal value
// changes nothing. Those that differ say how.

void TNumLabCore::SetAlignment(TAlignment Value)
{
    StoreAndPaint(FHost, FAlignment, Value);
}

void TNumLabCore::SetColorLabBakG(TColor Value)
{
    StoreAndPaint(FHost, FColorLabBakG, Value);
}

void TNumLabCore::SetColorLabText(TColor Value)
{
    StoreAndPaint(FHost, FColorLabText, Value);
}

void TNumLabCore::SetColorOutBakG(TColor Value)
{
    StoreAndPaint(FHost, FColorOutBakG, Value);
}

void TNumLabCore::SetColorOutText(TColor Value)
{
    StoreAndPaint(FHost, FColorOutText, Value);
}

void TNumLabCore::SetColorScheme(TColorScheme Value)
{
    if (StoreColorScheme(Value))
        FHost.Paint();
}

void TNumLabCore::SetFComma(bool Value)
{
    StoreAndPaint(FHost, FComma, Value);
}

void TNumLabCore::SetDisplayType(TDisplay Value)
{
    StoreAndPaint(FHost, FDisplayType, Value);
}

void TNumLabCore::SetDtFormat(const QString& Value)
{
    StoreAndPaint(FHost, FDtFormat, Value);
}

void TNumLabCore::SetEmpty(bool Value)
{
    StoreAndPaint(FHost, FEmpty, Value);
}

void TNumLabCore::SetFPlusSign(bool Value)
{
    StoreAndPaint(FHost, FPlusSign, Value);
}

void TNumLabCore::SetFrameStyle(TFrameStyle Value)
{
    if (StoreAndPaint(FHost, FFrameStyle, Value))
        FHost.SizeHintChanged();
}

void TNumLabCore::SetLabWidth(int Value)
{
    if (StoreAndPaint(FHost, FLabWidth, Value))
        FHost.SizeHintChanged();
}

// A negative value is ignored; the limit to the width applies before the
// comparison.
void TNumLabCore::SetLeftSpace(int Value)
{
    if (Value < 0)
        return;
    if (StoreAndPaint(FHost, FLeftSpace, std::min(Value, FHost.Size().width())))
        FHost.SizeHintChanged();
}

void TNumLabCore::SetLeftText(const QString& Value)
{
    StoreAndPaint(FHost, FLeftText, Value);
}

void TNumLabCore::SetLTAlignment(TAlignment Value)
{
    StoreAndPaint(FHost, FLTAlignment, Value);
}

void TNumLabCore::SetOverFlowIndi(const QString& Value)
{
    StoreAndPaint(FHost, FOverFlowIndi, Value);
}

// A negative value is ignored; the limit of 15 applies before the comparison.
void TNumLabCore::SetDecP(int Value)
{
    if (Value < 0)
        return;
    StoreAndPaint(FHost, FDecP, std::min(Value, 15));
}

void TNumLabCore::SetRightText(const QString& Value)
{
    if (StoreAndPaint(FHost, FRightText, Value))
        FHost.SizeHintChanged();
}

void TNumLabCore::SetRTAlignment(TAlignment Value)
{
    StoreAndPaint(FHost, FRTAlignment, Value);
}

void TNumLabCore::SetStateText(const QString& Value)
{
    StoreAndPaint(FHost, FStateText, Value);
}

void TNumLabCore::SetTransparent(bool Value)
{
    // A change is composed again at once either way: the host only copies
    // its last picture when the platform repaints, and it always repaints the
    // parent's pixels beneath the label first. Turned on, the label also asks
    // for that repaint.
    if (StoreAndPaint(FHost, FTransParent, Value) && Value)
        FHost.RepaintBeneath();
}

void TNumLabCore::SetLabValue(double Value)
{
    // A NaN is never stored, so the stored value always compares.
    if (!std::isnan(Value) && StoreAndPaint(FHost, FLabValue, Value))
        FHost.ValueChanged(FLabValue);
}

void TNumLabCore::CopyFrom(const TNumLabCore& src)
{
    const double before = FLabValue;
    FLeftSpace = src.FLeftSpace;
    FEmpty = src.FEmpty;
    FLabWidth = src.FLabWidth;
    FDecP = src.FDecP;
    FLeftText = src.FLeftText;
    FRightText = src.FRightText;
    FFrameStyle = src.FFrameStyle;
    FAlignment = src.FAlignment;
    FRTAlignment = src.FRTAlignment;
    FLTAlignment = src.FLTAlignment;
    FOverFlowIndi = src.FOverFlowIndi;
    FLabValue = src.FLabValue;
    FStateText = src.FStateText;
    FTransParent = src.FTransParent;
    FColorLabBakG = src.FColorLabBakG;
    FColorLabText = src.FColorLabText;
    FColorOutBakG = src.FColorOutBakG;
    FColorOutText = src.FColorOutText;
    CopySchemeLines(src);
    FDisplayType = src.FDisplayType;
    FHost.Paint();
    FHost.SizeHintChanged();
    if (FLabValue != before)
        FHost.ValueChanged(FLabValue);
}

} // namespace vorn
