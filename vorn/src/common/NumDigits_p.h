// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Fixed-length digit strings of a 32-bit pattern, shared by the numeric
// field and the numeric label. The pattern is taken unsigned; exactly
// `places` digits result, leading zeros filling and higher digits dropped.
#include <QString>

#include <cstdint>

namespace vorn {

// places limited to 1 .. 8
QString Hex(int32_t innum, uint8_t places);
// places limited to 1 .. 11 (MAXLENG)
QString Octal(int32_t innum, uint8_t places);
// places limited to 1 .. 32
QString Bin(int32_t innum, uint8_t places);

} // namespace vorn
