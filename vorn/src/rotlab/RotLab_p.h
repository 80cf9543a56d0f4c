// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// Internal to the library, never installed: where the rotated label puts
// its text.
#include "RotLab.h"
#include "vornbase_p.h"

namespace vorn {

/// The top-left corner of the text cell for a text whose half width is w2 and
/// half height h2, turned by TextAngle degrees counter-clockwise, so that the
/// point halfway down the text at the alignment's distance from its start
/// (0, w2 or 2 * w2) lies on (PosX, PosY). The whole offset is rounded once,
/// to the nearest integer with halves to even.
VORN_TESTS_EXPORT QPoint RotLabTextOrigin(TAlignment Alignment, int TextAngle, int PosX, int PosY, int w2, int h2);

} // namespace vorn
