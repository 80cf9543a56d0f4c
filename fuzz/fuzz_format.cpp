// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The number and date conversions with any value, width, precision and
// pattern: no undefined behaviour, no exception but the project's own, and
// texts whose length the arguments bound; Str's forms have the exact
// widths they promise, and the fixed forms read back as the value rounded.
#include "Exceptions.h"
#include "Format_p.h"
#include "FuzzSupport.h"
#include "Locale_p.h"
#include "NumLab.h"
#include "Str_p.h"
#include "math1_p.h"
#include "stringl_p.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

using namespace vorn;

namespace {

// A fixed or general text of this process's locale as a number.
long double ValueOf(QString text)
{
    text.replace(DecimalSeparator(), QLatin1Char('.'));
    return std::strtold(text.toLatin1().constData(), nullptr);
}

void CheckStr(long double x, int width, int decimals)
{
    const QString s = Str(x, width, decimals);
    const int w = std::clamp(width, 0, 255);
    const QString detail = QStringLiteral("Str(%1, %2, %3) = %4").arg(double(x), 0, 'g', 17).arg(width).arg(decimals).arg(Quoted(s));
    FUZZ_CHECK(s.size() >= w && s.size() <= 300, detail);
    const bool exponential = s.contains(QLatin1Char('E'));
    if (exponential && std::isfinite(x))
        FUZZ_CHECK(s.size() == std::max(w, 10), detail);
    // The fixed form with up to 12 decimals reads back as x, off by at most
    // half the last decimal (and the 18 digits it keeps).
    if (!exponential && std::isfinite(x) && decimals >= 0 && decimals <= 12 && std::fabs(x) < 1e15L) {
        const long double back = ValueOf(s.trimmed());
        const long double limit = 0.5L * std::pow(10.0L, -decimals) + std::fabs(x) * 1e-17L + 1e-30L;
        FUZZ_CHECK(std::fabs(back - x) <= limit, detail);
        FUZZ_CHECK(s.count(QLatin1Char('.')) == (decimals > 0 ? 1 : 0), detail);
    }
}

void CheckStrff(long double x, int width, int decimals)
{
    QString s;
    if (!Converts([&] { s = strff(x, width, decimals); }))
        return;
    const QString detail = QStringLiteral("strff(%1, %2, %3) = %4").arg(double(x), 0, 'g', 17).arg(width).arg(decimals).arg(Quoted(s));
    FUZZ_CHECK(s.size() <= 300, detail);
    // A negative width pads with zeros: no blank is left.
    if (width < 0)
        FUZZ_CHECK(!s.contains(QLatin1Char(' ')), detail);
}

void CheckFormat(const QString& fmt, int width, int precision, long double x, int64_t i64, int i32)
{
    // Literal text, at most 255 of padding and a conversion of at most 256
    // characters (255 digits of "d" and a sign).
    const qsizetype bound = fmt.size() + 255 + 256;
    const auto check = [&](const QString& s, const char* kind) {
        FUZZ_CHECK(s.size() <= bound, QStringLiteral("Format(%1, %2, %3) as %4 = %5 characters").arg(Quoted(fmt)).arg(width).arg(precision).arg(QLatin1String(kind)).arg(s.size()));
    };
    QString s;
    if (Converts([&] { s = Format(fmt, width, precision, x); }))
        check(s, "real");
    if (Converts([&] { s = Format(fmt, width, precision, i64); }))
        check(s, "int64");
    if (Converts([&] { s = Format(fmt, width, precision, i32); }))
        check(s, "int");
    // The fixed conversion reads back as the value rounded to its decimals.
    const int decimals = std::clamp(precision, 0, 18);
    if (std::isfinite(x) && std::fabs(x) < 1e15L && precision <= 12) {
        s = Format(QStringLiteral("%*.*f"), width, precision, x);
        const long double back = ValueOf(s.trimmed());
        const long double limit = 0.5L * std::pow(10.0L, -decimals) + std::fabs(x) * 1e-17L + 1e-30L;
        FUZZ_CHECK(std::fabs(back - x) <= limit, QStringLiteral("Format %.*f of %1 with %2 = %3").arg(double(x), 0, 'g', 17).arg(precision).arg(Quoted(s)));
    }
}

void CheckDateTime(const QString& pattern, double value)
{
    QString s;
    const bool converted = Converts([&] { s = FormatDateTime(pattern, value); });
    const QString detail = QStringLiteral("FormatDateTime(%1, %2) = %3").arg(Quoted(pattern)).arg(value, 0, 'g', 17).arg(Quoted(s));
    // Every day from 1 January 0001 to 31 December 9999 converts.
    if (value >= -693593.0 && value <= 2958465.0)
        FUZZ_CHECK(converted, detail);
    // No pattern character writes more than three ("z", "dddd", "mmmm").
    FUZZ_CHECK(s.size() <= 3 * pattern.size(), detail);
}

void CheckAngles(double x, int precision)
{
    for (const TDegreeFormat f : {dfDeg, dfDegMin, dfDegMinSec, dfNumeric}) {
        QString s;
        if (Converts([&] { s = DegreeToStr(x, f, precision); }))
            FUZZ_CHECK(s.size() <= 3 * 300, QStringLiteral("DegreeToStr(%1, %2, %3)").arg(x).arg(int(f)).arg(precision));
    }
    QString s;
    if (Converts([&] { s = EEngStr(x, precision); }))
        FUZZ_CHECK(s.size() <= 300, QStringLiteral("EEngStr(%1, %2) = %3").arg(x, 0, 'g', 17).arg(precision).arg(Quoted(s)));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const double x = ConsumeAnyDouble(in);
    const int width = ConsumeAnyInt(in);
    const int precision = ConsumeAnyInt(in);
    const int64_t i64 = in.ConsumeIntegral<int64_t>();
    const QString pattern = ConsumeText(in, 128);
    CheckStr(x, width, precision);
    CheckStrff(x, width, precision);
    CheckStrff(x, width, -2);
    CheckFormat(pattern, width, precision, x, i64, static_cast<int>(i64));
    CheckDateTime(pattern, x);
    CheckAngles(x, precision);
    return 0;
}
