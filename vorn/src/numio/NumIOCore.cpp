// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The field's model: construction, the value written into and read out of
// the text, the property writers, range, change event and copying.
#include "NumIOCore_p.h"

#include "FloatCheck_p.h"
#include "NumDigits_p.h"
#include "stringl_p.h"

#include <QAccessible>

#include <limits>

namespace vorn {

using namespace numio;

TNumIO2Core::TNumIO2Core(TControlHost& host, TNumIO2Host& events) : FHost(host), FEvents(events) {}

TNumIO2Core::~TNumIO2Core() = default;

QString TNumIO2Core::ErrorText(const QString& what) const
{
    const QObject* sender = FHost.Sender();
    return QStringLiteral("Component \"") + (sender ? sender->objectName() : QString()) + QStringLiteral("\": ") + what;
}

void TNumIO2Core::CaretMoved()
{
    FHost.NotifyAccessible(QAccessible::TextCaretMoved);
}

// --- Value -------------------------------------------------------------------

void TNumIO2Core::SetNioValue(double value)
{
    QString text;
    switch (FInputFormat) {
    case itExp:
        text = strff(value, FSigDig + 6, -2);
        break;
    case itFloat:
    case itFixPoint:
        text = strff(value, 1, FDecP);
        break;
    case itInt:
    case itDynamic:
        text = QString::number(Round(value));
        break;
    case itHex:
        text = Hex(static_cast<int32_t>(static_cast<uint32_t>(Round(value))), 8);
        break;
    case itOct:
        text = Octal(static_cast<int32_t>(static_cast<uint32_t>(Round(value))), 11);
        break;
    case itBin:
        text = Bin(static_cast<int32_t>(static_cast<uint32_t>(Round(value))), 32);
        break;
    }
    // Real formats carry the separator of the field's policy, so that the
    // field accepts its own text.
    if (FInputFormat == itExp || FInputFormat == itFloat || FInputFormat == itFixPoint) {
        const QChar sep = PolicySeparator(FDecPSep);
        if (sep != u'.')
            text.replace(u'.', sep);
    }
    FInBuffer = text;
    FHost.Paint();
    NotifyChanges();
}

namespace {
// A text accepted by IsValidDecInt as a 32-bit integer; 2147483647 when it
// lies outside that range, whatever its sign.
int32_t DecIntValue(const QString& s)
{
    qsizetype i = 0;
    bool negative = false;
    if (s.at(0) == u'+' || s.at(0) == u'-') {
        negative = s.at(0) == u'-';
        i = 1;
    }
    int64_t v = 0;
    for (; i < s.size(); ++i) {
        v = v * 10 + (s.at(i).unicode() - u'0');
        if (v > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            return std::numeric_limits<int32_t>::max();
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(v);
}

// The number a text stands for in a format.
double ValueOf(const QString& s, TInFormat format)
{
    int32_t idx = 1;
    switch (format) {
    case itExp:
    case itFloat:
    case itFixPoint: return ScanFPNum(s, true, 3, idx);
    case itInt:
        if (s.isEmpty() || !IsValidDecInt(s))
            return 0;
        return DecIntValue(s);
    case itHex: return ScanHex(s, idx);
    case itOct: return ScanOctal(s, idx);
    case itBin: return ScanBin(s, idx);
    case itDynamic: {
        if (s.isEmpty())
            return 0;
        const QString rest = s.mid(1);
        switch (s.at(0).unicode()) {
        case u'$': return ScanHex(rest, idx);
        case u'%': return ScanBin(rest, idx);
        case u'&': return ScanOctal(rest, idx);
        default: return ScanFPNum(s, true, 3, idx);
        }
    }
    }
    return 0;
}
} // namespace

// The value depends on the text and the format alone (every real format is
// read with either separator), so it is read once per text and format: the
// change notices, the range check, the painting and the callers ask again
// and again. The kept text shares the field's buffer, so an edit of the
// buffer detaches it and the same data is the same text.
double TNumIO2Core::GetNioValue() const
{
    TValueCache& c = FValueCache;
    if (c.Valid && c.Format == FInputFormat && c.Text.constData() == FInBuffer.constData() &&
        c.Text.size() == FInBuffer.size())
        return c.Value;
    c.Text = FInBuffer;
    c.Format = FInputFormat;
    c.Value = ValueOf(FInBuffer, FInputFormat);
    c.Valid = true;
    return c.Value;
}

int32_t TNumIO2Core::GetNioIntValue() const
{
    const double v = GetNioValue();
    if (v > 2147483647.0 || v < -2147483648.0)
        throw EVornNumIO2Error(ErrorText(QStringLiteral("integer overflow")));
    return static_cast<int32_t>(Round(v));
}

void TNumIO2Core::SetNioText(const QString& value)
{
    if (!value.isEmpty() && !CheckValidity(value))
        return;
    FInBuffer = value;
    FCaretPos = 0;
    FSelBegin = 0;
    FSelEnd = 0;
    FHost.Paint();
    NotifyChanges();
    CaretMoved();
}

bool TNumIO2Core::OutOfRange() const
{
    const double v = GetNioValue();
    return v < FMinimum || v > FMaximum;
}

// The value is compared as read, so a text that reads the same number (a
// new separator, a format's rewrite) tells only its own change.
void TNumIO2Core::NotifyChanges()
{
    if (FNotifyHeld > 0)
        return;
    const QString text = FInBuffer;
    const double value = GetNioValue();
    const bool textChg = text != FNotifiedText;
    const bool valueChg = value != FNotifiedValue;
    FNotifiedText = text;
    FNotifiedValue = value;
    if (textChg)
        FEvents.TextChanged(text);
    // A slot that changed the text again has told the newer value already.
    if (valueChg && FNotifiedText == text)
        FEvents.ValueChanged(value);
}

// --- Range and format -----------------------------------------------------------

// The range writers skip the comparison: every write repaints, an equal one
// too, so writing the range refreshes the warning colours of the value
// against it. Each keeps low <= high by moving the other end; neither
// touches the value.
void TNumIO2Core::SetRangeLow(double value)
{
    FMinimum = value;
    if (FMaximum < FMinimum)
        FMaximum = FMinimum;
    FHost.Paint();
}

void TNumIO2Core::SetRangeHigh(double value)
{
    FMaximum = value;
    if (FMinimum > FMaximum)
        FMinimum = FMaximum;
    FHost.Paint();
}

// The digit counts compare the value as passed, before the limit of 15, and
// ignore counts below 1. A change rewrites the text in the new count (which
// paints) and then repaints once more.
void TNumIO2Core::SetDecP(int value)
{
    if (value == FDecP || value < 1)
        return;
    FDecP = std::min(value, 15);
    SetNioValue(GetNioValue());
    FHost.Paint();
}

void TNumIO2Core::SetSigDig(int value)
{
    if (value == FSigDig || value < 1)
        return;
    FSigDig = std::min(value, 15);
    SetNioValue(GetNioValue());
    FHost.Paint();
}

// A new format rewrites the value read under the old one (which paints),
// then repaints once more.
void TNumIO2Core::SetInFormatType(TInFormat value)
{
    if (value == FInputFormat)
        return;
    const double v = GetNioValue();
    const TInFormat old = FInputFormat;
    FInputFormat = value;
    try {
        SetNioValue(v);
    } catch (...) {
        // The value does not fit the new format: keep the old one with its text.
        FInputFormat = old;
        throw;
    }
    FHost.Paint();
}

// A new policy converts the text to its separator before it is stored.
void TNumIO2Core::SetDecSep(TDecPSep value)
{
    if (value == FDecPSep)
        return;
    if (value != dsBoth) {
        const QChar to = PolicySeparator(value);
        if (FDecPSep == dsBoth) {
            FInBuffer.replace(u'.', to);
            FInBuffer.replace(u',', to);
        } else {
            const QChar from = PolicySeparator(FDecPSep);
            if (from != to)
                FInBuffer = ReplaceCharInString(FInBuffer, from, to);
        }
    }
    FDecPSep = value;
    FHost.Paint();
    NotifyChanges();
}

// --- Geometry and state -------------------------------------------------------------

// Every writer of what sizeHint() reads (the box, buttons, gauge, right
// caption, frame styles and AutoSize) also tells the layout when it changes.

// Compared as passed, before the limit: a negative value is ignored, one
// beyond the width is stored as the width and repaints even when the width
// is what the field holds.
void TNumIO2Core::SetLeftSpace(int value)
{
    if (value == FLeftSpace || value < 0)
        return;
    FLeftSpace = std::min(value, HostSize().width());
    FHost.Paint();
    FHost.SizeHintChanged();
}

// Always resizes and repaints, keeping the height at MINHEIGHT or more and
// the buttons no taller than the field.
void TNumIO2Core::SetHeight(int value)
{
    value = std::max(value, MINHEIGHT);
    FHost.Resize(QSize(HostSize().width(), value));
    if (FButHeight > value) {
        FButHeight = value;
        FHost.SizeHintChanged();
    }
    FHost.Paint();
}

// A change also stops the caret (read-only) or starts it again before the
// repaint, so the picture shows the caret's new state.
void TNumIO2Core::SetReadonly(bool value)
{
    if (value == FReadOnly)
        return;
    FReadOnly = value;
    if (value) {
        FEvents.StopBlink();
        FCaretVisib = false;
    } else {
        UpdateTimer();
    }
    FHost.Paint();
}

// --- Look ----------------------------------------------------------------------------

// The look's writers store a changed value and paint it; an equal value
// changes nothing.

void TNumIO2Core::SetAlignment(TAlignment value)
{
    StoreAndPaint(FHost, FAlignment, value);
}

void TNumIO2Core::SetAutoSize(bool value)
{
    if (StoreAndPaint(FHost, FAutoSize, value))
        FHost.SizeHintChanged();
}

void TNumIO2Core::SetColorBoxBG(TColor value)
{
    StoreAndPaint(FHost, FColorBoxBG, value);
}

void TNumIO2Core::SetColorBoxText(TColor value)
{
    StoreAndPaint(FHost, FColorBoxText, value);
}

void TNumIO2Core::SetColorOutBG(TColor value)
{
    StoreAndPaint(FHost, FColorOutBG, value);
}

void TNumIO2Core::SetColorOutText(TColor value)
{
    StoreAndPaint(FHost, FColorOutText, value);
}

void TNumIO2Core::SetColorScheme(TColorScheme value)
{
    if (StoreColorScheme(value))
        FHost.Paint();
}

void TNumIO2Core::SetFrameStyle(TFrameStyle value)
{
    if (StoreAndPaint(FHost, FFrameStyle, value))
        FHost.SizeHintChanged();
}

void TNumIO2Core::SetLeftText(const QString& value)
{
    StoreAndPaint(FHost, FLeftText, value);
}

void TNumIO2Core::SetLeftTextAlignment(TAlignment value)
{
    StoreAndPaint(FHost, FLTAlignment, value);
}

void TNumIO2Core::SetRightText(const QString& value)
{
    if (StoreAndPaint(FHost, FRightText, value))
        FHost.SizeHintChanged();
}

void TNumIO2Core::SetRightTextAlignment(TAlignment value)
{
    StoreAndPaint(FHost, FRTAlignment, value);
}

void TNumIO2Core::SetTextBoxWidth(int value)
{
    if (StoreAndPaint(FHost, FTextBoxWidth, value))
        FHost.SizeHintChanged();
}

// The warning colours skip the comparison: every write stores and repaints,
// an equal one too, so writing one refreshes a field that shows its warning.
void TNumIO2Core::SetColorWarnBG(TColor value)
{
    FColorWarnBG = value;
    FHost.Paint();
}

void TNumIO2Core::SetColorWarnBoxText(TColor value)
{
    FColorWarnTxt = value;
    FHost.Paint();
}

// --- Buttons and gauge -----------------------------------------------------------------

// Their colours, step and switches store a changed value and paint it; an
// equal value changes nothing.

void TNumIO2Core::SetButColor(TColor value)
{
    StoreAndPaint(FHost, FButColor, value);
}

void TNumIO2Core::SetButIncrement(double value)
{
    StoreAndPaint(FHost, FButIncrem, value);
}

void TNumIO2Core::SetButVis(bool value)
{
    if (StoreAndPaint(FHost, FButVisible, value))
        FHost.SizeHintChanged();
}

void TNumIO2Core::SetBut3D(bool value)
{
    StoreAndPaint(FHost, FBut3D, value);
}

void TNumIO2Core::SetGaugeVisib(bool value)
{
    if (StoreAndPaint(FHost, FGaugeVisib, value))
        FHost.SizeHintChanged();
}

void TNumIO2Core::SetGaugeFrameStyle(TFrameStyle value)
{
    if (StoreAndPaint(FHost, FGaugeFrameSt, value))
        FHost.SizeHintChanged();
}

void TNumIO2Core::SetGaugeColor(TColor value)
{
    StoreAndPaint(FHost, FGaugeColor, value);
}

void TNumIO2Core::SetGaugeColorBg(TColor value)
{
    StoreAndPaint(FHost, FGaugeColorBg, value);
}

void TNumIO2Core::SetGaugeColorFrm(TColor value)
{
    StoreAndPaint(FHost, FGaugeColorFrm, value);
}

// Button and gauge geometry compares the value as passed, before its limits:
// an equal value does nothing, any other is limited in the order given,
// against the field's size at this moment, then stored and painted, even
// when the limit gives back the value the field holds.
void TNumIO2Core::SetButWidth(int value)
{
    if (value == FButWidth)
        return;
    FButWidth = std::min(std::max(value, MINBUTWIDTH), MAXBUTWIDTH);
    FHost.Paint();
    FHost.SizeHintChanged();
}

void TNumIO2Core::SetButHeight(int value)
{
    if (value == FButHeight)
        return;
    FButHeight = std::min(std::max(value, MINBUTHEIGHT), HostSize().height());
    FHost.Paint();
    FHost.SizeHintChanged();
}

void TNumIO2Core::SetButSpace(int value)
{
    if (value == FButSpace)
        return;
    FButSpace = std::min(std::max(value, 0), MAXBUTSPACE);
    FHost.Paint();
    FHost.SizeHintChanged();
}

void TNumIO2Core::SetGaugeHeight(int value)
{
    if (value == FGaugeHeight)
        return;
    FGaugeHeight = std::max(std::min(value, HostSize().height() - FGaugeTopMarg - 18), 3);
    FHost.Paint();
    FHost.SizeHintChanged();
}

void TNumIO2Core::SetGaugeWidth(int value)
{
    if (value == FGaugeWidth)
        return;
    FGaugeWidth = std::min(std::max(value, 10), HostSize().width() - FGaugeLeftMarg);
    FHost.Paint();
    FHost.SizeHintChanged();
}

void TNumIO2Core::SetGaugeLeftMarg(int value)
{
    if (value == FGaugeLeftMarg)
        return;
    FGaugeLeftMarg = std::max(std::min(value, HostSize().width() - FGaugeWidth), 0);
    FHost.Paint();
    FHost.SizeHintChanged();
}

void TNumIO2Core::SetGaugeTopMarg(int value)
{
    if (value == FGaugeTopMarg)
        return;
    FGaugeTopMarg = std::max(std::min(value, HostSize().height() - FGaugeHeight - 18), 0);
    FHost.Paint();
    FHost.SizeHintChanged();
}

// --- Copying -------------------------------------------------------------------------

void TNumIO2Core::CopyFrom(const TNumIO2Core& other)
{
    const TNumIO2Core* src = &other;
    FLeftSpace = src->FLeftSpace;
    FTextBoxWidth = src->FTextBoxWidth;
    FDecP = src->FDecP;
    FSigDig = src->FSigDig;
    FLeftText = src->FLeftText;
    FRightText = src->FRightText;
    FFrameStyle = src->FFrameStyle;
    FAlignment = src->FAlignment;
    FRTAlignment = src->FRTAlignment;
    FLTAlignment = src->FLTAlignment;
    FColorBoxBG = src->FColorBoxBG;
    FColorBoxText = src->FColorBoxText;
    FColorOutBG = src->FColorOutBG;
    FColorOutText = src->FColorOutText;
    CopySchemeLines(other);
    FInputFormat = src->FInputFormat;
    FInBuffer = src->FInBuffer;
    FCaretPos = src->FCaretPos;
    FCaretVisib = src->FCaretVisib;
    FMouseAreaCode = src->FMouseAreaCode;
    FColorWarnBG = src->FColorWarnBG;
    FColorWarnTxt = src->FColorWarnTxt;
    FSelBegin = src->FSelBegin;
    FSelEnd = src->FSelEnd;
    FDecPSep = src->FDecPSep;
    FKeyShifted = src->FKeyShifted;
    FKeyCntrl = src->FKeyCntrl;
    FHideSel = src->FHideSel;
    FMaximum = src->FMaximum;
    FMinimum = src->FMinimum;
    FOnlineCheck = src->FOnlineCheck;
    FBeep = src->FBeep;
    FReadOnly = src->FReadOnly;
    FAutoSize = src->FAutoSize;
    FHost.Paint();
    FHost.SizeHintChanged();
    NotifyChanges();
}

} // namespace vorn
