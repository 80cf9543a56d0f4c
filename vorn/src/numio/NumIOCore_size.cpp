// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
// The field's natural and least sizes for Qt's layouts, read off the rules
// its picture is drawn by: the box at LeftSpace, the spin buttons and the
// right caption beside it, the gauge in its strip below, and rows as high as
// the automatic height makes them.
#include "NumIOCore_p.h"

#include <QFontMetrics>

#include <algorithm>

namespace vorn {

using namespace numio;

namespace {

// How far right the elements of a field reach (exclusive) and how high its
// rows must be, in pixels.
struct TExtent
{
    int Box;     // the box, its outer bevel line included
    int Buttons; // the spin buttons with their shadow column; 0 when hidden
    int Gauge;   // the gauge with its outer line; 0 when hidden
    int Caption; // the right caption with its margins; 0 without one
    int Text;    // the font's line height
    int Bar;     // the gauge's strip below the box
};

TExtent ExtentOf(const TNumIO2Core& f, const QFont& font)
{
    const int LS = f.LeftSpace(), TBW = f.TextBoxWidth();
    const bool flat = f.FrameStyle() == fsNone || f.FrameStyle() == fsSimple;
    const QFontMetrics fm = MeasuringMetrics(font);
    TExtent e{};
    e.Box = LS + TBW + (flat ? 2 : 3);
    const int ofs = f.ButVisible() ? f.ButWidth() + f.ButSpace() : 0;
    if (f.ButVisible())
        e.Buttons = LS + TBW + ofs + 2;
    if (f.GaugeVisible()) {
        e.Gauge = f.GaugeLeftMargin() + f.GaugeWidth() + (f.GaugeFrameStyle() == fsNone ? 0 : 1);
        e.Bar = f.GaugeHeight() + f.GaugeTopMargin() + 1;
    }
    // Seven pixels after the box or buttons, six before the edge, as the
    // left- and right-justified captions stand.
    if (!f.RightText().isEmpty())
        e.Caption = LS + ofs + TBW + 7 + fm.horizontalAdvance(f.RightText()) + 6;
    e.Text = fm.height();
    return e;
}

} // namespace

// Rows as the automatic height makes them (text height + 6), tall enough
// for the spin buttons, over the gauge's strip, and never below the height
// the Height writer allows. An AutoSize field is as high as it makes itself.
QSize TNumIO2Core::SizeHint() const
{
    const TExtent e = ExtentOf(*this, FHost.Font());
    const int w = std::max({e.Box, e.Buttons, e.Gauge, e.Caption});
    if (FAutoSize)
        return {w, e.Text + 6};
    const int rows = std::max(e.Text + 6, FButVisible ? FButHeight / 2 * 2 : 0);
    return {w, std::max(MINHEIGHT, rows + e.Bar)};
}

// The box with the whole text line inside its clip (text height + 5), the
// spin buttons and the gauge; the captions may be cut.
QSize TNumIO2Core::MinimumSizeHint() const
{
    const TExtent e = ExtentOf(*this, FHost.Font());
    const int w = std::max({e.Box, e.Buttons, e.Gauge});
    if (FAutoSize)
        return {w, e.Text + 6};
    const int rows = std::max(e.Text + 5, FButVisible ? FButHeight / 2 * 2 : 0);
    return {w, rows + e.Bar};
}

} // namespace vorn
