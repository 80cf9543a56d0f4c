// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "TestSupport.h"

#include <algorithm>
#include <cmath>

using namespace vorn;

namespace {

int CountMatching(const QImage& img, TColor c, bool equal, int l, int t, int r, int b)
{
    int n = 0;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            n += (At(img, x, y) == c) == equal;
    return n;
}

} // namespace

int CountColor(const QImage& img, TColor c, int l, int t, int r, int b)
{
    return CountMatching(img, c, true, l, t, r, b);
}

int CountNot(const QImage& img, TColor c, int l, int t, int r, int b)
{
    return CountMatching(img, c, false, l, t, r, b);
}

TColor FramePixel(const FrameLook& f, int x, int y)
{
    const bool bevel = f.Style != fsNone && f.Style != fsSimple;
    // The last column and row of the ring.
    const int r = bevel ? f.Right - 1 : f.Right;
    const int b = bevel ? f.Bottom - 1 : f.Bottom;
    if (bevel) {
        if ((x == f.Right && y > f.Top && y <= f.Bottom) || (y == f.Bottom && x >= f.Left + f.BottomFrom && x <= f.Right))
            return f.Outer;
        if ((x == f.Left + 1 && y >= f.Top + 2 && y < b) || (y == f.Top + 1 && x > f.Left && x < r))
            return f.Inner;
    }
    if (x < f.Left || x > r || y < f.Top || y > b)
        return f.Outside;
    if (x == f.Left || x == r || y == f.Top || y == b)
        return f.Outline;
    return f.Fill;
}

QImage BlockScaled(const QImage& img, qreal r)
{
    QImage out(int(img.width() * r), int(img.height() * r), img.format());
    // The logical column or row that covers each device one.
    auto cover = [r](int n, int devices) {
        std::vector<int> of(devices);
        for (int x = 0; x < n; ++x)
            for (int d = int(x * r); d < int((x + 1) * r) && d < devices; ++d)
                of[d] = x;
        return of;
    };
    const std::vector<int> cx = cover(img.width(), out.width()), cy = cover(img.height(), out.height());
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, img.pixel(cx[x], cy[y]));
    out.setDevicePixelRatio(r);
    return out;
}

double Luminance(QRgb c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
