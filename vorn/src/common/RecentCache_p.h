// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// A small cache of the values made last, most recent first, for values the
/// controls share (the dot-matrix label's matrices and rasters, the numeric
/// label's text widths): a hit moves
/// its entry to the front, a new value drops the oldest beyond Kept.
#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace vorn {

template <class Key, class Value, std::size_t Kept>
class TRecentCache
{
public:
    /// The value kept for key, made by make() when there is none.
    template <class Make>
    Value Get(const Key& key, Make&& make)
    {
        const auto it = std::find_if(FEntries.begin(), FEntries.end(),
                                     [&](const std::pair<Key, Value>& e) { return e.first == key; });
        if (it != FEntries.end()) {
            std::rotate(FEntries.begin(), it, it + 1);
            return FEntries.front().second;
        }
        Value value = make();
        FEntries.insert(FEntries.begin(), {key, value});
        if (FEntries.size() > Kept)
            FEntries.pop_back();
        return value;
    }

    /// Forgets every value.
    void Clear() { FEntries.clear(); }

private:
    std::vector<std::pair<Key, Value>> FEntries;
};

} // namespace vorn
