// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "Exceptions.h"
#include "Format_p.h"

#include <QDate>

#include <cmath>

namespace vorn {

namespace {

constexpr const char* ShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* LongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
// Sunday first.
constexpr const char* ShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* LongDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// Day serial 0 is 30 December 1899.
constexpr qint64 JulianDayOfSerialZero = 2415019;
// 1 January 0001 and 31 December 9999.
constexpr qint64 FirstSerial = -693593;
constexpr qint64 LastSerial = 2958465;
constexpr qint64 MSecsPerDay = 86400000;

struct Stamp
{
    int year, month, day, dayOfWeek; // dayOfWeek 0 = Sunday
    int hour, minute, second, msec;
};

Stamp Decode(double value)
{
    const auto invalid = [value] {
        return EConvertError(QStringLiteral("%1 is not a valid date and time").arg(value));
    };
    if (!std::isfinite(value) || value <= FirstSerial - 1 || value >= LastSerial + 1)
        throw invalid();
    // The integer part is the day, the fraction (also of a negative serial)
    // the time of day after its midnight.
    qint64 day = static_cast<qint64>(std::trunc(value));
    qint64 ms = std::llround(std::fabs(value - static_cast<double>(day)) * MSecsPerDay);
    if (ms >= MSecsPerDay) {
        ms -= MSecsPerDay;
        ++day;
    }
    if (day < FirstSerial || day > LastSerial)
        throw invalid();
    const QDate date = QDate::fromJulianDay(JulianDayOfSerialZero + day);
    return Stamp{date.year(),
                 date.month(),
                 date.day(),
                 date.dayOfWeek() % 7,
                 static_cast<int>(ms / 3600000),
                 static_cast<int>(ms / 60000 % 60),
                 static_cast<int>(ms / 1000 % 60),
                 static_cast<int>(ms % 1000)};
}

QString Padded(int v, int digits)
{
    return QString::number(v).rightJustified(digits, QLatin1Char('0'));
}

// The length of the am/pm ("am/pm") or a/p ("a/p") marker at i, or 0.
qsizetype AmPmAt(const QString& p, qsizetype i)
{
    if (p.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0)
        return 5;
    if (p.mid(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0)
        return 3;
    return 0;
}

bool IsQuote(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char('"');
}

// Whether an am/pm marker follows position i outside quoted text: the hours
// before it count on the 12-hour clock.
bool AmPmFollows(const QString& p, qsizetype i)
{
    for (; i < p.size(); ++i) {
        if (IsQuote(p[i])) {
            const qsizetype close = p.indexOf(p[i], i + 1);
            if (close < 0)
                return false;
            i = close;
        } else if (AmPmAt(p, i) > 0) {
            return true;
        }
    }
    return false;
}

} // namespace

QString FormatDateTime(const QString& pattern, double value)
{
    const Stamp t = Decode(value);
    QString out;
    bool afterHour = false; // an "m" right after an hour means minutes
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = pattern[i];
        if (IsQuote(c)) {
            qsizetype close = pattern.indexOf(c, i + 1);
            if (close < 0)
                close = n;
            out += pattern.mid(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (const qsizetype len = AmPmAt(pattern, i)) {
            // The marker is written in the pattern's own letters and case.
            const bool pm = t.hour >= 12;
            out += len == 5 ? pattern.mid(i + (pm ? 3 : 0), 2) : pattern.mid(i + (pm ? 2 : 0), 1);
            i += len;
            afterHour = false;
            continue;
        }
        const QChar letter = c.toLower();
        if (!QStringLiteral("dmyhnsz").contains(letter)) {
            out += c;
            ++i;
            continue;
        }
        qsizetype count = 0;
        while (i + count < n && pattern[i + count].toLower() == letter)
            ++count;
        const bool wasAfterHour = afterHour;
        afterHour = false;
        switch (letter.unicode()) {
        case 'd':
            if (count <= 2)
                out += Padded(t.day, static_cast<int>(count));
            else
                out += QLatin1String(count == 3 ? ShortDayNames[t.dayOfWeek] : LongDayNames[t.dayOfWeek]);
            break;
        case 'm':
            if (count <= 2 && wasAfterHour)
                out += Padded(t.minute, static_cast<int>(count));
            else if (count <= 2)
                out += Padded(t.month, static_cast<int>(count));
            else
                out += QLatin1String(count == 3 ? ShortMonthNames[t.month - 1] : LongMonthNames[t.month - 1]);
            break;
        case 'y': out += count <= 2 ? Padded(t.year % 100, 2) : Padded(t.year, 4); break;
        case 'h': {
            int hour = t.hour;
            if (AmPmFollows(pattern, i + count)) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += Padded(hour, count >= 2 ? 2 : 1);
            afterHour = true;
            break;
        }
        case 'n': out += Padded(t.minute, count >= 2 ? 2 : 1); break;
        case 's': out += Padded(t.second, count >= 2 ? 2 : 1); break;
        case 'z': out += Padded(t.msec, count >= 3 ? 3 : 1); break;
        }
        i += count;
    }
    return out;
}

} // namespace vorn
