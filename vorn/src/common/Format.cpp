// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Format_p.h"

#include "Decimal_p.h"

#include "Exceptions.h"
#include "Locale_p.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace vorn {

namespace {

std::string ExponentText(int exponent, bool alwaysSign)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "E%s%03d", exponent < 0 ? "-" : (alwaysSign ? "+" : ""), std::abs(exponent));
    return buf;
}

// Each form returns the text of the magnitude with '.' as the point.
std::string GeneralText(const Decimal& d, int precision)
{
    if (d.zero)
        return "0";
    std::string sig = d.digits.substr(0, precision);
    sig.erase(sig.find_last_not_of('0') + 1);
    const int e = d.exponent + 1; // the value is 0.ddd... x 10^e
    const int n = static_cast<int>(sig.size());
    if (e >= -3 && e <= precision) {
        if (e <= 0)
            return "0." + std::string(-e, '0') + sig;
        std::string s = sig.substr(0, std::min(e, n)) + std::string(std::max(0, e - n), '0');
        if (n > e)
            s += "." + sig.substr(e);
        return s;
    }
    std::string s = sig.substr(0, 1);
    if (n > 1)
        s += "." + sig.substr(1);
    return s + ExponentText(d.exponent, false);
}

std::string ExponentialText(const Decimal& d, int precision)
{
    return d.digits.substr(0, 1) + "." + d.digits.substr(1, precision - 1) +
           ExponentText(d.zero ? 0 : d.exponent, true);
}

QString RealText(QChar conv, int precision, long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    Decimal d = ToDecimal(std::fabs(value));
    std::string s;
    if (conv == QLatin1Char('f')) {
        const int decimals = std::clamp(precision < 0 ? 2 : precision, 0, SignificantDigits);
        if (!d.zero && d.exponent >= SignificantDigits) {
            d.RoundHalfUp(SignificantDigits);
            s = GeneralText(d, SignificantDigits);
        } else {
            d.RoundToDecimals(decimals);
            s = d.FixedText(decimals);
        }
    } else {
        const int digits = std::clamp(precision < 0 ? 15 : precision, 2, SignificantDigits);
        d.RoundHalfUp(digits);
        s = conv == QLatin1Char('e') ? ExponentialText(d, digits) : GeneralText(d, digits);
    }
    QString text = QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
    text.replace(QLatin1Char('.'), DecimalSeparator());
    if (value < 0 && !d.zero)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString IntegerText(QChar conv, int precision, uint64_t magnitude, bool negative)
{
    const QString digits = QString::number(magnitude, conv == QLatin1Char('x') ? 16 : 10).toUpper();
    const int minDigits = std::clamp(precision, 0, 255);
    QString text = QString(std::max<qsizetype>(0, minDigits - digits.size()), QLatin1Char('0')) + digits;
    return negative ? QLatin1Char('-') + text : text;
}

[[noreturn]] void Invalid(const QString& fmt)
{
    throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(fmt));
}

// Expands the one conversion of fmt with `convert(conv, precision)`, where
// precision is -1 when the pattern gives none, and pads it to its width.
QString Expand(const QString& fmt, int widthArg, int precisionArg,
               const std::function<QString(QChar conv, int precision)>& convert)
{
    QString out;
    bool used = false;
    const qsizetype n = fmt.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (fmt[i] != QLatin1Char('%')) {
            out += fmt[i];
            continue;
        }
        if (i + 1 < n && fmt[i + 1] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        if (used)
            Invalid(fmt);
        used = true;
        ++i;
        auto number = [&](int arg) {
            if (i < n && fmt[i] == QLatin1Char('*')) {
                ++i;
                return arg;
            }
            int v = -1;
            while (i < n && fmt[i].isDigit() && v < 100000)
                v = std::max(v, 0) * 10 + fmt[i++].digitValue();
            return v;
        };
        const bool left = i < n && fmt[i] == QLatin1Char('-');
        if (left)
            ++i;
        const int width = number(widthArg);
        int precision = -1;
        if (i < n && fmt[i] == QLatin1Char('.')) {
            ++i;
            precision = std::max(number(precisionArg), 0);
        }
        if (i >= n)
            Invalid(fmt);
        const QChar conv = fmt[i].toLower();
        if (!QStringLiteral("dxfeg").contains(conv))
            Invalid(fmt);
        const QString text = convert(conv, precision);
        const qsizetype pad = std::max<qsizetype>(0, std::min(width, 255) - text.size());
        out += left ? text + QString(pad, QLatin1Char(' ')) : QString(pad, QLatin1Char(' ')) + text;
    }
    return out;
}

bool IsReal(QChar conv)
{
    return conv == QLatin1Char('f') || conv == QLatin1Char('e') || conv == QLatin1Char('g');
}

} // namespace

QString Format(const QString& fmt, int width, int precision, long double value)
{
    return Expand(fmt, width, precision, [&](QChar conv, int p) {
        if (!IsReal(conv))
            Invalid(fmt);
        return RealText(conv, p, value);
    });
}

QString Format(const QString& fmt, int width, int precision, int64_t value)
{
    return Expand(fmt, width, precision, [&](QChar conv, int p) {
        if (IsReal(conv))
            Invalid(fmt);
        const uint64_t pattern = static_cast<uint64_t>(value);
        if (conv == QLatin1Char('x'))
            return IntegerText(conv, p, pattern, false);
        return IntegerText(conv, p, value < 0 ? 0 - pattern : pattern, value < 0);
    });
}

QString Format(const QString& fmt, int width, int precision, int value)
{
    // A 32-bit value shows its own 32-bit pattern in hexadecimal.
    return Expand(fmt, width, precision, [&](QChar conv, int p) {
        if (IsReal(conv))
            Invalid(fmt);
        if (conv == QLatin1Char('x'))
            return IntegerText(conv, p, static_cast<uint32_t>(value), false);
        const int64_t v = value;
        return IntegerText(conv, p, static_cast<uint64_t>(v < 0 ? -v : v), v < 0);
    });
}

} // namespace vorn
