// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The rotated label's natural size for Qt's layouts: the bounding box of the
// turned text cell, placed as the label draws it, inside the frame.
#include "RotLab_p.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace vorn {

namespace {

// Pixels the frame takes on each side: one ring, or the two of a bevel.
int FrameWidth(TFrameStyle fs)
{
    switch (fs) {
    case fsNone: return 0;
    case fsSimple: return 1;
    default: return 2;
    }
}

} // namespace

QSize TRotLab::sizeHint() const
{
    const QFontMetrics fm = MeasuringMetrics(font());
    const int tw = fm.horizontalAdvance(FCaption), th = fm.height();
    // The cell's top-left corner relative to the reference point, as drawn.
    const QPoint o = RotLabTextOrigin(FAlignment, FTextAngle, 0, 0, tw / 2, th / 2);
    const double r = (FTextAngle % 360) / 180.0 * std::numbers::pi;
    const double c = std::cos(r), s = std::sin(r);
    // The cell's corners turned counter-clockwise about the origin; the box
    // round them, whole pixels outward and one more for the edges that
    // turned glyphs smooth over.
    double left = 0, right = 0, top = 0, bottom = 0;
    for (const auto& [u, v] : {std::pair{0, 0}, {tw, 0}, {0, th}, {tw, th}}) {
        const double x = u * c + v * s, y = v * c - u * s;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
    const int x0 = o.x() + int(std::floor(left)) - 1, x1 = o.x() + int(std::ceil(right)) + 1;
    const int y0 = o.y() + int(std::floor(top)) - 1, y1 = o.y() + int(std::ceil(bottom)) + 1;
    const int fw = FrameWidth(FFrameStyle);
    // Centred, each half holds the farther side; otherwise the text reaches
    // from the fixed reference point.
    auto size = [](int64_t w, int64_t h) {
        return QSize(int(std::clamp<int64_t>(w, 0, QWIDGETSIZE_MAX)), int(std::clamp<int64_t>(h, 0, QWIDGETSIZE_MAX)));
    };
    if (FAutoCenter)
        return size(2 * (int64_t(std::max(-x0, x1)) + fw), 2 * (int64_t(std::max(-y0, y1)) + fw));
    return size(std::max<int64_t>(int64_t(FTextPosX) + x1 + fw, 2 * fw),
                std::max<int64_t>(int64_t(FTextPosY) + y1 + fw, 2 * fw));
}

QSize TRotLab::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace vorn
