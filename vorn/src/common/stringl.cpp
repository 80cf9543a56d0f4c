// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "stringl_p.h"

#include "Str_p.h"

namespace vorn {

namespace {

// |FieldWidth|, limited to the 255 characters Str ever pads to; computed
// without negating, since -INT_MIN does not exist.
int WidthOf(int FieldWidth)
{
    constexpr int MaxWidth = 255;
    if (FieldWidth < 0)
        return FieldWidth < -MaxWidth ? MaxWidth : -FieldWidth;
    return FieldWidth > MaxWidth ? MaxWidth : FieldWidth;
}

} // namespace

QString strff(long double r, int FieldWidth, int DecP)
{
    const int width = WidthOf(FieldWidth);
    QString s;
    if (DecP == -2) {
        s = Str(r, width + 2, -2);
        // After "E" stand the exponent's sign and four digits; the first two
        // are dropped, and if they were not both zero the number does not fit.
        const int e = s.indexOf(QLatin1Char('E'));
        const bool fits = s.mid(e + 2, 2) == QLatin1String("00");
        s.remove(e + 2, 2);
        if (!fits)
            s.fill(QLatin1Char('*'));
    } else {
        s = Str(r, width, DecP);
    }
    if (FieldWidth < 0) {
        int i = 0;
        while (i < s.size() && s.at(i) == QLatin1Char(' '))
            s[i++] = QLatin1Char('0');
        if (i < s.size() && s.at(i) == QLatin1Char('-')) {
            s[i] = QLatin1Char('0');
            s[0] = QLatin1Char('-');
        }
    }
    return s;
}

QString ReplaceCharInString(const QString& Instring, QChar OldChar, QChar NewChar)
{
    QString s = Instring;
    s.replace(OldChar, NewChar);
    return s;
}

} // namespace vorn
