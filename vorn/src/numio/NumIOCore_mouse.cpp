// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The mouse on the field: caret and selection in the box, the spin buttons
// and the gauge.
#include "NumIOCore_p.h"

#include "FloatCheck_p.h"
#include "math1_p.h"

#include <cmath>

namespace vorn {

using namespace numio;

namespace {
double LimitToRange(long double v, double lo, double hi)
{
    if (!(v >= lo))
        v = lo;
    if (v > hi)
        v = hi;
    return static_cast<double>(v);
}
} // namespace

double TNumIO2Core::GaugeValueOf(int X)
{
    const long double t = static_cast<long double>(X - FGaugeLeftMarg) / FGaugeWidth;
    long double v;
    const int n = static_cast<int>(ButtonPivots.size());
    if (n == 0) {
        v = t * (static_cast<long double>(FMaximum) - FMinimum) + FMinimum;
    } else {
        int64_t minix = n == 1 ? 0 : Round((n - 1) * t);
        // The drag's one-pixel margins may point just past the stops.
        minix = std::clamp<int64_t>(minix, 0, n - 1);
        v = ButtonPivots[static_cast<size_t>(minix)];
    }
    return LimitToRange(v, FMinimum, FMaximum);
}

double TNumIO2Core::SteppedValue(bool Upper)
{
    const double cur = GetNioValue();
    const int n = static_cast<int>(ButtonPivots.size());
    if (n == 0) {
        const long double v = Upper ? static_cast<long double>(cur) + FButIncrem
                                    : static_cast<long double>(cur) - FButIncrem;
        return LimitToRange(v, FMinimum, FMaximum);
    }
    // The resolution of the displayed value.
    const long double SmallNum = FExp(-FDecP * uc_ln10);
    int minix = 0;
    for (int i = 1; i < n; ++i)
        if (std::fabs(ButtonPivots[size_t(i)] - cur) < std::fabs(ButtonPivots[size_t(minix)] - cur))
            minix = i;
    const long double stop = ButtonPivots[size_t(minix)];
    if (Upper) {
        if (!(stop - SmallNum > cur))
            minix = std::min(minix + 1, n - 1);
    } else {
        if (!(stop + SmallNum < cur))
            minix = std::max(minix - 1, 0);
    }
    return ButtonPivots[size_t(minix)];
}

void TNumIO2Core::MouseDown(int X, int Y)
{
    const int H = HostSize().height();
    const int bh = BarHeight();
    if (!FReadOnly)
        FCaretVisib = true;
    // Caret, wherever the press is in the rows of the box.
    if (0 < Y && Y < H - bh) {
        FCaretPos = XCoordsToCharPos(X);
        FSelBegin = FCaretPos;
        SetSelEnd(FCaretPos);
        FHost.Paint();
    }
    // Gauge.
    if (FGaugeVisib && Y > H - bh && FGaugeLeftMarg <= X && X <= FGaugeLeftMarg + FGaugeWidth) {
        SetNioValue(GaugeValueOf(X));
        FValueChanged = true;
    }
    // Spin buttons: one step and one OnChange per press.
    const int bx = FLeftSpace + FTextBoxWidth + FButSpace;
    if (FButVisible && bx < X && X < bx + FButWidth && 0 < Y && Y < FButHeight) {
        SetNioValue(SteppedValue(!(Y > FButHeight / 2)));
        FEvents.Changed();
    }
}

void TNumIO2Core::MouseMove(TShiftState Shift, int X, int Y)
{
    const int H = HostSize().height();
    const int bh = BarHeight();
    FMouseAreaCode = FieldBox(*this, H).Zone(X);
    if (Shift & ssLeft) {
        // Selection drag: the start follows the pointer only to the left.
        if (0 < Y && Y < H - bh) {
            const int cp = XCoordsToCharPos(X);
            if (cp > FSelBegin)
                SetSelEnd(cp);
            else
                SetSelBegin(cp);
        }
        // Gauge drag, one pixel wider on each side than a press.
        if (FGaugeVisib && Y > H - bh && FGaugeLeftMarg - 1 <= X && X <= FGaugeLeftMarg + FGaugeWidth + 1) {
            const double v = GaugeValueOf(X);
            SetNioValue(v);
            FValueChanged = true;
            FEvents.GaugeChanged(Shift, v);
        }
    }
}

void TNumIO2Core::MouseUp()
{
    if (FValueChanged) {
        FValueChanged = false;
        FEvents.Changed();
    }
}

} // namespace vorn
