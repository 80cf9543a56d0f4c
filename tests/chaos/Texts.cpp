// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// Clipboard texts of a random-event run: numbers a user might copy, odd
// texts, and now and then a text of 1 MB.
#include "Runner.h"

using namespace vorn;

namespace chaos {
namespace {

constexpr qsizetype BigLength = qsizetype(1) << 20;

// What a clipboard may hold besides numbers: letters, spaces, units, a sign
// of another currency, accents, a combining mark, an emoji's two halves, a
// lone half, a control character.
const char16_t JunkChars[] = u"0123456789+-.,eE $%&xXaz\t\n\u00B5\u00E9\u0301\U0001F600\xD800\x07";

} // namespace

std::string Describe(const QString& text)
{
    std::string s = std::to_string(text.size()) + " chars \"";
    for (qsizetype i = 0; i < text.size() && i < 24; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x20 && c < 0x7F) {
            s += char(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04X", unsigned(c));
            s += buf;
        }
    }
    return s + (text.size() > 24 ? "...\"" : "\"");
}

QChar Runner::Digit()
{
    return QChar(char16_t(u'0' + Below(10)));
}

QString Runner::ShortNumber()
{
    QString s;
    if (Chance(300))
        s += Chance(700) ? u'-' : u'+';
    for (uint64_t n = Below(6); n > 0; --n)
        s += Digit();
    if (Chance(500)) {
        s += Chance(500) ? u'.' : u',';
        for (uint64_t n = Below(5); n > 0; --n)
            s += Digit();
    }
    if (Chance(100)) {
        s += Chance(500) ? u'e' : u'E';
        s += QString::number(int(Below(700)) - 350);
    }
    return s;
}

QString Runner::Junk(int length)
{
    constexpr size_t n = sizeof JunkChars / sizeof JunkChars[0] - 1;
    QString s;
    s.reserve(length);
    for (int i = 0; i < length; ++i)
        s += QChar(JunkChars[Below(n)]);
    return s;
}

// 1 MB: all digits, digits with a separator, a sign before them, a letter
// among them, or odd characters throughout.
QString Runner::BigText()
{
    const uint64_t kind = Below(5);
    if (kind == 4)
        return Junk(int(BigLength));
    QString s(BigLength, Qt::Uninitialized);
    for (qsizetype i = 0; i < BigLength; ++i)
        s[i] = Digit();
    if (kind == 1)
        s[qsizetype(Below(uint64_t(BigLength)))] = Chance(500) ? u'.' : u',';
    else if (kind == 2)
        s[0] = Chance(500) ? u'-' : u'+';
    else if (kind == 3)
        s[qsizetype(Below(uint64_t(BigLength)))] = QChar(char16_t(u'a' + Below(26)));
    return s;
}

QString Runner::ClipText()
{
    if (Chance(FOpt.BigPerMille))
        return BigText();
    switch (Below(6)) {
    case 0:
    case 1: return ShortNumber();
    case 2: return QString();
    case 3: return Junk(1 + int(Below(12)));
    case 4: return QString(qsizetype(1 + Below(400)), Digit());
    default: {
        const QString before = Chance(500) ? QStringLiteral(" ") : QString();
        return before + ShortNumber() + (Chance(500) ? QStringLiteral(" MHz") : QStringLiteral("\n"));
    }
    }
}

} // namespace chaos
