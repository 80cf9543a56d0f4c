// The field's model: construction, the value written into and read out of
// the text, the property writers, range, change event and copying.
#include "NumIO.h"

#include "FloatCheck.h"
#include "NumDigits.h"
#include "stringl.h"

#include <limits>

using namespace numio;

TNumIO2::TNumIO2(QWidget* parent) : TSurface(parent)
{
    FSuppressPaint = true;
    resize(160, 28);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FCaretTimerH = std::make_unique<TMessageTimer>([this](int id) { WndProc(id); }, this);
    FButHeight = height();
    FCaretVisib = true;
    FOnlineCheck = true;
    UpdateTimer();
}

TNumIO2::~TNumIO2()
{
    FCaretTimerH.reset();
}

QString TNumIO2::ErrorText(const QString& what) const
{
    return QStringLiteral("Component \"") + objectName() + QStringLiteral("\": ") + what;
}

void TNumIO2::CreateWnd()
{
    FSuppressPaint = false;
}

// --- Value -------------------------------------------------------------------

void TNumIO2::SetNioValue(double value)
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
    Paint();
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
} // namespace

double TNumIO2::GetNioValue()
{
    const QString& s = FInBuffer;
    int32_t idx = 1;
    switch (FInputFormat) {
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

int32_t TNumIO2::GetNioIntValue()
{
    const double v = GetNioValue();
    if (v > 2147483647.0 || v < -2147483648.0)
        throw EVornNumIO2Error(ErrorText(QStringLiteral("integer overflow")));
    return static_cast<int32_t>(Round(v));
}

void TNumIO2::SetNioText(const QString& value)
{
    if (!value.isEmpty() && !CheckValidity(value))
        return;
    FInBuffer = value;
    FCaretPos = 0;
    FSelBegin = 0;
    FSelEnd = 0;
    Paint();
}

bool TNumIO2::OutOfRange()
{
    const double v = GetNioValue();
    return v < FMinimum || v > FMaximum;
}

void TNumIO2::Changed()
{
    if (OnChange)
        OnChange(this);
}

// --- Range and format -----------------------------------------------------------

void TNumIO2::SetRangeLow(double value)
{
    FMinimum = value;
    if (FMaximum < FMinimum)
        FMaximum = FMinimum;
    Paint();
}

void TNumIO2::SetRangeHigh(double value)
{
    FMaximum = value;
    if (FMinimum > FMaximum)
        FMinimum = FMaximum;
    Paint();
}

void TNumIO2::SetDecP(int value)
{
    if (value == FDecP || value < 1)
        return;
    FDecP = std::min(value, 15);
    SetNioValue(GetNioValue());
    Paint();
}

void TNumIO2::SetSigDig(int value)
{
    if (value == FSigDig || value < 1)
        return;
    FSigDig = std::min(value, 15);
    SetNioValue(GetNioValue());
    Paint();
}

void TNumIO2::SetInFormatType(TInFormat value)
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
    Paint();
}

void TNumIO2::SetDecSep(TDecPSep value)
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
    Paint();
}

// --- Geometry and state -------------------------------------------------------------

void TNumIO2::SetLeftSpace(int value)
{
    if (value == FLeftSpace || value < 0)
        return;
    FLeftSpace = std::min(value, width());
    Paint();
}

void TNumIO2::SetHeight(int value)
{
    value = std::max(value, MINHEIGHT);
    resize(width(), value);
    if (FButHeight > value)
        FButHeight = value;
    Paint();
}

void TNumIO2::SetReadonly(bool value)
{
    if (value == FReadOnly)
        return;
    FReadOnly = value;
    if (value) {
        FCaretTimerH->KillTimer(1);
        FCaretVisib = false;
    } else {
        UpdateTimer();
    }
    Paint();
}

void TNumIO2::SetEnabled(bool value)
{
    FEnabled = value;
    setEnabled(value);
    Paint();
}

void TNumIO2::SetColorScheme(TColorScheme value)
{
    if (StoreColorScheme(value))
        Paint();
}

// Writers that store and repaint when the value changes.
#define NUMIO_STORE_AND_PAINT(Setter, Type, Field)                                                                    \
    void TNumIO2::Setter(Type value)                                                                                  \
    {                                                                                                                 \
        if (value == Field)                                                                                           \
            return;                                                                                                   \
        Field = value;                                                                                                \
        Paint();                                                                                                      \
    }

NUMIO_STORE_AND_PAINT(SetAlignment, TAlignment, FAlignment)
NUMIO_STORE_AND_PAINT(SetAutoSize, bool, FAutoSize)
NUMIO_STORE_AND_PAINT(SetColorBoxBG, TColor, FColorBoxBG)
NUMIO_STORE_AND_PAINT(SetColorBoxText, TColor, FColorBoxText)
NUMIO_STORE_AND_PAINT(SetColorOutBG, TColor, FColorOutBG)
NUMIO_STORE_AND_PAINT(SetColorOutText, TColor, FColorOutText)
NUMIO_STORE_AND_PAINT(SetFrameStyle, TFrameStyle, FFrameStyle)
NUMIO_STORE_AND_PAINT(SetLeftText, const QString&, FLeftText)
NUMIO_STORE_AND_PAINT(SetLeftTextAlignment, TAlignment, FLTAlignment)
NUMIO_STORE_AND_PAINT(SetRightText, const QString&, FRightText)
NUMIO_STORE_AND_PAINT(SetRightTextAlignment, TAlignment, FRTAlignment)
NUMIO_STORE_AND_PAINT(SetTextBoxWidth, int, FTextBoxWidth)
NUMIO_STORE_AND_PAINT(SetButColor, TColor, FButColor)
NUMIO_STORE_AND_PAINT(SetButIncrement, double, FButIncrem)
NUMIO_STORE_AND_PAINT(SetButVis, bool, FButVisible)
NUMIO_STORE_AND_PAINT(SetBut3D, bool, FBut3D)
NUMIO_STORE_AND_PAINT(SetGaugeVisib, bool, FGaugeVisib)
NUMIO_STORE_AND_PAINT(SetGaugeFrameStyle, TFrameStyle, FGaugeFrameSt)
NUMIO_STORE_AND_PAINT(SetGaugeColor, TColor, FGaugeColor)
NUMIO_STORE_AND_PAINT(SetGaugeColorBg, TColor, FGaugeColorBg)
NUMIO_STORE_AND_PAINT(SetGaugeColorFrm, TColor, FGaugeColorFrm)
#undef NUMIO_STORE_AND_PAINT

void TNumIO2::SetColorWarnBG(TColor value)
{
    FColorWarnBG = value;
    Paint();
}

void TNumIO2::SetColorWarnBoxText(TColor value)
{
    FColorWarnTxt = value;
    Paint();
}

// Button and gauge geometry: unchanged values do nothing; limits apply in
// the order given, against the control's size at this moment.
void TNumIO2::SetButWidth(int value)
{
    if (value == FButWidth)
        return;
    FButWidth = std::min(std::max(value, MINBUTWIDTH), MAXBUTWIDTH);
    Paint();
}

void TNumIO2::SetButHeight(int value)
{
    if (value == FButHeight)
        return;
    FButHeight = std::min(std::max(value, MINBUTHEIGHT), height());
    Paint();
}

void TNumIO2::SetButSpace(int value)
{
    if (value == FButSpace)
        return;
    FButSpace = std::min(std::max(value, 0), MAXBUTSPACE);
    Paint();
}

void TNumIO2::SetGaugeHeight(int value)
{
    if (value == FGaugeHeight)
        return;
    FGaugeHeight = std::max(std::min(value, height() - FGaugeTopMarg - 18), 3);
    Paint();
}

void TNumIO2::SetGaugeWidth(int value)
{
    if (value == FGaugeWidth)
        return;
    FGaugeWidth = std::min(std::max(value, 10), width() - FGaugeLeftMarg);
    Paint();
}

void TNumIO2::SetGaugeLeftMarg(int value)
{
    if (value == FGaugeLeftMarg)
        return;
    FGaugeLeftMarg = std::max(std::min(value, width() - FGaugeWidth), 0);
    Paint();
}

void TNumIO2::SetGaugeTopMarg(int value)
{
    if (value == FGaugeTopMarg)
        return;
    FGaugeTopMarg = std::max(std::min(value, height() - FGaugeHeight - 18), 0);
    Paint();
}

// --- Copying -------------------------------------------------------------------------

void TNumIO2::Assign(QObject* Source)
{
    auto* src = qobject_cast<TNumIO2*>(Source);
    if (!src)
        ThrowCannotAssign(ClassNameOf(Source), QStringLiteral("TNumIO2"));
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
    CopySchemeLines(*src);
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
    Paint();
}

void TNumIO2::AssignTo(QObject* Dest)
{
    auto* dst = qobject_cast<TNumIO2*>(Dest);
    if (!dst)
        ThrowCannotAssign(QStringLiteral("TNumIO2"), ClassNameOf(Dest));
    dst->Assign(this);
}
