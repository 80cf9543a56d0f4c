#include "Str.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int SignificantDigits = 18;
constexpr long double FixedLimit = 6.646139978924579e35L;

// |x| as 18 significant decimal digits and the power of ten of the first.
struct Decimal
{
    std::string digits; // SignificantDigits characters '0'..'9'
    int exponent = 0;
};

Decimal ToDecimal(long double x)
{
    Decimal d;
    if (x == 0.0L) {
        d.digits.assign(SignificantDigits, '0');
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", SignificantDigits - 1, std::fabs(x));
    const std::string s(buf); // d.ddddE+xx
    const std::size_t e = s.find('e');
    d.digits = s.substr(0, 1) + s.substr(2, e - 2);
    d.exponent = std::stoi(s.substr(e + 1));
    return d;
}

// Keeps the first `keep` digits, rounding half up on the next one; a carry
// into a new leading digit raises the exponent. Returns false when nothing
// is left (the rounded value is zero).
bool RoundHalfUp(Decimal& d, int keep)
{
    if (keep >= static_cast<int>(d.digits.size()))
        return true;
    if (keep < 0) {
        d.digits.assign(d.digits.size(), '0');
        return false;
    }
    const bool up = d.digits[keep] >= '5';
    std::fill(d.digits.begin() + keep, d.digits.end(), '0');
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9')
            d.digits[i--] = '0';
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        }
    }
    return d.digits.find_first_not_of('0') != std::string::npos;
}

QString PadLeft(const std::string& s, int width)
{
    const int pad = std::max(0, width - static_cast<int>(s.size()));
    return QString(pad, QLatin1Char(' ')) + QString::fromLatin1(s.data(), static_cast<int>(s.size()));
}

QString FixedForm(long double x, int width, int decimals)
{
    Decimal d = ToDecimal(x);
    const bool any = RoundHalfUp(d, d.exponent + 1 + decimals);
    auto digitAt = [&](int place) { // the digit of 10^place
        const int idx = d.exponent - place;
        return idx >= 0 && idx < static_cast<int>(d.digits.size()) ? d.digits[idx] : '0';
    };
    std::string s;
    if (x < 0.0L)
        s += '-';
    if (!any || d.exponent < 0)
        s += '0';
    else
        for (int place = d.exponent; place >= 0; --place)
            s += digitAt(place);
    if (decimals > 0) {
        s += '.';
        for (int place = -1; place >= -decimals; --place)
            s += any ? digitAt(place) : '0';
    }
    return PadLeft(s, width);
}

QString ExponentialForm(long double x, int width)
{
    const int w = std::max(width, 10);
    const int fraction = std::min(w - 9, 17);
    Decimal d = ToDecimal(x);
    const bool zero = !RoundHalfUp(d, 1 + fraction);
    const int exponent = zero ? 0 : d.exponent;
    std::string s(std::max(0, w - 26), ' ');
    s += std::signbit(x) && x != 0.0L ? '-' : ' ';
    s += d.digits[0];
    s += '.';
    s += d.digits.substr(1, fraction);
    char exp[16];
    std::snprintf(exp, sizeof exp, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
    s += exp;
    return QString::fromLatin1(s.data(), static_cast<int>(s.size()));
}

} // namespace

QString Str(long double x, int width, int decimals)
{
    width = std::min(width, 255);
    if (std::isnan(x))
        return PadLeft("Nan", width);
    if (std::isinf(x))
        return PadLeft(x > 0 ? "+Inf" : "-Inf", width);
    if (decimals >= 0 && std::fabs(x) <= FixedLimit) {
        const int exponent = ToDecimal(x).exponent;
        if (x == 0.0L || (exponent >= -35 && exponent <= 35))
            return FixedForm(x, width, std::min(decimals, 216));
    }
    return ExponentialForm(x, width);
}
