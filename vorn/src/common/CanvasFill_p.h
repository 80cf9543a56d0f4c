// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// The canvas's fill of a run of pixels, in a file of its own so that only
/// this loop is compiled for speed on long runs (vectorised; see the
/// library's CMakeLists.txt).
#include <QRgb>

namespace vorn {

/// Sets n pixels from p on to rgb.
void FillPixels(QRgb* p, int n, QRgb rgb);

} // namespace vorn
