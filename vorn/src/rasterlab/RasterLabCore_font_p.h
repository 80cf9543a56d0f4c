// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The built-in dot-matrix font: a 7 x 12 cell for the character codes
// 32..255. Entry [code - 32] holds the glyph's left bound, its right bound,
// then the masks of rows 0..11 from the top; bit i of a mask is column i,
// column 0 the leftmost.
#include <cstdint>

namespace vorn {

constexpr int Font_12x7_Courier_Width = 7;
constexpr int Font_12x7_Courier_Height = 12;

extern const uint8_t BitData_Font_12x7_Courier[224][14];

} // namespace vorn
