// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "CanvasFill_p.h"

namespace vorn {

void FillPixels(QRgb* p, int n, QRgb rgb)
{
    for (int i = 0; i < n; ++i)
        p[i] = rgb;
}

} // namespace vorn
