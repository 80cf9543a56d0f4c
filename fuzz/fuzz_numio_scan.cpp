// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The four scanners and six validators of the field's text formats, given
// any text: each scanner stops inside the text and reads the value its
// digits spell (low 32 bits for the integer ones, clamped and never NaN for
// the real one); a text its format's validator accepts is read whole; a
// number written by Str reads back as the same double.
#include "FuzzSupport.h"
#include "NumIO.h"
#include "NumIO_p.h"
#include "Str_p.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>

using namespace vorn;

namespace {

// The patterns a text is compared with, compiled once.
const QRegularExpression AnyDigit(QStringLiteral("[0-9]"));
const QRegularExpression LongExponent(QStringLiteral("[eE][+-]?[0-9]{4}"));
const QRegularExpression DecimalInteger(QStringLiteral("\\A[+-]?[0-9]+\\z"));

bool Matches(const QString& s, const QRegularExpression& pattern)
{
    return pattern.match(s).hasMatch();
}

struct TIntScanner
{
    const char* Name;
    int Base;
    int32_t (*Scan)(const QString&, int32_t&);
    bool (*IsValid)(const QString&);
    int LowDigits; // digits that hold the low 32 bits of the value
};

constexpr TIntScanner IntScanners[] = {
    {"ScanBin", 2, ScanBin, IsValidBin, 32},
    {"ScanOctal", 8, ScanOctal, IsValidOct, 11},
    {"ScanHex", 16, ScanHex, IsValidHex, 8},
};

// The low 32 bits of the number that the digits `s` spell in `base`.
uint32_t Low32Of(const QString& s, const TIntScanner& sc)
{
    bool ok = false;
    const uint64_t v = s.right(sc.LowDigits).toULongLong(&ok, sc.Base);
    FUZZ_CHECK(ok || s.isEmpty(), Quoted(s));
    return static_cast<uint32_t>(v);
}

void CheckIntScanner(const TIntScanner& sc, const QString& s, int32_t start)
{
    const int32_t len = static_cast<int32_t>(s.size());
    int32_t idx = start;
    const uint32_t value = static_cast<uint32_t>(sc.Scan(s, idx));
    const QString detail = QStringLiteral("%1 of %2 from %3: %4, stop %5").arg(sc.Name).arg(Quoted(s)).arg(start).arg(value).arg(idx);
    // A start past the end reads nothing and stays; any other stops at the
    // end at the latest.
    FUZZ_CHECK(idx >= start && idx <= std::max(len + 1, start), detail);
    // What lies between the start and the stop is blanks and a "$" (hex) and
    // then digits; the value is theirs.
    qsizetype first = start - 1;
    while (first < idx - 1 && (s.at(first) == u' ' || (s.at(first) == u'$' && sc.Base == 16)))
        ++first;
    const QString digits = s.mid(first, idx - 1 - first);
    FUZZ_CHECK(digits.isEmpty() || sc.IsValid(digits), detail);
    FUZZ_CHECK(value == Low32Of(digits, sc), detail);
    // A text the validator accepts is read whole.
    if (start == 1 && sc.IsValid(s))
        FUZZ_CHECK(idx == len + 1, detail);
}

constexpr TDecPSep Policies[] = {dsSystem, dsDot, dsComma, dsBoth};

void CheckRealScanner(const QString& s, int32_t start, bool allowExp, TDecPSep policy)
{
    const int32_t decPChar = policy == dsDot ? 1 : policy == dsComma ? 2 : 3;
    int32_t idx = start;
    const double v = ScanFPNum(s, allowExp, decPChar, idx);
    const QString detail =
        QStringLiteral("ScanFPNum of %1 from %2 (exp %3, sep %4): %5, stop %6").arg(Quoted(s)).arg(start).arg(allowExp).arg(decPChar).arg(v).arg(idx);
    FUZZ_CHECK(!std::isnan(v) && std::fabs(v) <= 1.7e308, detail);
    FUZZ_CHECK(idx >= start && idx <= std::max<qsizetype>(s.size() + 1, start), detail);
    if (policy == dsSystem || start != 1)
        return;
    // The scanner and the validator run one automaton: a text whose number
    // the validator refuses reads as 0, unless it was refused for an
    // exponent beyond 4200, which the scanner reads up to that digit.
    const bool valid = IsValidDouble(s, allowExp, policy);
    FUZZ_CHECK(valid || v == 0.0 || Matches(s, LongExponent), detail);
    // A plain number (sign, digits, one separator) is read whole, as the
    // C library reads it.
    if (IsValidFPNum(s, policy) && Matches(s, AnyDigit)) {
        FUZZ_CHECK(valid && idx == s.size() + 1, detail);
        QString c = s;
        c.replace(u',', u'.');
        const double expected = std::clamp(std::strtod(c.toLatin1().constData(), nullptr), -1.7e308, 1.7e308);
        FUZZ_CHECK(v == expected || std::fabs(v - expected) <= 1e-15 * std::fabs(expected), detail);
    }
}

// Str's exponential form with 18 digits reads back as the double it wrote.
void CheckRoundTrip(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > 1.7e308)
        return;
    const QString text = Str(x, 26, -1);
    int32_t idx = 1;
    const double back = ScanFPNum(text, true, 1, idx);
    const QString detail = QStringLiteral("%1 -> %2 -> %3").arg(x, 0, 'g', 17).arg(Quoted(text)).arg(back, 0, 'g', 17);
    FUZZ_CHECK(IsValidDouble(text, true, dsDot), detail);
    FUZZ_CHECK(back == x, detail);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const double x = ConsumeAnyDouble(in);
    const bool allowExp = in.ConsumeBool();
    const TDecPSep policy = Policies[in.ConsumeIntegralInRange(0, 3)];
    const QString s = ConsumeText(in, 64);
    const int32_t start = in.ConsumeIntegralInRange<int32_t>(1, static_cast<int32_t>(s.size()) + 2);
    for (const TIntScanner& sc : IntScanners) {
        CheckIntScanner(sc, s, 1);
        CheckIntScanner(sc, s, start);
    }
    CheckRealScanner(s, 1, allowExp, policy);
    CheckRealScanner(s, start, allowExp, policy);
    // The decimal validator takes exactly a sign or digit and then digits.
    const bool decInt = IsValidDecInt(s);
    const bool expectedDecInt = Matches(s, DecimalInteger);
    FUZZ_CHECK(decInt == expectedDecInt, QStringLiteral("IsValidDecInt of %1").arg(Quoted(s)));
    CheckRoundTrip(x);
    return 0;
}
