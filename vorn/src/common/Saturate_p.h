// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Integer arithmetic that cannot overflow: values computed in 64 bits are
// brought back into the range of int.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace vorn {

// v limited to the range of int.
constexpr int ClampToInt(int64_t v)
{
    return int(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// a + b, saturated at the ends of int.
constexpr int SaturatedAdd(int a, int64_t b)
{
    return ClampToInt(int64_t(a) + b);
}

// A pixel coordinate limited to +-2^30, so that adding a dot, a pitch or a
// widget size to it cannot overflow.
constexpr int ClampCoord(int64_t v)
{
    constexpr int64_t Limit = int64_t(1) << 30;
    return int(std::clamp(v, -Limit, Limit));
}

} // namespace vorn
