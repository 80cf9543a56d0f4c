// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The dot-matrix label's natural and least sizes for Qt's layouts, from its
// text's length in dots, the dot geometry and the frame.
#include "RasterLab_p.h"

#include <algorithm>

namespace vorn {

namespace {

// Pixels the frame covers on each side as it is drawn: one ring, or two.
int64_t FrameWidth(TFrameStyle fs)
{
    switch (fs) {
    case fsNone: return 0;
    case fsSimple: return 1;
    default: return 2;
    }
}

QSize Clamped(int64_t w, int64_t h)
{
    return {int(std::clamp<int64_t>(w, 0, QWIDGETSIZE_MAX)), int(std::clamp<int64_t>(h, 0, QWIDGETSIZE_MAX))};
}

} // namespace

// Across: the text's length (each character with the blank dot column after
// it) from PosX, then the frame as drawn. AutoCenter puts the text at
// (W - length) div 2 + allowance + 1 (the frame allowance of AutoHeight), so
// W = length + 2 * (allowance + frame + 1) leaves the frame clear after it.
// Down: the dot rows from PosY, the last row's spacing dropped, then the
// frame; or what AutoHeight sets.
QSize TRasterLab::sizeHint() const
{
    const int64_t fa = FrameAllowance(), fw = FrameWidth(FFrameStyle);
    const int64_t pitch = int64_t(FDotSize) + FDotSpacing;
    const int64_t length = CalcTextBitLength(FLabText);
    const int64_t rows = pitch * FCMat->Matrix.FontHeight;
    const int64_t w = FAutoCenter ? length + 2 * (fa + fw + 1) : std::max(FXPos, 0) + length + fw;
    const int64_t h = FAutoHeight ? fa + rows : std::max(FYPos, 0) + rows - FDotSpacing + fw;
    return Clamped(w, h);
}

// A text that scrolls sideways is shown in passing: across, the frame and
// one character cell are enough. Otherwise the least is the natural size.
QSize TRasterLab::minimumSizeHint() const
{
    QSize s = sizeHint();
    if (FScrollMode == rdsmLeft || FScrollMode == rdsmRight) {
        const int64_t cell = (int64_t(FDotSize) + FDotSpacing) * FCMat->Matrix.FontWidth;
        s.setWidth(std::min(s.width(), Clamped(2 * FrameWidth(FFrameStyle) + cell, 0).width()));
    }
    return s;
}

} // namespace vorn
