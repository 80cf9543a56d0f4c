// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: the character matrix labels
// share and the unit constants.
#include "MessageTimer_p.h"
#include "RasterLab.h"
#include "vornbase_p.h"

#include <QSharedData>

namespace vorn {

namespace rasterlab {

constexpr int defLabelWidth = 400;

} // namespace rasterlab

/// A character matrix that labels share (internal).
struct TRDSharedMatrix : QSharedData
{
    TRDCharMatrix Matrix;
};

} // namespace vorn
