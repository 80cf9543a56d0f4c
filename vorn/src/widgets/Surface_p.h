// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: what tests, benchmarks and the
// gallery's smoke run read of a control's pictures.
#include "Surface.h"

namespace vorn {

namespace vornaccess {

class SurfaceAccess
{
public:
    /// How many pictures the control has composed, for tests and benchmarks
    /// that check no work is done twice.
    static int Compositions(const TSurface& s) { return s.FCompositions; }
};

} // namespace vornaccess

/// The same, as the tests write it.
inline int Compositions(const TSurface& s)
{
    return vornaccess::SurfaceAccess::Compositions(s);
}

} // namespace vorn
