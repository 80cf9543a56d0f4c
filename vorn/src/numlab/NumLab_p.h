// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the label's value box and its
// unit constants.
#include "Keys_p.h"
#include "NumLab.h"
#include "vornbase_p.h"

namespace vorn {

namespace numlab {

constexpr int defLeftSpace = 35;
constexpr int defPrecision = 2;
constexpr int defLabelWidth = 80;

} // namespace numlab

/// The label's value box: from LeftSpace, LabelWidth wide, the label's height.
inline TValueBox LabelBox(const TNumLab& l)
{
    return {l.LeftSpace(), l.LabelWidth(), l.height()};
}

} // namespace vorn
