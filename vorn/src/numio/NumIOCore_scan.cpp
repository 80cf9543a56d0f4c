// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Scanning numbers out of a field's text, and deciding whether a text is
// valid for a field's input format.
#include "NumIOCore_p.h"

#include "Locale_p.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace vorn {

using namespace numio;

namespace {

constexpr QLatin1StringView HexTab("0123456789ABCDEF");
constexpr int MaxHexTab = 15;
constexpr int MaxExponent = 4200;
constexpr long double MaxDouble = 1.7E308; // the platform's largest double

QChar UpCase(QChar c)
{
    return (c >= u'a' && c <= u'z') ? QChar(c.unicode() - 32) : c;
}

// Value of c as a digit of `base`, -1 when it is none.
int DigitValue(QChar c, int base)
{
    const int v = static_cast<int>(HexTab.indexOf(UpCase(c)));
    return (v >= 0 && v <= MaxHexTab && v < base) ? v : -1;
}

// A non-empty text of digits of `base` only: no spaces, signs or prefixes.
bool AllDigitsOf(const QString& s, int base)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [base](QChar c) { return DigitValue(c, base) >= 0; });
}

int32_t ScanInteger(const QString& s, int32_t& Idx, int base, bool dollar)
{
    const int len = static_cast<int>(s.size());
    while (Idx < len && s.at(Idx - 1) == u' ')
        ++Idx;
    if (dollar && Idx == 1 && len > 0 && s.at(0) == u'$')
        ++Idx;
    uint32_t result = 0;
    while (Idx >= 1 && Idx <= len) {
        const int d = DigitValue(s.at(Idx - 1), base);
        if (d < 0)
            break;
        result = result * static_cast<uint32_t>(base) + static_cast<uint32_t>(d);
        ++Idx;
    }
    return static_cast<int32_t>(result);
}

// The separator policy as 1 ".", 2 "," or 3 both.
int DecPCharOf(TDecPSep sep)
{
    switch (sep) {
    case dsDot: return 1;
    case dsComma: return 2;
    case dsBoth: return 3;
    case dsSystem:
    default: return DecimalSeparator() == u'.' ? 1 : 2;
    }
}

bool IsSeparator(QChar c, int DecPChar)
{
    return (c == u'.' && (DecPChar & 1)) || (c == u',' && (DecPChar & 2));
}

// The real-number automaton. A character falls into one class; each state
// names the next state for every class.
enum TCharClass : uint8_t { ccSeparator, ccSpace, ccSign, ccDigit, ccE, ccOther };

// The class of the character at the 1-based position Idx; reading past the
// end gives ccOther.
TCharClass ClassAt(const QString& s, int32_t Idx, int DecPChar)
{
    if (Idx < 1 || Idx > s.size())
        return ccOther;
    const QChar c = UpCase(s.at(Idx - 1));
    if (IsSeparator(c, DecPChar))
        return ccSeparator;
    if (c == u' ')
        return ccSpace;
    if (c == u'+' || c == u'-')
        return ccSign;
    if (c >= u'0' && c <= u'9')
        return ccDigit;
    return c == u'E' ? ccE : ccOther;
}

// Next states 1 ... 8, or one of these outcomes.
constexpr int8_t Accept = 0;
constexpr int8_t Reject = -1;
constexpr int8_t ExpOrAccept = -2; // state 6 when exponents are allowed, else accept
constexpr int8_t ExpState = 6;
constexpr int8_t ExpDigitState = 8;

struct TTransitions
{
    int8_t separator, space, sign, digit, e, other;

    int8_t On(TCharClass c) const
    {
        switch (c) {
        case ccSeparator: return separator;
        case ccSpace: return space;
        case ccSign: return sign;
        case ccDigit: return digit;
        case ccE: return e;
        case ccOther: break;
        }
        return other;
    }
};

// One row per state, indexed by the state's number; row 0 is unused.
constexpr TTransitions Automaton[] = {
    {},
    // 1: start, leading spaces
    {.separator = 4, .space = 1, .sign = 2, .digit = 3, .e = Reject, .other = Reject},
    // 2: after the sign
    {.separator = 4, .space = Reject, .sign = Reject, .digit = 3, .e = Reject, .other = Reject},
    // 3: integer digits
    {.separator = 4, .space = Accept, .sign = Accept, .digit = 3, .e = ExpOrAccept, .other = Accept},
    // 4: just after the separator
    {.separator = Reject, .space = Accept, .sign = Accept, .digit = 5, .e = ExpOrAccept, .other = Accept},
    // 5: fraction digits
    {.separator = Reject, .space = Accept, .sign = Accept, .digit = 5, .e = ExpOrAccept, .other = Accept},
    // 6: after "E"
    {.separator = Reject, .space = Reject, .sign = 7, .digit = 8, .e = Reject, .other = Accept},
    // 7: after the exponent's sign
    {.separator = Reject, .space = Reject, .sign = Reject, .digit = 8, .e = Reject, .other = Accept},
    // 8: exponent digits
    {.separator = Accept, .space = Accept, .sign = Accept, .digit = 8, .e = Accept, .other = Accept},
};

// Runs the automaton from Idx and leaves Idx on the character that led to
// accept or reject. Collects the number's text into `collected` when given,
// a "," as "."; an exponent above 4200 then stops the collecting, otherwise
// it rejects. Shared by ScanFPNum and IsValidDouble.
bool RunAutomaton(const QString& s, bool AllowExp, int DecPChar, int32_t& Idx, QString* collected)
{
    int state = 1;
    int exponent = 0;
    bool expTooBig = false;
    while (true) {
        int next = Automaton[state].On(ClassAt(s, Idx, DecPChar));
        if (next == ExpOrAccept)
            next = AllowExp ? ExpState : Accept;
        if (next == Accept)
            return true;
        if (next == Reject)
            return false;
        // Every character that leads to a state stands inside the text.
        const QChar c = UpCase(s.at(Idx - 1));
        bool take = true;
        if (next == ExpDigitState) {
            if (!expTooBig) {
                exponent = exponent * 10 + (c.unicode() - u'0');
                if (exponent > MaxExponent) {
                    if (!collected)
                        return false;
                    expTooBig = true;
                }
            }
            take = !expTooBig;
        }
        if (collected && take)
            collected->append(c == u',' ? QChar(u'.') : c);
        state = next;
        ++Idx;
    }
}

// Decimal text to extended precision, independent of the process locale.
long double TextToExtended(const QString& text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const QByteArray bytes = text.toLatin1();
    return strtold_l(bytes.constData(), nullptr, cLocale);
}

} // namespace

int32_t ScanBin(const QString& Instring, int32_t& Idx)
{
    return ScanInteger(Instring, Idx, 2, false);
}

int32_t ScanOctal(const QString& Instring, int32_t& Idx)
{
    return ScanInteger(Instring, Idx, 8, false);
}

int32_t ScanHex(const QString& Instring, int32_t& Idx)
{
    return ScanInteger(Instring, Idx, 16, true);
}

double ScanFPNum(const QString& Instring, bool AllowExp, int32_t DecPChar, int32_t& Idx)
{
    QString text;
    if (!RunAutomaton(Instring, AllowExp, DecPChar, Idx, &text))
        return 0.0;
    // An exponent without digits is dropped, a trailing point gets a zero.
    if (text.endsWith(u'+') || text.endsWith(u'-')) {
        if (text.size() >= 2 && text.at(text.size() - 2) == u'E')
            text.chop(2);
    } else if (text.endsWith(u'E')) {
        text.chop(1);
    }
    if (text.endsWith(u'.'))
        text.append(u'0');
    long double v = TextToExtended(text);
    if (std::isnan(v))
        v = 0;
    if (v > MaxDouble)
        v = MaxDouble;
    if (v < -MaxDouble)
        v = -MaxDouble;
    return static_cast<double>(v);
}

bool IsValidBin(const QString& Instring)
{
    return AllDigitsOf(Instring, 2);
}

bool IsValidOct(const QString& Instring)
{
    return AllDigitsOf(Instring, 8);
}

bool IsValidHex(const QString& Instring)
{
    return AllDigitsOf(Instring, 16);
}

bool IsValidDecInt(const QString& Instring)
{
    if (Instring.isEmpty())
        return false;
    const auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (Instring.size() == 1)
        return isDigit(Instring.at(0));
    const QChar first = Instring.at(0);
    if (!(first == u'+' || first == u'-' || isDigit(first)))
        return false;
    for (qsizetype i = 1; i < Instring.size(); ++i)
        if (!isDigit(Instring.at(i)))
            return false;
    return true;
}

bool IsValidDouble(const QString& Instring, bool AllowExp, TDecPSep DecSeparator)
{
    if (Instring.isEmpty())
        return false;
    int32_t idx = 1;
    return RunAutomaton(Instring, AllowExp, DecPCharOf(DecSeparator), idx, nullptr);
}

bool IsValidFPNum(const QString& Instring, TDecPSep DecSeparator)
{
    enum TPhase { phInit, phSign, phComma, phPreComma, phPostComma, phErr };
    if (Instring.isEmpty())
        return false;
    const int sep = DecPCharOf(DecSeparator);
    TPhase phase = phInit;
    for (qsizetype i = 0; i < Instring.size() && phase != phErr; ++i) {
        const QChar c = Instring.at(i);
        const bool sign = c == u'+' || c == u'-';
        const bool digit = c >= u'0' && c <= u'9';
        const bool separator = IsSeparator(c, sep);
        switch (phase) {
        case phInit: phase = sign ? phSign : digit ? phPreComma : separator ? phComma : phErr; break;
        case phSign:
        case phPreComma: phase = digit ? phPreComma : separator ? phComma : phErr; break;
        case phComma:
        case phPostComma: phase = digit ? phPostComma : phErr; break;
        default: phase = phErr; break;
        }
    }
    return phase != phErr;
}

QChar PolicySeparator(TDecPSep DecSeparator)
{
    return DecPCharOf(DecSeparator) == 2 ? QChar(u',') : QChar(u'.');
}

bool TNumIO2Core::CheckValidity(const QString& Instring) const
{
    switch (FInputFormat) {
    case itExp: return IsValidDouble(Instring, true, FDecPSep);
    case itFloat: return IsValidFPNum(Instring, FDecPSep);
    case itFixPoint: {
        if (!IsValidFPNum(Instring, FDecPSep))
            return false;
        // Exactly FixPointDecPlaces characters after the first separator of
        // the policy (1-based position, 0 when there is none).
        const int sep = DecPCharOf(FDecPSep);
        qsizetype pos = 0;
        for (qsizetype i = 0; i < Instring.size(); ++i)
            if (IsSeparator(Instring.at(i), sep)) {
                pos = i + 1;
                break;
            }
        return pos == Instring.size() - FDecP;
    }
    case itInt: return IsValidDecInt(Instring);
    case itHex: return IsValidHex(Instring);
    case itOct: return IsValidOct(Instring);
    case itBin: return IsValidBin(Instring);
    case itDynamic: {
        if (Instring.isEmpty())
            return false;
        const QChar first = Instring.at(0);
        const QString rest = Instring.mid(1);
        if (first == u'$')
            return IsValidHex(rest);
        if (first == u'%')
            return IsValidBin(rest);
        if (first == u'&')
            return IsValidOct(rest);
        return IsValidFPNum(Instring, FDecPSep);
    }
    }
    return false;
}

} // namespace vorn
