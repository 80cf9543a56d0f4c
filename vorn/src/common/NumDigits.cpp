// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "NumDigits_p.h"

#include <algorithm>

namespace vorn {

namespace {
constexpr char HexTab[] = "0123456789ABCDEF";
constexpr int MAXLENG = 11;

QString Digits(int32_t innum, int places, int maxPlaces, int bits)
{
    places = std::clamp(places, 1, maxPlaces);
    uint32_t pattern = static_cast<uint32_t>(innum);
    const uint32_t mask = (1u << bits) - 1;
    QString s(places, QLatin1Char('0'));
    for (int i = places - 1; i >= 0; --i) {
        s[i] = QLatin1Char(HexTab[pattern & mask]);
        pattern >>= bits;
    }
    return s;
}
} // namespace

QString Hex(int32_t innum, uint8_t places)
{
    return Digits(innum, places, 8, 4);
}

QString Octal(int32_t innum, uint8_t places)
{
    return Digits(innum, places, MAXLENG, 3);
}

QString Bin(int32_t innum, uint8_t places)
{
    return Digits(innum, places, 32, 1);
}

} // namespace vorn
